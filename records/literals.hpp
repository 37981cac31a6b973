#pragma once
// Every character of the system that has a lookalike is spelled here and only
// here, so that "−" (U+2212) and "-" (U+002D) can never be confused.
namespace radixmender::text {

inline constexpr const char kMinusSign[] = "\u2212";       // "−" join between terms
inline constexpr const char kHyphenMinus[] = "-";          // negation, negative integers
inline constexpr const char kPlus[] = "+";
inline constexpr const char kDot[] = "\u2219";             // "∙" multiplication dot
inline constexpr const char kPaperclip[] = "\U0001F587";   // "🖇" juxtaposition, no U+FE0F
inline constexpr const char kRadical[] = "\u221A";         // "√"
inline constexpr const char kPlusMinus[] = "\u00B1";       // "±" both roots at once
inline constexpr const char kSlash[] = "/";
inline constexpr const char kCaret[] = "^";
inline constexpr const char kEquals[] = "=";
inline constexpr const char kEqualsPrefix[] = "= ";
inline constexpr const char kParens[] = "()";
inline constexpr const char kEllipsis[] = "...";
inline constexpr const char kLessOrEqual[] = "\u2264";     // "≤"
inline constexpr const char kGreaterOrEqual[] = "\u2265";  // "≥"

// Comment faces.
inline constexpr const char kThinking[] = "\U0001F914";    // "🤔"
inline constexpr const char kCool[] = "\U0001F60E";        // "😎"
inline constexpr const char kAstonished[] = "\U0001F632";  // "😲"
inline constexpr const char kPointLeft[] = "\U0001F448\U0001F3FD";   // "👈🏽"
inline constexpr const char kPointRight[] = "\U0001F449\U0001F3FD";  // "👉🏽"
inline constexpr const char kGrinning[] = "\U0001F600";    // "😀"
inline constexpr const char kSmiling[] = "\U0001F642";     // "🙂"
inline constexpr const char kNeutral[] = "\U0001F610";     // "😐"

// Superscript digits "⁰" to "⁹".
inline constexpr const char* kSuperscripts[10] = {
    "\u2070", "\u00B9", "\u00B2", "\u00B3", "\u2074",
    "\u2075", "\u2076", "\u2077", "\u2078", "\u2079"};

// The raw texts of the solvers' `Style`: superscript one, modifier letter
// small x, division slash (not "/") and subscript three.
inline constexpr const char kStyleFraction[] = "show as \u00B9\u2215\u2083 x";        // "show as ¹∕₃ x"
inline constexpr const char kStyleRationalFraction[] = "show as \u02E3\u2215\u2083";  // "show as ˣ∕₃"

// The arrow that ends a polynomial row of a pad, and its toggled form.
inline constexpr const char kArrowDownRight[] = "\u2798";  // "➘"
inline constexpr const char kArrowUpRight[] = "\u279A";    // "➚"

}  // namespace radixmender::text
