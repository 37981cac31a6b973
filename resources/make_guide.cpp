// Writes the guide PDF: what the app does and how to use it (pages 0-2), the
// mathematics behind it (pages 3-8) and worked examples (pages 9-11), whose
// steps are drawn by the app's own models and drawing engine.
//
// Usage: rm_make_guide OUTPUT.pdf
#include <cstdio>
#include <string>
#include <vector>

#include "engine/universal_engine_view.hpp"
#include "models/radixmender_a_model.hpp"
#include "models/radixmender_b_model.hpp"
#include "models/radixmender_c_model.hpp"
#include "platform/font.hpp"
#include "platform/graphics_context.hpp"
#include "platform/pdf_renderer.hpp"
#include "records/literals.hpp"

namespace {

using radixmender::ModelOutput;
using radixmender::shapes::kApplication;

constexpr double kPageWidth = 420;  // points, a tall phone-like page
constexpr double kPageHeight = 720;
constexpr double kMargin = 28;

struct Page {
    std::string chapter;
    std::string heading;
    std::vector<std::string> paragraphs;
    // Worked examples: a caption and the model's output, drawn step by step.
    std::string caption;
    ModelOutput output;
};

// The guide's texts name their special characters by placeholders, so that
// each is spelled once, by the system's literals.
std::string expand(std::string text) {
    const std::pair<const char*, const char*> names[] = {
        {"{sqrt}", radixmender::text::kRadical},      {"{minus}", radixmender::text::kMinusSign},
        {"{dot}", radixmender::text::kDot},           {"{sq}", radixmender::text::kSuperscripts[2]},
        {"{ge}", radixmender::text::kGreaterOrEqual},
    };
    for (const auto& [name, character] : names) {
        for (auto at = text.find(name); at != std::string::npos; at = text.find(name, at)) {
            text.replace(at, std::string(name).size(), character);
        }
    }
    return text;
}

platform::UIFont font(double size, bool bold = false) {
    return platform::UIFont::systemFont(size,
                                        bold ? platform::FontWeight::bold : platform::FontWeight::regular);
}

// The text's lines within `width`: its own line breaks kept, and words
// moved to the next line where a line would grow too wide (a word wider
// than the width stands alone). Leading blanks are kept as indentation.
std::vector<std::string> wrapped(const std::string& text, const platform::UIFont& f, double width) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    while (start <= text.size()) {
        const std::size_t end = std::min(text.find('\n', start), text.size());
        const std::string paragraph = text.substr(start, end - start);
        std::string line;
        std::size_t at = 0;
        while (at <= paragraph.size()) {
            const std::size_t blank = std::min(paragraph.find(' ', at), paragraph.size());
            const std::string word = paragraph.substr(at, blank - at);
            const std::string longer = at == 0 ? word : line + " " + word;
            const bool indent = line.find_first_not_of(' ') == std::string::npos;
            if (at == 0 || indent || platform::sizeWithAttributes(longer, {f}).width <= width) {
                line = longer;
            } else {
                lines.push_back(line);
                line = word;
            }
            at = blank + 1;
        }
        lines.push_back(line);
        start = end + 1;
    }
    return lines;
}

// Draws wrapped text from (x, y) within `width`; answers the height used.
double paragraph(platform::GraphicsContext& context, const std::string& text, double x, double y,
                 double width, const platform::UIFont& f,
                 platform::UIColor colour = platform::UIColor::black()) {
    const double lineHeight = f.lineHeight();
    double top = y;
    for (const std::string& line : wrapped(text, f, width)) {
        context.drawText(line, {x, top}, {f, colour, platform::UIColor::clear()});
        top += lineHeight;
    }
    return top - y;
}

void rule(platform::GraphicsContext& context, double x1, double x2, double y) {
    const double grey = 200.0 / 255;
    context.moveTo({x1, y});
    context.addLineTo({x2, y});
    context.setStrokeColor({grey, grey, grey, 1});
    context.setLineWidth(0.5);
    context.strokePath();
}

void drawSteps(platform::GraphicsContext& context, const ModelOutput& output, double top) {
    radixmender::UniversalEngineView engine;
    const double width = kPageWidth - 2 * kMargin;
    const platform::TextAttributes commentAttributes{
        platform::UIFont::systemFont(11), platform::UIColor::darkGray(), platform::UIColor::clear()};
    // Each step gets room in proportion to its lines, plus its comment line.
    double weights = 0;
    for (const auto& step : output.detailSteps) weights += static_cast<double>(step.size()) + 1;
    const double unit = (kPageHeight - kMargin - top) / (weights > 0 ? weights : 1);
    double y = top;
    for (std::size_t i = 0; i < output.detailSteps.size(); ++i) {
        const double boxHeight = unit * (static_cast<double>(output.detailSteps[i].size()) + 1);
        std::string comment;
        if (i < output.detailComments.size()) {
            for (const auto& line : output.detailComments[i]) comment += (comment.empty() ? "" : "  ") + line;
        }
        context.drawText(std::to_string(i + 1) + ".  " + comment, {kMargin, y}, commentAttributes);
        const auto& lines = output.detailSteps[i];
        const double linesTop = y + 16;
        const auto sizes = engine.fitLines(width, boxHeight - 22, 20, platform::FontWeight::medium, lines);
        engine.renderLines(kMargin, linesTop, lines, sizes);
        rule(context, kMargin, kPageWidth - kMargin, y + boxHeight - 3);
        y += boxHeight;
    }
}

// A worked example: the model's steps under a heading and a caption.
Page example(std::string heading, std::string caption, ModelOutput output) {
    return {"examples", std::move(heading), {}, std::move(caption), std::move(output)};
}

std::vector<Page> pages() {
    std::vector<Page> p;
    // Chapter "intro ", pages 0-2.
    p.push_back(
        {"intro",
         "What Radixmender does",
         {"Radixmender shows, one step at a time, how to clear the square roots out of the "
          "denominator of a fraction. It knows three forms:",
          "    a/(b{sqrt}c)\n    a/(b + c{sqrt}d)  and  a/(b{sqrt}c + d)\n    a/(b{sqrt}c + d{sqrt}e)",
          "Pick a form on the first screen, type the whole numbers a, b, c, ... on the number pad, "
          "choose the options, and press the key with the thinking face. The app checks the numbers, "
          "works the problem and shows the solution as a sequence of steps.",
          "Every problem starts from zeros when a form screen opens; nothing is stored between runs."},
         {},
         {}});
    p.push_back({"intro",
                 "The number pad",
                 {"The top strip tells which letters to enter. Below it come the options, then the "
                  "entries, one box per letter. The green entry is the one the keys change: tap another "
                  "entry to select it.",
                  "Keys 0 to 9 append a digit (at most three digits per entry). +/- changes the sign, DEL "
                  "removes the last digit, C sets the entry back to 0. The key . does nothing here: the "
                  "entries are whole numbers.",
                  "Options: tap \"simplify {sqrt} before\" or \"simplify {sqrt} after\" to choose "
                  "when square roots are simplified. On the second form also choose the shape, "
                  "a/(b + c{sqrt}d) or a/(b{sqrt}c + d). The chosen option is green.",
                  "The key with the thinking face (bottom right) solves the problem."},
                 {},
                 {}});
    p.push_back({"intro",
                 "Reading the steps",
                 {"The step screen shows one step: its comment at the top, the mathematics in the middle. "
                  "Tap the right half of the bottom band for the next step and the left half for the one "
                  "before; from the last step, next goes back to the first.",
                  "The first step repeats the problem; the last one sums up the answer. Red notes inside "
                  "a step name the rule being used, such as the difference of squares.",
                  "When the numbers make no sense, for example a zero denominator or the square root of a "
                  "negative number, the steps say so instead of solving.",
                  "The back button at the top left returns to the pad, which keeps what you typed."},
                 {},
                 {}});
    // Chapter "notes ", pages 3-8.
    p.push_back({"notes",
                 "Why clear the denominator?",
                 {"A fraction such as 1/{sqrt}2 is correct, but hard to compare or to add to other "
                  "fractions. Multiplying the top and the bottom by the same number leaves its value "
                  "unchanged, and a well chosen number turns the bottom into a whole number:",
                  "    1/{sqrt}2 = (1{dot}{sqrt}2)/({sqrt}2{dot}{sqrt}2) = {sqrt}2/2.",
                  "This is called rationalising the denominator. The rest of these notes explain which "
                  "number to multiply by for each form."},
                 {},
                 {}});
    p.push_back({"notes",
                 "One radical: a/(b{sqrt}c)",
                 {"Since {sqrt}c{dot}{sqrt}c = c for c {ge} 0, multiply top and bottom by {sqrt}c:",
                  "    a/(b{sqrt}c) = a{sqrt}c/(b{dot}c).",
                  "Then reduce the fraction a/(b{dot}c) by the greatest common divisor of its two "
                  "numbers. If b = 0 or c = 0 the denominator is zero and there is no answer; if c < 0 "
                  "the square root is not a real number."},
                 {},
                 {}});
    p.push_back({"notes",
                 "Conjugates and the difference of squares",
                 {"For a sum with a radical, such as b + c{sqrt}d, the conjugate is the same two terms "
                  "with the sign between them changed: b {minus} c{sqrt}d.",
                  "Their product is a difference of squares: (x + y)(x {minus} y) = x{sq} {minus} y{sq}. "
                  "With x = b and y = c{sqrt}d this gives b{sq} {minus} c{sq}d, a whole number: the "
                  "radical is gone.",
                  "So a/(b + c{sqrt}d) is multiplied above and below by b {minus} c{sqrt}d, and "
                  "a/(b{sqrt}c + d{sqrt}e) by b{sqrt}c {minus} d{sqrt}e, whose product with the "
                  "denominator is b{sq}c {minus} d{sq}e.",
                  "If that whole number is 0, the denominator was 0 to begin with and there is no answer."},
                 {},
                 {}});
    p.push_back({"notes",
                 "Simplifying {sqrt}n to k{sqrt}m",
                 {"Write n as k{sq}{dot}m with the largest square k{sq} that divides n. Then "
                  "{sqrt}n = k{sqrt}m, and m has no square factor left.",
                  "    {sqrt}12 = {sqrt}(4{dot}3) = 2{sqrt}3\n    {sqrt}72 = {sqrt}(36{dot}2) = 6{sqrt}2\n"
                  "    {sqrt}49 = 7",
                  "To find k, try the squares 4, 9, 16, 25, ... that divide n and keep the largest. When n "
                  "is itself a square, the radical disappears."},
                 {},
                 {}});
    p.push_back({"notes",
                 "The two orders",
                 {"\"simplify {sqrt} before\" first writes every radical as k{sqrt}m, then clears "
                  "the denominator. The numbers stay small.",
                  "\"simplify {sqrt} after\" clears the denominator first, with the radicals as "
                  "entered, and simplifies the radicals of the result at the end.",
                  "Both roads give the same final answer; comparing them shows why simplifying early often "
                  "saves work."},
                 {},
                 {}});
    p.push_back({"notes",
                 "Special cases",
                 {"When a term vanishes, the problem becomes a simpler form: a/(b + 0{sqrt}d) is just a/b, "
                  "and a/(0{sqrt}c + d{sqrt}e) has a single radical. When a radicand is a perfect square, "
                  "or when two radicands are equal, the radicals can be combined before anything else.",
                  "The steps say which case applies, then continue with the simpler form.",
                  "A negative number under a square root and a zero denominator stop the solution with a "
                  "note."},
                 {},
                 {}});
    // Chapter "examples", pages 9-11, drawn by the models and the engine.
    p.push_back(example(
        "Example: 6/(2{sqrt}3), simplify {sqrt} after", "the steps of form a/(b{sqrt}c)",
        radixmender::Radixmender_A_Model{.a = 6, .b = 2, .c = 3, .order = radixmender::shapes::kOrderAfter}
            .steps(kApplication)));
    p.push_back(
        example("Example: 4/(3 + {sqrt}5), simplify {sqrt} before", "the steps of form a/(b + c{sqrt}d)",
                radixmender::Radixmender_B_Model{.a = 4, .b = 3, .c = 1, .d = 5}.steps(kApplication)));
    p.push_back(example(
        "Example: 2/({sqrt}3 + {sqrt}2), simplify {sqrt} before", "the steps of form a/(b{sqrt}c + d{sqrt}e)",
        radixmender::Radixmender_C_Model{.a = 2, .b = 1, .c = 3, .d = 1, .e = 2}.steps(kApplication)));
    return p;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s OUTPUT.pdf\n", argv[0]);
        return 2;
    }
    auto all = pages();
    for (auto& page : all) {
        page.heading = expand(page.heading);
        page.caption = expand(page.caption);
        for (auto& text : page.paragraphs) text = expand(text);
    }
    const platform::PDFRenderer renderer({kPageWidth, kPageHeight}, {"Radixmender guide", "Radixmender"});
    const double width = kPageWidth - 2 * kMargin;
    const bool written = renderer.writePDF(argv[1], [&](platform::PDFRendererContext& pdf) {
        platform::GraphicsContext& context = pdf.graphicsContext();
        for (std::size_t i = 0; i < all.size(); ++i) {
            const Page& page = all[i];
            pdf.beginPage();
            // The chapter's name stands on the top margin; the page number under the bottom one.
            const platform::UIFont label = font(10, true), number = font(10);
            context.drawText(page.chapter, {kMargin, kMargin - label.ascender()},
                             {label, {0, 122.0 / 255, 1, 1}, platform::UIColor::clear()});
            const std::string n = std::to_string(i + 1);
            context.drawText(
                n,
                {kPageWidth - kMargin - platform::sizeWithAttributes(n, {number}).width,
                 kPageHeight - kMargin},
                {number, {160.0 / 255, 160.0 / 255, 164.0 / 255, 1}, platform::UIColor::clear()});
            double y = kMargin + 14;
            y += paragraph(context, page.heading, kMargin, y, width, font(18, true)) + 12;
            for (const auto& text : page.paragraphs)
                y += paragraph(context, text, kMargin, y, width, font(12)) + 10;
            if (!page.output.detailSteps.empty()) {
                y +=
                    paragraph(context, page.caption, kMargin, y, width, font(11), platform::UIColor::gray()) +
                    8;
                drawSteps(context, page.output, y);
            }
        }
    });
    return written ? 0 : 1;
}
