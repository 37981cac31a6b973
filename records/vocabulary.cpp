#include "records/vocabulary.hpp"

#include <array>
#include <utility>

#include "records/checked.hpp"
#include "records/literals.hpp"

namespace radixmender {

namespace {

constexpr std::array<std::string_view, kColorCount> kColorNames = {
    "invisible", "white", "clear", "black", "light gray", "gray",    "dark gray",
    "red",       "blue",  "green", "cyan",  "brown",      "magenta",
};

constexpr std::array<std::string_view, 5> kRelationSymbols = {"=", "<", ">", text::kLessOrEqual,
                                                              text::kGreaterOrEqual};

constexpr std::array<std::string_view, 3> kFontNames = {"system", "monospaced system",
                                                        "monospaced_digit_system"};

ScreenWidthProvider& widthProvider() {
    static ScreenWidthProvider provider;
    return provider;
}

}  // namespace

std::optional<Color> colorFromRawValue(std::string_view name) {
    for (std::size_t i = 0; i < kColorNames.size(); ++i)
        if (kColorNames[i] == name) return static_cast<Color>(i);
    return std::nullopt;
}

std::string rawValue(Color color) { return std::string(kColorNames.at(static_cast<std::size_t>(color))); }

RGBA uiColor(Color color) {
    switch (color) {
        case Color::invisible:
        case Color::clear:
            return {0, 0, 0, 0};
        case Color::white:
            return {1, 1, 1, 1};
        case Color::black:
            return {0, 0, 0, 1};
        case Color::light_gray:
            return {2.0 / 3.0, 2.0 / 3.0, 2.0 / 3.0, 1};
        case Color::gray:
            return {0.5, 0.5, 0.5, 1};
        case Color::dark_gray:
            return {1.0 / 3.0, 1.0 / 3.0, 1.0 / 3.0, 1};
        case Color::red:
            return {1, 0, 0, 1};
        case Color::blue:
            return {0, 0, 1, 1};
        case Color::green:
            return {0, 1, 0, 1};
        case Color::cyan:
            return {0, 1, 1, 1};
        case Color::brown:
            return {0.6, 0.4, 0.2, 1};
        case Color::magenta:
            return {1, 0, 1, 1};
    }
    return {0, 0, 0, 1};
}

RGBA cgColor(Color color) { return uiColor(color); }

std::optional<Tag> tagFromRawValue(std::int64_t value) {
    for (Tag tag :
         {Tag::input, Tag::polynomial, Tag::fraction, Tag::multi_line, Tag::option, Tag::level, Tag::example})
        if (rawValue(tag) == value) return tag;
    return std::nullopt;
}

std::int64_t rawValue(Tag tag) { return static_cast<std::int64_t>(tag); }

std::int64_t viewTag(std::int64_t i, std::int64_t j, std::int64_t k, Tag tag) {
    const std::int64_t row = checkedAdd(checkedMul(8, i), j);
    return checkedAdd(checkedAdd(rawValue(tag), checkedMul(row, 8)), k);
}

ViewTagIndices viewTagIndices(std::int64_t viewTagValue, Tag tag) {
    const std::int64_t t = checkedSub(viewTagValue, rawValue(tag));
    return {t / 64, (t % 64) / 8, t % 8};
}

std::optional<Relation> relationFromRawValue(std::string_view symbol) {
    for (std::size_t i = 0; i < kRelationSymbols.size(); ++i)
        if (kRelationSymbols[i] == symbol) return static_cast<Relation>(i);
    return std::nullopt;
}

std::string rawValue(Relation relation) {
    return std::string(kRelationSymbols.at(static_cast<std::size_t>(relation)));
}

Relation reversed(Relation relation) {
    switch (relation) {
        case Relation::less_than:
            return Relation::greater_than;
        case Relation::greater_than:
            return Relation::less_than;
        case Relation::less_than_or_equal_to:
            return Relation::greater_than_or_equal_to;
        case Relation::greater_than_or_equal_to:
            return Relation::less_than_or_equal_to;
        case Relation::equal_to:
            return Relation::equal_to;
    }
    return relation;
}

Relation negated(Relation relation) {
    switch (relation) {
        case Relation::less_than:
            return Relation::greater_than_or_equal_to;
        case Relation::greater_than:
            return Relation::less_than_or_equal_to;
        case Relation::less_than_or_equal_to:
            return Relation::greater_than;
        case Relation::greater_than_or_equal_to:
            return Relation::less_than;
        case Relation::equal_to:
            return Relation::equal_to;
    }
    return relation;
}

std::optional<Font> fontFromRawValue(std::string_view name) {
    for (std::size_t i = 0; i < kFontNames.size(); ++i)
        if (kFontNames[i] == name) return static_cast<Font>(i);
    return std::nullopt;
}

std::string rawValue(Font font) { return std::string(kFontNames.at(static_cast<std::size_t>(font))); }

std::string superscriptDigit(std::string_view digit) {
    if (digit.size() == 1 && digit[0] >= '0' && digit[0] <= '9') return text::kSuperscripts[digit[0] - '0'];
    return text::kEllipsis;
}

void setMainScreenWidthProvider(ScreenWidthProvider provider) { widthProvider() = std::move(provider); }

double mainScreenWidth() {
    const auto& provider = widthProvider();
    return provider ? provider() : 390.0;
}

double basePointSize() {
    return mainScreenWidth() <= kLayOut::narrowScreenWidth ? kLayOut::narrowPointSize
                                                           : kLayOut::widePointSize;
}

}  // namespace radixmender
