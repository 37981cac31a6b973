// End to end: the steps the models write, fitted and drawn into phone and
// tablet views, and a few saved as PNG to look at.
#include <gtest/gtest.h>

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

using testing::ScreenWidth;

// The widest problems three-digit entries allow: fitted on a phone, every
// line of every step is no wider than the view and no smaller than 12 points.
// (The fitting rules themselves are swept over synthetic steps in the view's tests.)
TEST(ModelSteps, WidestProblemsFitAPhone) {
    const ScreenWidth screen(390);
    const UniversalEngineView view({0, 0, 390, 844});
    std::vector<ModelOutput> outputs;
    for (const std::string order : {shapes::kOrderBefore, shapes::kOrderAfter}) {
        outputs.push_back(Radixmender_A_Model{999, -999, 998, order}.steps());
        for (const std::string tmpl : {kTemplateWholeFirst, kTemplateRadicalFirst})
            outputs.push_back(Radixmender_B_Model{997, 991, -983, 977, tmpl, order}.steps());
        outputs.push_back(Radixmender_C_Model{999, 997, 995, -993, 991, order}.steps());
    }
    for (const ModelOutput& output : outputs) {
        for (std::size_t i = 0; i < output.detailSteps.size(); ++i) {
            const Step& lines = output.detailSteps[i];
            const LineSizes sizes =
                view.fitLines(390, (844 - 10) * 0.85, basePointSize(), testing::kMedium, lines);
            for (std::size_t j = 0; j < lines.size(); ++j) {
                EXPECT_LE(testing::measure(lines[j], sizes[j][1]).width, 390);
                EXPECT_GE(sizes[j][1], 12.0) << "step " << i << " line " << j;
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
