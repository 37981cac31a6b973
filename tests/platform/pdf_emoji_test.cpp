// PDF pages that show colour emoji as the window does.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <string>

#include "platform/graphics_context.hpp"
#include "platform/image_renderer.hpp"
#include "platform/pdf_renderer.hpp"
#include "platform/pdf_view.hpp"
#include "records/literals.hpp"
#include "tests/support/test_output.hpp"

namespace platform {
namespace {

// The pixels of an image in the yellow of the emoji faces: left, top, right, bottom edges.
std::array<int, 4> yellowBounds(const RasterImage& image) {
    std::array<int, 4> b{image.pixelWidth(), image.pixelHeight(), 0, 0};
    for (int y = 0; y < image.pixelHeight(); ++y)
        for (int x = 0; x < image.pixelWidth(); ++x)
            if (const Pixel p = image.pixel(x, y); p.r > 200 && p.g > 150 && p.b < 100 && p.a > 200)
                b = {std::min(b[0], x), std::min(b[1], y), std::max(b[2], x + 1), std::max(b[3], y + 1)};
    return b;
}

// A comment such as "1.  🤔" drawn into a PDF page shows its face where an
// image drawn the same way shows it. The image comes second: handing the
// emoji font to a PDF painter once left it drawing nothing in images too.
TEST(PDFRenderer, DrawsColourEmojiWhereTheWindowDoes) {
    const std::string text = std::string("1.  ") + radixmender::text::kThinking;
    const auto draw = [&](GraphicsContext& context) {
        context.drawText(text, {10, 12}, {UIFont::systemFont(20), UIColor::black(), UIColor::clear()});
    };
    const std::string path = radixmender::testing::testOutputPath("platform/emoji_comment.pdf");
    ASSERT_TRUE(PDFRenderer({120, 50}).writePDF(path, [&](PDFRendererContext& pdf) {
        pdf.beginPage();
        draw(pdf.graphicsContext());
    }));
    PDFView view;
    view.setFrame({0, 0, 120, 50});
    view.setDocument(PDFDocument::open(path));
    ASSERT_NE(view.document(), nullptr);
    const RasterImage page = renderView(view, 2), image = ImageRenderer({120, 50}, 2).image(draw);
    page.savePNG(radixmender::testing::testOutputPath("platform/emoji_comment_pdf.png"));
    image.savePNG(radixmender::testing::testOutputPath("platform/emoji_comment_image.png"));
    const auto onPage = yellowBounds(page), inImage = yellowBounds(image);
    EXPECT_LT(inImage[0], inImage[2]);
    for (std::size_t i = 0; i < 4; ++i) EXPECT_NEAR(onPage[i], inImage[i], 2) << i;
}

}  // namespace
}  // namespace platform
