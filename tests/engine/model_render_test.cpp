// End to end: the steps the models write, fitted and drawn into phone and
// tablet views, and a few saved as PNG to look at.
#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <string>
#include <vector>

#include "engine/universal_engine_view.hpp"
#include "models/radixmender_a_model.hpp"
#include "models/radixmender_b_model.hpp"
#include "models/radixmender_c_model.hpp"
#include "platform/image_renderer.hpp"
#include "tests/engine/engine_test_helpers.hpp"
#include "tests/support/screen_width.hpp"
#include "tests/support/test_output.hpp"

namespace radixmender {
namespace {

class OutputSource : public UniversalEngineViewDataSource {
public:
    explicit OutputSource(ModelOutput o) : output(std::move(o)) {}
    ModelOutput output;
    std::optional<std::int64_t> numberOfSteps() override {
        return static_cast<std::int64_t>(output.detailSteps.size());
    }
    Step step(std::int64_t i) override { return output.detailSteps.at(static_cast<std::size_t>(i)); }
    Comment comments(std::int64_t i) override {
        return output.detailComments.at(static_cast<std::size_t>(i));
    }
    Parameters parameters() override { return output.detailParameters; }
};

struct Solution {
    std::string name;
    ModelOutput output;
};

std::vector<Solution> solutions() {
    std::vector<Solution> all;
    for (const std::string order : {shapes::kOrderBefore, shapes::kOrderAfter}) {
        const std::string o = order == shapes::kOrderBefore ? "before" : "after";
        for (const auto& [a, b, c] : std::vector<std::array<std::int64_t, 3>>{
                 {3, 2, 5}, {6, 1, 8}, {-10, 4, 12}, {1, 0, 2}, {5, 3, -7}, {999, -999, 998}}) {
            all.push_back(
                {"A_" + std::to_string(a) + "_" + std::to_string(b) + "_" + std::to_string(c) + "_" + o,
                 Radixmender_A_Model{a, b, c, order}.steps()});
        }
        for (const std::string tmpl : {kTemplateWholeFirst, kTemplateRadicalFirst}) {
            const std::string t = tmpl == kTemplateWholeFirst ? "W" : "R";
            for (const auto& [a, b, c, d] : std::vector<std::array<std::int64_t, 4>>{{3, 2, 1, 5},
                                                                                     {6, 4, 2, 8},
                                                                                     {-7, 3, -2, 12},
                                                                                     {1, 2, 0, 3},
                                                                                     {10, 5, 5, 25},
                                                                                     {997, 991, -983, 977}}) {
                all.push_back({"B" + t + "_" + std::to_string(a) + "_" + std::to_string(b) + "_" +
                                   std::to_string(c) + "_" + std::to_string(d) + "_" + o,
                               Radixmender_B_Model{a, b, c, d, tmpl, order}.steps()});
            }
        }
        for (const auto& [a, b, c, d, e] :
             std::vector<std::array<std::int64_t, 5>>{{1, 1, 2, 1, 3},
                                                      {6, 2, 8, 3, 12},
                                                      {-4, 3, 5, -2, 7},
                                                      {5, 1, 4, 1, 9},
                                                      {2, 3, 2, 3, 2},
                                                      {999, 997, 995, -993, 991}}) {
            all.push_back({"C_" + std::to_string(a) + "_" + std::to_string(b) + "_" + std::to_string(c) +
                               "_" + std::to_string(d) + "_" + std::to_string(e) + "_" + o,
                           Radixmender_C_Model{a, b, c, d, e, order}.steps()});
        }
    }
    return all;
}

using testing::ScreenWidth;

TEST(ModelSteps, EveryStepFitsPhoneAndTabletViews) {
    const auto all = solutions();
    for (const auto& [w, h] : std::vector<std::pair<double, double>>{{390, 844}, {1024, 1366}}) {
        const ScreenWidth screen(w);
        for (const Solution& s : all) {
            SCOPED_TRACE(s.name);
            ASSERT_FALSE(s.output.detailSteps.empty());
            ASSERT_EQ(s.output.detailSteps.size(), s.output.detailComments.size());
            OutputSource source(s.output);
            UniversalEngineView view({0, 0, w, h});
            view.setDataSource(&source);
            const double width = w, height = (h - 10) * 0.85;
            for (std::size_t i = 0; i < s.output.detailSteps.size(); ++i) {
                const Step& lines = s.output.detailSteps[i];
                // Every line of the models reads without error at the base size.
                for (const Record& line : lines) {
                    EXPECT_NO_THROW(testing::measure(line, basePointSize()));
                    EXPECT_NO_THROW(testing::record(line, 0, 100, basePointSize()));
                }
                // Fitted, every line is no wider than the view and no smaller than 12 points.
                const LineSizes sizes =
                    view.fitLines(width, height, basePointSize(), testing::kMedium, lines);
                for (std::size_t j = 0; j < lines.size(); ++j) {
                    EXPECT_LE(testing::measure(lines[j], sizes[j][1]).width, width);
                    EXPECT_GE(sizes[j][1], 12.0) << "step " << i << " line " << j;
                }
                view.setStep(static_cast<std::int64_t>(i));
                platform::RecordingContext context;
                view.render(context);
                for (const auto& op : context.operations()) {
                    if (!op.isText()) continue;
                    EXPECT_LE(op.topLeft.x + textSize(op.text, op.attributes.font).width, w + 1) << op.text;
                    EXPECT_GE(op.topLeft.x, -1) << op.text;
                }
            }
        }
    }
}

bool hasInk(const platform::RasterImage& image, int y0, int y1, bool redOnly) {
    for (int y = y0; y < y1; ++y)
        for (int x = 0; x < image.pixelWidth(); ++x) {
            const platform::Pixel p = image.pixel(x, y);
            if (p.a < 128) continue;
            if (!redOnly || (p.r > 200 && p.g < 80 && p.b < 80)) return true;
        }
    return false;
}

bool hasRed(const Step& lines) {
    for (const Record& r : lines)
        for (const Row& row : r)
            if (row.size() > 1 && row[0].ends_with("_color"))
                for (std::size_t k = 1; k < row.size(); ++k)
                    if (row[k] == "red") return true;
    return false;
}

TEST(ModelSteps, RasterImagesShowRedNotesAndTheNavigator) {
    struct Shot {
        std::string name;
        ModelOutput output;
        double w, h, scale;
    };
    const std::vector<Shot> shots = {
        {"A_3_2_5", Radixmender_A_Model{3, 2, 5, shapes::kOrderBefore}.steps(), 390, 844, 2},
        {"BR_6_4_2_8", Radixmender_B_Model{6, 4, 2, 8, kTemplateRadicalFirst, shapes::kOrderAfter}.steps(),
         390, 844, 2},
        {"C_6_2_8_3_12", Radixmender_C_Model{6, 2, 8, 3, 12, shapes::kOrderBefore}.steps(), 1024, 1366, 1},
    };
    for (const Shot& shot : shots) {
        const ScreenWidth screen(shot.w);
        OutputSource source(shot.output);
        UniversalEngineView view({0, 0, shot.w, shot.h});
        view.setBackgroundColor(platform::UIColor::white());
        view.setDataSource(&source);
        const int count = static_cast<int>(shot.output.detailSteps.size());
        for (int i = 0; i < count; ++i) {
            view.setStep(i);
            const platform::RasterImage image = platform::renderView(view, shot.scale);
            ASSERT_EQ(image.pixelWidth(), static_cast<int>(shot.w * shot.scale));
            const std::string file =
                testing::testOutputPath("engine/" + shot.name + "_step" + std::to_string(i) + ".png");
            EXPECT_TRUE(image.savePNG(file));
            const double h = (shot.h - 10) * shot.scale;
            const int bandTop = static_cast<int>((0.05 * h + 5 * shot.scale));
            const int navTop = static_cast<int>(0.9 * h + 10 * shot.scale);
            EXPECT_EQ(hasInk(image, bandTop, navTop, true),
                      hasRed(shot.output.detailSteps[static_cast<std::size_t>(i)]))
                << file;
            EXPECT_EQ(hasInk(image, navTop, image.pixelHeight(), false), count > 1) << file;
        }
    }
}

}  // namespace
}  // namespace radixmender
