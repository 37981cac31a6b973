#pragma once
// The small shared vocabularies: colour names, view-tag kinds, relations,
// font names, the font metric of one drawing size, display constants,
// superscript digits and the base point size of every view.
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

namespace radixmender {

enum class Color {
    invisible,
    white,
    clear,
    black,
    light_gray,
    gray,
    dark_gray,
    red,
    blue,
    green,
    cyan,
    brown,
    magenta,
};

inline constexpr int kColorCount = 13;

std::optional<Color> colorFromRawValue(std::string_view name);
std::string rawValue(Color color);

// A colour as red, green, blue and alpha in 0...1; the platform layer turns
// it into its own colour.
struct RGBA {
    double red = 0, green = 0, blue = 0, alpha = 0;
    bool operator==(const RGBA&) const = default;
};
RGBA uiColor(Color color);
RGBA cgColor(Color color);

enum class Tag : std::int64_t {
    input = 1,
    polynomial = 1025,
    fraction = 2049,
    multi_line = 3073,
    option = 4097,
    level = 5121,
    example = 6145,
};

std::optional<Tag> tagFromRawValue(std::int64_t value);
std::int64_t rawValue(Tag tag);

// A label's view tag packs its kind and its position (group i, row j, column k).
std::int64_t viewTag(std::int64_t i, std::int64_t j, std::int64_t k, Tag tag);

struct ViewTagIndices {
    std::int64_t i = 0, j = 0, k = 0;
    bool operator==(const ViewTagIndices&) const = default;
};
ViewTagIndices viewTagIndices(std::int64_t viewTagValue, Tag tag);

enum class Relation {
    equal_to,
    less_than,
    greater_than,
    less_than_or_equal_to,
    greater_than_or_equal_to,
};

std::optional<Relation> relationFromRawValue(std::string_view symbol);
std::string rawValue(Relation relation);
Relation reversed(Relation relation);
Relation negated(Relation relation);

enum class Font {
    system,
    monospaced_system,
    monospaced_digit_system,
};

std::optional<Font> fontFromRawValue(std::string_view name);
std::string rawValue(Font font);

// The two fonts of one drawing size, as the drawing engine measures them.
struct Metric {
    double size;
    double wholeCapHeight;
    double wholeHalfCapHeight;
    double wholeAscender;
    double wholeLineHeight;
    double wholeXHeight;
    double wholeHalfXHeight;
    double fracCapHeight;
    double fracAscender;
    double fracHeight;
    double fracPointSize;
    double barSpace;
    double halfBarSpace;
};

// Display constants, in their order of declaration.
struct kLayOut {
    static constexpr double stepLinesShare = 0.85;     // lines band of the step view
    static constexpr double commentShare = 0.05;       // comment band of the step view
    static constexpr double navigatorShare = 0.1;      // navigator band of the step view
    static constexpr double bandGap = 5.0;             // gap between the bands
    static constexpr double shrinkFactor = 0.98;       // per-try shrink of a line that does not fit
    static constexpr double narrowPointSize = 30.0;
    static constexpr double widePointSize = 32.0;
    static constexpr double narrowScreenWidth = 428.0;
    static constexpr double wideScreenWidth = 926.0;
    static constexpr double padFactor = 1.5;
};

struct kMetric {
    static constexpr double fractionScale = 0.75;
    static constexpr double smallScale = 0.4666666666666667;  // 7/15
    static constexpr double barSpaceScale = 0.125;
    static constexpr double unit = 1.0;
};

// "0"..."9" become "⁰"..."⁹"; any other text gives "...".
std::string superscriptDigit(std::string_view digit);

// 30 points on a main screen at most 428 points wide, otherwise 32.
double basePointSize();

// The platform layer installs the main screen's width at start-up; tests may
// install their own. Without a provider the screen is a 390-point phone.
using ScreenWidthProvider = std::function<double()>;
void setMainScreenWidthProvider(ScreenWidthProvider provider);
double mainScreenWidth();

}  // namespace radixmender
