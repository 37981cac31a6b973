// Renders the form pad on a phone and a tablet, and the decimal pad on a
// phone, into PNG files for a person to look at, and checks in the pixels
// that the keys and labels came out.
#include <gtest/gtest.h>

#include "pad_fixtures.hpp"
#include "platform/image_renderer.hpp"
#include "tests/support/test_output.hpp"

namespace radixmender::testing {
namespace {

bool isDark(platform::Pixel p) { return p.a > 200 && p.r < 90 && p.g < 90 && p.b < 90; }

struct Device {
    const char* name;
    double w, h;
    platform::EdgeInsets insets;
};

template <typename Pad>
void renderFormPad(const std::vector<Device>& devices, const std::vector<std::string>& keys) {
    for (const Device& d : devices) {
        ScreenWidth screen(d.w);
        Screen<Pad> screenView(d.w, d.h, d.insets, makeFormAPad<Pad>());
        screenView.window->setBackgroundColor(platform::UIColor::white());
        Pad* pad = screenView.pad;
        SpyDataSource source;
        pad->dataSource = &source;
        for (const auto& key : keys) press(pad, key);

        const platform::RasterImage image = platform::renderView(*screenView.window, 1);
        EXPECT_TRUE(image.savePNG(testOutputPath(d.name)));

        // Each key's title leaves dark pixels inside its key, away from its edges.
        for (const char* title : {"7", "0", "DEL", "+/-", "."}) {
            platform::UIButton* key = findButton(pad, title);
            const platform::Point o = key->convertToWindow({0, 0});
            const platform::Size s = key->frame().size;
            int dark = 0;
            for (int y = static_cast<int>(o.y + 2); y < static_cast<int>(o.y + s.height - 2); ++y)
                for (int x = static_cast<int>(o.x + 2); x < static_cast<int>(o.x + s.width - 2); ++x)
                    dark += isDark(image.pixel(x, y));
            EXPECT_GT(dark, std::string(title) == "." ? 8 : 20) << title;  // a point is a dozen pixels
        }
        // The chosen entry is green behind its text.
        const platform::Point entry = labelAt(pad, 2)->convertToWindow({3, 3});
        const platform::Pixel green = image.pixel(static_cast<int>(entry.x), static_cast<int>(entry.y));
        EXPECT_EQ(green.g, 255);
        EXPECT_EQ(green.r, 0);
    }
}

TEST(PadRender, FormPadOnPhoneAndTablet) {
    renderFormPad<UniversalIntegerPadView>({{"integer_pad_390x844.png", 390, 844, {47, 0, 34, 0}},
                                            {"integer_pad_1024x1366.png", 1024, 1366, {24, 0, 20, 0}}},
                                           {"5", "0", "7", "I2", "+/-", "4", "O4098"});
}

TEST(PadRender, DecimalPadOnPhone) {
    renderFormPad<UniversalRealPadView>({{"real_pad_390x844.png", 390, 844, {47, 0, 34, 0}}},
                                        {"5", ".", "0", "7", "I2", "+/-", ".", "4", "O4098"});
}

}  // namespace
}  // namespace radixmender::testing
