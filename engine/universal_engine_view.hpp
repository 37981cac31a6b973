#pragma once
// The view that shows a worked solution one step at a time: the comments in
// a band at the top, the step's lines fitted into the middle band, and a
// navigator in the bottom band whose halves move to the prior or next step.
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "engine/items.hpp"
#include "platform/color.hpp"
#include "platform/font.hpp"
#include "platform/view.hpp"
#include "records/types.hpp"

namespace radixmender {

// The supplier of steps; the view asks it again on every draw.
class UniversalEngineViewDataSource {
public:
    virtual ~UniversalEngineViewDataSource() = default;
    virtual std::optional<std::int64_t> numberOfSteps() = 0;
    // The lines of step `index`, each one step record.
    virtual Step step(std::int64_t index) = 0;
    virtual Comment comments(std::int64_t index) = 0;
    virtual Parameters parameters() = 0;
};

// [base point size, fitted point size] for each line.
using LineSizes = std::vector<std::vector<double>>;

class UniversalEngineView : public platform::View {
public:
    explicit UniversalEngineView(platform::Rect frame = {});

    // The data source is not owned and must outlive its use by the view.
    [[nodiscard]] UniversalEngineViewDataSource* dataSource() const { return dataSource_; }
    void setDataSource(UniversalEngineViewDataSource* dataSource) { dataSource_ = dataSource; }
    [[nodiscard]] std::int64_t totalSteps() const { return totalSteps_; }
    void setTotalSteps(std::int64_t totalSteps) { totalSteps_ = totalSteps; }
    [[nodiscard]] std::int64_t step() const { return step_; }
    void setStep(std::int64_t step) { step_ = step; }

    static constexpr double tiktok_lead = 0;
    static constexpr double tiktok_trail = 0;
    static constexpr double tiktok_top = 0;
    static constexpr double tiktok_bottom = 0;
    [[nodiscard]] static platform::UIColor tiktok_navigator_color() { return platform::UIColor::black(); }

    // " 👈🏽  prior", 28 blanks, "next  👉🏽 ".
    [[nodiscard]] static std::string navigatorText();

    void draw(platform::Rect rect) override;
    void touchesBegan(const std::vector<platform::Touch>& touches) override;

    // Sizes at which every line fits `width` and the stack fits `height`.
    [[nodiscard]] LineSizes fitLines(double width, double height, double baseSize, double weight,
                                     const Step& lines) const;
    // Draws the lines left-aligned, one under the other, from (x, y) down.
    void renderLines(double x, double y, const Step& lines, const LineSizes& sizes) const;

    // The boxes of the operation tableaux at a point size; each is centred on
    // the line's baseline (its ascent is half its height). Counts are decimal
    // integers (anything else throws) and a negative count is read as 0, but
    // the division tableaux read their stage count as a number ("1.5" too);
    // `globals` and `locals` are the item's rows without their keywords.
    using Texts = std::span<const std::string>;
    // `top` and `left`: the character counts of the first column and row labels.
    static ItemBox sizeOfLatticeMultiply(std::int64_t rows, std::int64_t columns, double size);
    static ItemBox sizeOfGridMultiply(std::int64_t rows, std::int64_t columns, std::int64_t top,
                                      std::int64_t left, double size);
    static ItemBox sizeOfTableauOp(Texts globals, Texts locals, double size);
    static ItemBox sizeOfAddColumn(const std::string& sign, std::int64_t lines, std::int64_t columns,
                                   double size);
    static ItemBox sizeOfDividePartialOp(Texts globals, Texts locals, double size);
    static ItemBox sizeOfDivideOp(Texts globals, Texts locals, double size);
    static ItemBox sizeOfCountOp(Texts globals, Texts locals, double size);

    // The tableaux drawn with their left edge at x and their baseline at y,
    // at the point size, exactly as drawItems draws an item holding the same
    // values (the font name and weight of a line do not reach a tableau); an
    // item that could not be drawn throws, as drawItems does.
    // A multiplication tableau's entry: its text and the colour names of the
    // text and its background.
    struct Entry {
        std::string value, foreground, background;
    };
    using Entries = std::vector<Entry>;
    using Table = std::vector<std::vector<std::string>>;
    // The rows and columns are as many as the side and top entries.
    static void drawLatticeMultiply(const Entries& top, const Entries& side, const Entries& leftAnswers,
                                    const Entries& bottomAnswers, const std::vector<Entries>& upper,
                                    const std::vector<Entries>& lower, double x, double y, double size);
    static void drawGridMultiply(const Entries& top, const Entries& left, const std::vector<Entries>& cells,
                                 double x, double y, double size);
    static void drawAddColumn(const std::string& s, std::int64_t lines, std::int64_t rows,
                              std::int64_t columns, const Table& table, const Table& attributes, double x,
                              double y, double size);
    static void drawTableauOp(const std::string& sign, const Table& cells, const Table& attributes,
                              Texts globals, Texts locals, double x, double y, double size);
    static void drawDivideOp(const std::string& sign, Texts tableau, Texts backgrounds, Texts lines,
                             Texts globals, Texts locals, double x, double y, double size);
    static void drawDividePartialOp(const std::string& sign, Texts tableau, Texts partials, Texts globals,
                                    Texts locals, double x, double y, double size);
    static void drawCountOp(const std::string& mode, Texts tableau, Texts countUps, Texts globals,
                            Texts locals, double x, double y, double size);

    // Draws the text into the current context turned by `angle` about (x, y)
    // (radians; a negative angle turns counter-clockwise on screen): its line
    // box starts at the point, centred vertically on the turned line through
    // it. The transform comes back as it was; without a context nothing is drawn.
    static void drawRotatedText(const std::string& text, const platform::TextAttributes& attributes, double x,
                                double y, double angle);

private:
    UniversalEngineViewDataSource* dataSource_ = nullptr;
    std::int64_t totalSteps_ = 0;
    std::int64_t step_ = 0;
};

}  // namespace radixmender
