// The boxes of the operation tableaux, and what their measuring and drawing
// share. A box depends on counts, a few texts and the font metrics only.
#include <algorithm>
#include <charconv>
#include <cmath>
#include <stdexcept>
#include <string_view>

#include "engine/item_support.hpp"
#include "engine/marks.hpp"
#include "engine/tableau_layout.hpp"
#include "engine/text_drawing.hpp"
#include "engine/universal_engine_view.hpp"
#include "records/checked.hpp"
#include "records/literals.hpp"
#include "records/text.hpp"

namespace radixmender {
namespace items {

platform::UIFont tableauFont(double size, double scale) {
    return platform::UIFont::monospacedDigitSystemFont(scale * size, platform::FontWeight::medium);
}

double tableauGap(double size) { return std::max(size / 5, 10.0); }

double digitsWidth(const char* digit, std::int64_t count, const platform::UIFont& font) {
    return count < 1 ? 0 : static_cast<double>(count) * widthOf(digit, font);
}

double labelledWidth(const std::string& prefix, std::int64_t columns, const platform::UIFont& font) {
    if (columns < 1) return widthOf(prefix, font);
    return widthOf(prefix + "1", font) + digitsWidth("0", columns - 1, font);
}

double labelBand(std::int64_t columns, const platform::UIFont& font) {
    if (columns < 1) return 0;
    return std::max(labelledWidth("", columns, font), textSize("1", font).height);
}

std::int64_t countOf(const std::string& text) {
    const auto n = parseInteger(text);
    if (!n) throw std::invalid_argument(kNilMessage);
    return std::max<std::int64_t>(*n, 0);
}

void requireCells(std::size_t held, std::int64_t rows, std::int64_t columns) {
    if (static_cast<std::uint64_t>(checkedMul(rows, columns)) != held)
        throw std::length_error("The cells disagree with the declared rows and columns");
}

double numberOf(const std::string& text) {
    std::string_view digits = text;
    if (digits.starts_with('+')) digits.remove_prefix(1);
    double value = 0;
    const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), value);
    if (digits.empty() || digits[0] == '+' || error != std::errc() || end != digits.data() + digits.size() ||
        !std::isfinite(value))
        throw std::invalid_argument(kNilMessage);
    return value;
}

const std::string& entryOf(Texts list, std::size_t i) {
    if (i >= list.size()) throw std::out_of_range("Index out of range");
    return list[i];
}

const std::string* optionalEntry(Texts list, std::size_t i) { return i < list.size() ? &list[i] : nullptr; }

Texts valuesOf(const Row& row) { return row.empty() ? Texts{} : Texts(row).subspan(1); }

std::int64_t groupsReached(std::size_t size, std::int64_t per, std::int64_t count) {
    if (per <= 0) return 0;
    const auto n = static_cast<std::uint64_t>(size);
    const auto p = static_cast<std::uint64_t>(per);
    return std::min<std::int64_t>(count, static_cast<std::int64_t>(n / p + (n % p != 0 ? 1 : 0)));
}

LatticeMetrics latticeMetrics(double size) {
    LatticeMetrics m{tableauFont(size, 0.75), tableauFont(size, 0.9), tableauFont(size), {}, {}, {}};
    m.cellMetrics = fontMetrics(m.cell);
    m.answerMetrics = fontMetrics(m.answer);
    m.factorMetrics = fontMetrics(m.factor);
    m.wCell = widthOf("8" + superscriptDigit("8"), m.cell);
    m.lift = m.wCell - widthOf("8", m.cell);
    const double hCell = 0.5 * (m.cellMetrics.lineHeight + m.cellMetrics.capHeight);
    m.side = hCell <= m.wCell + 1.25 ? 2 * (m.wCell + 1.25) : 2 * hCell;
    m.leftBand = widthOf("8", m.answer) + m.answerMetrics.ascender - m.answerMetrics.capHeight;
    m.eight = widthOf("8", m.factor);
    return m;
}

ItemBox latticeBox(const LatticeMetrics& m, std::int64_t rows, std::int64_t columns) {
    const double a = static_cast<double>(std::max<std::int64_t>(rows, 0));
    const double b = static_cast<double>(std::max<std::int64_t>(columns, 0));
    const double height = a * m.side + m.answerMetrics.lineHeight + m.factorMetrics.lineHeight;
    return {b * m.side + m.leftBand - m.factorMetrics.descender + m.eight, height, height / 2};
}

GridMetrics gridMetrics(std::int64_t top, std::int64_t left, double size) {
    GridMetrics m{tableauFont(size, 0.75), tableauFont(size), {}, {}};
    m.cellMetrics = fontMetrics(m.cell);
    m.labelMetrics = fontMetrics(m.label);
    const double wPart = digitsWidth("8", checkedAdd(top, left), m.cell);
    const double wTop = digitsWidth("8", top, m.label);
    m.wLeft = digitsWidth("8", left, m.label);
    m.side = std::max(std::max(m.cellMetrics.lineHeight, wPart + 5),
                      std::max(m.labelMetrics.lineHeight, wTop + 5));
    return m;
}

ItemBox gridBox(const GridMetrics& m, std::int64_t rows, std::int64_t columns) {
    const double a = static_cast<double>(std::max<std::int64_t>(rows, 0));
    const double b = static_cast<double>(std::max<std::int64_t>(columns, 0));
    const double height = a * m.side + m.labelMetrics.lineHeight;
    return {b * m.side - m.labelMetrics.descender + m.wLeft, height, height / 2};
}

void placeValueLabels(Marks& marks, std::int64_t columns, double x, double pitch, double y, double angle,
                      const platform::UIFont& font) {
    // Every label is as high as "1".
    marks.placeValues(columns, x, pitch, y, angle, font, textSize("1", font).height, widthOf("0", font));
}

platform::UIColor shadeOf(const std::vector<std::string>& letters, std::size_t i) {
    if (hasLetter(letters, i, "G")) return platform::UIColor::gray();
    if (hasLetter(letters, i, "R")) return platform::UIColor::lightGray();
    return platform::UIColor::clear();
}

bool hasLetter(const std::vector<std::string>& letters, std::size_t i, const char* letter) {
    return i < letters.size() && letters[i] == letter;
}

namespace {

ItemBox centred(double width, double height) { return {width, height, height / 2}; }

double lineHeightOf(const platform::UIFont& font) { return fontMetrics(font).lineHeight; }

}  // namespace
ItemBox dividePartialBox(Texts globals, const std::string& phase, double stages, double size) {
    const platform::UIFont font = tableauFont(size);
    const double gap = tableauGap(size), lh = lineHeightOf(font);
    const double left = widthOf(entryOf(globals, 1), font) + 2 * gap + widthOf(entryOf(globals, 0), font);
    const double right = std::max(widthOf(" R ", font) + widthOf(entryOf(globals, 3), font),
                                  30 + widthOf(text::kPlus, font) + gap + widthOf(entryOf(globals, 2), font));
    const bool longer = phase == "GRAB AND CHOOSE" || phase == "PROBLEM" || phase == "CHOOSE";
    return centred(left + right, (2 * lh + 5) * (stages + 1) + (longer ? lh : 0));
}

ItemBox divideBox(Texts globals, const std::string& phase, double stages, double size) {
    const platform::UIFont font = tableauFont(size);
    const double lh = lineHeightOf(font);
    const std::string& remainder = entryOf(globals, 3);
    const double body = widthOf(entryOf(globals, 1) + entryOf(globals, 0), font);
    const double tail = remainder == "0" ? 0 : widthOf(" R " + remainder, font);
    double height = (2 * lh + 5) * (stages + 1);
    if (phase == "MULTIPLY") height += lh;
    if (phase == "SUBTRACT") height += 2 * lh + 5;
    return centred(body + tail + 2 * tableauGap(size), height);
}

}  // namespace items

using namespace items;

ItemBox UniversalEngineView::sizeOfLatticeMultiply(std::int64_t rows, std::int64_t columns, double size) {
    return latticeBox(latticeMetrics(size), rows, columns);
}

ItemBox UniversalEngineView::sizeOfGridMultiply(std::int64_t rows, std::int64_t columns, std::int64_t top,
                                                std::int64_t left, double size) {
    return gridBox(gridMetrics(top, left, size), rows, columns);
}

ItemBox UniversalEngineView::sizeOfTableauOp(Texts globals, Texts locals, double size) {
    const std::int64_t lines = countOf(entryOf(locals, 0));
    const std::int64_t columns = countOf(entryOf(globals, 1));
    const std::int64_t small = countOf(entryOf(globals, 2));
    const std::int64_t rows = checkedSub(lines, small) > 2 ? lines : checkedAdd(small, 3);
    const platform::UIFont full = tableauFont(size);
    const double r = static_cast<double>(rows), s = static_cast<double>(small);
    return centred(
        labelledWidth(text::kPlus, columns, full) + tableauGap(size) * static_cast<double>(columns),
        lineHeightOf(full) * (r - s) + lineHeightOf(tableauFont(size, 0.7)) * s +
            labelledWidth("", columns, tableauFont(size, 0.5)) + 5 * (r + 5));
}

ItemBox UniversalEngineView::sizeOfAddColumn(const std::string& sign, std::int64_t lines,
                                             std::int64_t columns, double size) {
    const double n = static_cast<double>(std::max<std::int64_t>(lines, 0));
    const platform::UIFont full = tableauFont(size);
    return centred(
        labelledWidth(sign, columns, full) +
            tableauGap(size) * static_cast<double>(std::max<std::int64_t>(columns, 0)),
        lineHeightOf(full) * n + 5 * (n + 1) + labelledWidth("", columns, tableauFont(size, 0.5)) + 5);
}

ItemBox UniversalEngineView::sizeOfDividePartialOp(Texts globals, Texts locals, double size) {
    return dividePartialBox(globals, entryOf(locals, 0), numberOf(entryOf(locals, 1)), size);
}

ItemBox UniversalEngineView::sizeOfDivideOp(Texts globals, Texts locals, double size) {
    return divideBox(globals, entryOf(locals, 0), numberOf(entryOf(locals, 1)), size);
}

ItemBox UniversalEngineView::sizeOfCountOp(Texts globals, Texts locals, double size) {
    const std::int64_t columns = countOf(entryOf(globals, 1));
    const std::int64_t upColumns = countOf(entryOf(globals, 2));
    const std::int64_t steps = countOf(entryOf(locals, 1));
    const std::string& phase = entryOf(locals, 0);
    const std::string sign = entryOf(globals, 0) == "COUNT DOWN" ? text::kMinusSign : text::kPlus;
    const platform::UIFont full = tableauFont(size);
    const double gap = tableauGap(size), lh = lineHeightOf(full);
    double width = labelledWidth(sign, columns, full) + gap;
    if (phase == "SUMMARY" || phase == "COUNT")
        width += 30 + labelledWidth(text::kPlus, upColumns, full) + gap;
    const double lines = static_cast<double>(checkedAdd(checkedMul(2, steps), 1));
    return centred(width, lh * lines + 5 * static_cast<double>(checkedMul(3, steps)) + 5 +
                              labelledWidth("", columns, tableauFont(size, 0.5)) + 5);
}

void UniversalEngineView::drawRotatedText(const std::string& text, const platform::TextAttributes& attributes,
                                          double x, double y, double angle) {
    platform::GraphicsContext* context = platform::currentContext();
    if (context == nullptr) return;
    drawTurnedText(*context, text, attributes, {x, y}, angle, textSize(text, attributes.font).height);
}

}  // namespace radixmender
