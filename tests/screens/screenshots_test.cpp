// Every screen, and every drawing no screen shows yet, rendered at phone and
// tablet size for a person to look at (written to TEST_OUTPUT_DIR): the one
// test that writes pictures. Each must be written and not blank, and each
// screen fully laid out by the window's one pass.
#include <gtest/gtest.h>

#include <filesystem>

#include "engine/universal_engine_view.hpp"
#include "input/universal_real_pad_view.hpp"
#include "pictures/doubles.hpp"
#include "pictures/ten_frames.hpp"
#include "platform/image_renderer.hpp"
#include "platform/layout.hpp"
#include "records/literals.hpp"
#include "screens/universal_engine_vc.hpp"
#include "screens_test_support.hpp"
#include "tests/engine/tableau_samples.hpp"
#include "tests/support/screen_width.hpp"

namespace radixmender {
namespace {

using testing::tapTitled;

TEST(Screenshots, EveryScreenAtPhoneAndTabletSize) {
    const std::string root = text::kRadical;
    for (const auto& [size, name] :
         {std::pair{platform::Size{390, 844}, "390x844"}, {platform::Size{1024, 1366}, "1024x1366"}}) {
        testing::ScriptedSource source("", 2026);
        const testing::InstalledSource installed(source);
        auto app = testing::launchApp(size);
        auto& window = app->window();
        const auto shoot = [&](const std::string& screen) {
            const auto path = testing::testOutputPath(screen + "_" + name + ".png");
            ASSERT_TRUE(window.renderToPNG(path));
            EXPECT_GT(std::filesystem::file_size(path), 2000u) << path;
            EXPECT_TRUE(testing::settled(window)) << screen;
        };
        shoot("menu");
        const auto back = [&] {
            window.tap(platform::UIWindow::centre(testing::navigation(*app).backButton()));
        };

        ASSERT_TRUE(tapTitled(*app, "a/(b" + root + "c)"));
        for (const char* key : {"6", "I2", "2", "I3", "3", "O4098"}) ASSERT_TRUE(tapTitled(*app, key));
        shoot("form_a");
        ASSERT_TRUE(tapTitled(*app, text::kThinking));
        shoot("steps_a_first");
        const auto navigator = [&](double across) {
            const auto& engine = testing::top<UniversalEngineVC>(*app)->universalEngineView();
            const platform::Point o = engine.convertToWindow({0, 0});
            window.tap({o.x + engine.frame().width() * across, o.y + engine.frame().height() * 0.97});
        };
        navigator(0.75);
        navigator(0.75);
        shoot("steps_a_third");
        back();
        back();

        ASSERT_TRUE(tapTitled(*app, "a/(b + c" + root + "d) or a/(b" + root + "c + d)"));
        shoot("form_b");
        back();
        ASSERT_TRUE(tapTitled(*app, "a/(b" + root + "c + d" + root + "e)"));
        for (const char* key : {"1", "0", "I2", "1", "I3", "3", "I4", "1", "I5", "2"})
            ASSERT_TRUE(tapTitled(*app, key));
        shoot("form_c");
        ASSERT_TRUE(tapTitled(*app, text::kThinking));
        shoot("steps_c_first");  // the view learns its step count when it draws
        navigator(0.25);
        shoot("steps_c_last");
        back();
        back();

        ASSERT_TRUE(tapTitled(*app, "practice"));
        ASSERT_TRUE(tapTitled(*app, "L5123"));
        ASSERT_TRUE(tapTitled(*app, "O4098"));
        shoot("practice");
        ASSERT_TRUE(tapTitled(*app, text::kThinking));
        shoot("practice_steps");
        back();
        back();

        ASSERT_TRUE(tapTitled(*app, "guide"));
        shoot("guide");
        auto buttons = testing::navigation(*app).rightBarButtonViews();
        ASSERT_EQ(buttons.size(), 3u);
        window.tap(platform::UIWindow::centre(buttons[0]));  // the rightmost: examples
        shoot("guide_examples");
    }
}

void save(const platform::RasterImage& image, const std::string& name) {
    const auto path = testing::testOutputPath(name + ".png");
    ASSERT_TRUE(image.savePNG(path));
    EXPECT_GT(std::filesystem::file_size(path), 1000u) << path;
}

// Every box and tableau fitted to the width, the decimal pad, and each
// counting picture apart (left) and joined (right).
TEST(Screenshots, DrawingsAtPhoneAndTabletSize) {
    using Draw = std::function<void(platform::GraphicsContext&, bool, double, double)>;
    const auto doubles = [](auto draw, std::int64_t n) -> Draw {
        return [=](platform::GraphicsContext& c, bool apart, double w, double h) { draw(c, n, apart, w, h); };
    };
    const auto frames = [](const char* strategy, std::int64_t a, std::int64_t b) -> Draw {
        return [=](platform::GraphicsContext& c, bool apart, double w, double h) {
            drawCountOnMakeTenStrategy(c, a, b, apart, strategy, w, h);
        };
    };
    const std::pair<const char*, Draw> pictures[] = {
        {"double", doubles(drawDoubleStrategy, 7)},
        {"double_plus_1", doubles(drawDoublePlusOneStrategy, 7)},
        {"double_minus_1", doubles(drawDoubleMinusOneStrategy, 7)},
        {"make_a_double", doubles(drawMakeADoubleStrategy, 8)},
        {"count_on", frames("count on", 8, 5)},
        {"combine_to_ten", frames("combine to ten", 6, 4)},
        {"make_a_ten", frames("make a ten", 7, 5)}};
    std::vector<testing::Sample> samples = testing::fractionAndBoxSamples(), more = testing::tableauSamples();
    samples.insert(samples.end(), more.begin(), more.end());
    const UniversalEngineView view;
    for (const auto& [w, h] : {std::pair{390.0, 844.0}, {1024.0, 1366.0}}) {
        const std::string size = std::to_string(int(w)) + "x" + std::to_string(int(h));
        const testing::ScreenWidth screen(w);
        for (const testing::Sample& s : samples) {
            const Step lines{s.record};
            const LineSizes sizes = view.fitLines(w - 20, h - 20, 30, platform::FontWeight::medium, lines);
            const ItemBox box = measureItems(s.record, s.record[0][1], defaultFontName(), sizes[0][1],
                                             platform::FontWeight::medium);
            const double cut = std::min(h, box.height + 20);  // the line's height keeps the files small
            save(platform::ImageRenderer({w, cut}, 2).image([&](platform::GraphicsContext& c) {
                c.setFillColor(platform::UIColor::white());
                c.fillRect({0, 0, w, cut});
                view.renderLines(10, 10, lines, sizes);
            }),
                 "tableaux/" + s.name + "_" + size);
        }
        for (const auto& [name, draw] : pictures)
            save(platform::ImageRenderer({2 * w, h}).image([&](platform::GraphicsContext& c) {
                c.setFillColor(platform::UIColor::white());
                c.fillRect({0, 0, 2 * w, h});
                draw(c, true, w, h);
                c.translateBy(w, 0);
                draw(c, false, w, h);
            }),
                 "pictures/" + std::string(name) + "_" + size);
        platform::View window({0, 0, w, h});
        window.setBackgroundColor(platform::UIColor::white());
        window.setSafeAreaInsets({47, 0, 34, 0});
        auto* pad = window.addSubview(std::make_unique<UniversalRealPadView>(
            std::vector<std::string>{" enter a to c ", "\U0001F914 for steps"}, TextGroups{{{"0", "0", "0"}}},
            TextGroups{}, TextGroups{}, TextGroups{{{" before ", " after "}}},
            std::vector<std::vector<std::int64_t>>{}, TextGroups{}, platform::Rect{}));
        struct Limits : RealDataSource {
            std::int64_t maximumDigits() override { return 3; }
            bool allowsNegative() override { return true; }
        } limits;
        pad->dataSource = &limits;
        platform::pinInsideSafeArea(*pad, window, 5);
        window.layoutIfNeeded();
        for (const char* key : {"5", ".", "0", "7", "I2", "+/-", "O4098"})
            platform::tap(*testing::buttonTitled(pad, key));
        save(platform::renderView(window, 1), "real_pad_" + size);
    }
}

}  // namespace
}  // namespace radixmender
