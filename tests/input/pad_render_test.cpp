// Renders the form pad on a phone and a tablet into PNG files for a person to
// look at, and checks in the pixels that the keys and labels came out.
#include <gtest/gtest.h>

#include "pad_fixtures.hpp"
#include "platform/image_renderer.hpp"
#include "tests/support/test_output.hpp"

namespace radixmender::testing {
namespace {

bool isDark(platform::Pixel p) { return p.a > 200 && p.r < 90 && p.g < 90 && p.b < 90; }

TEST(PadRender, FormPadOnPhoneAndTablet) {
    struct Device {
        const char* name;
        double w, h;
        platform::EdgeInsets insets;
    };
    for (const Device& d : {Device{"integer_pad_390x844.png", 390, 844, {47, 0, 34, 0}},
                            Device{"integer_pad_1024x1366.png", 1024, 1366, {24, 0, 20, 0}}}) {
        ScreenWidth screen(d.w);
        Screen<UniversalIntegerPadView> screenView(d.w, d.h, d.insets, makeFormAPad());
        screenView.window->setBackgroundColor(platform::UIColor::white());
        UniversalIntegerPadView* pad = screenView.pad;
        SpyDataSource source;
        pad->dataSource = &source;
        for (const char* key : {"5", "0", "7", "I2", "+/-", "4", "O4098"}) press(pad, key);

        const platform::RasterImage image = platform::renderView(*screenView.window, 1);
        EXPECT_TRUE(image.savePNG(testOutputPath(d.name)));

        // Each key's title leaves dark pixels inside its key, away from its edges.
        for (const char* title : {"7", "0", "DEL", "+/-"}) {
            platform::UIButton* key = findButton(pad, title);
            const platform::Point o = key->convertToWindow({0, 0});
            const platform::Size s = key->frame().size;
            int dark = 0;
            for (int y = static_cast<int>(o.y + 2); y < static_cast<int>(o.y + s.height - 2); ++y)
                for (int x = static_cast<int>(o.x + 2); x < static_cast<int>(o.x + s.width - 2); ++x)
                    dark += isDark(image.pixel(x, y));
            EXPECT_GT(dark, 20) << title;
        }
        // The chosen entry is green behind its text.
        const platform::Point entry = labelAt(pad, 2)->convertToWindow({3, 3});
        const platform::Pixel green = image.pixel(static_cast<int>(entry.x), static_cast<int>(entry.y));
        EXPECT_EQ(green.g, 255);
        EXPECT_EQ(green.r, 0);
    }
}

}  // namespace
}  // namespace radixmender::testing
