// Every screen rendered at phone and tablet size, for a person to look at
// (written to TEST_OUTPUT_DIR): the one test that writes pictures. Each must
// be written and not blank, and each screen fully laid out by the window's
// one pass.
#include <gtest/gtest.h>

#include <filesystem>

#include "records/literals.hpp"
#include "screens/universal_engine_vc.hpp"
#include "screens_test_support.hpp"

namespace radixmender {
namespace {

using testing::tapTitled;

TEST(Screenshots, EveryScreenAtPhoneAndTabletSize) {
    const std::string root = text::kRadical;
    for (const auto& [size, name] :
         {std::pair{platform::Size{390, 844}, "390x844"}, {platform::Size{1024, 1366}, "1024x1366"}}) {
        testing::ScriptedSource source;
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

}  // namespace
}  // namespace radixmender
