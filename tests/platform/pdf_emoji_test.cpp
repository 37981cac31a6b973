// PDF pages that show colour emoji as the window does.
#include <gtest/gtest.h>

#define ZLIB_CONST
#include <zlib.h>

#include <algorithm>
#include <array>
#include <cctype>
#include <cmath>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <sstream>
#include <string>
#include <vector>

#include "platform/graphics_context.hpp"
#include "platform/image_renderer.hpp"
#include "platform/pdf_renderer.hpp"
#include "platform/pdf_view.hpp"
#include "records/literals.hpp"
#include "tests/support/pixel_bounds.hpp"
#include "tests/support/test_output.hpp"

namespace platform {
namespace {

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
    using radixmender::testing::isFaceYellow, radixmender::testing::pixelBounds;
    const auto onPage = pixelBounds(page, isFaceYellow), inImage = pixelBounds(image, isFaceYellow);
    EXPECT_LT(inImage[0], inImage[2]);
    for (std::size_t i = 0; i < 4; ++i) EXPECT_NEAR(onPage[i], inImage[i], 2) << i;
}

// What a PDF page shows of an image: its size in pixels and the size in
// points it is drawn at.
struct PlacedImage {
    int width = 0, height = 0;
    double pointsWide = 0, pointsHigh = 0;
};

// The text of object `number` up to its stream or its end.
std::string objectHead(const std::string& pdf, int number) {
    const std::string open = "\n" + std::to_string(number) + " 0 obj";
    const auto at = pdf.find(open);
    if (at == std::string::npos) return {};
    const auto end = std::min(pdf.find("stream", at), pdf.find("endobj", at));
    return end == std::string::npos ? std::string() : pdf.substr(at, end - at);
}

// What follows the first `key` that ends at a blank, as a stream of words.
std::istringstream after(const std::string& text, const std::string& key) {
    for (auto at = text.find(key); at != std::string::npos; at = text.find(key, at + 1))
        if (const auto end = at + key.size();
            end < text.size() && std::isspace(static_cast<unsigned char>(text[end])) != 0)
            return std::istringstream(text.substr(end));
    return std::istringstream();
}

// The number after `key` ("/Width 63"), or -1.
int integerAfter(const std::string& text, const std::string& key) {
    std::istringstream words = after(text, key);
    int value = 0;
    return words >> value ? value : -1;
}

// The object number after `key` ("/Contents 12 0 R"), or -1.
int reference(const std::string& text, const std::string& key) {
    std::istringstream words = after(text, key);
    int number = 0, generation = 0;
    std::string r;
    return words >> number >> generation >> r && generation == 0 && r == "R" ? number : -1;
}

// The inflated data of stream object `number` (its length an object of its
// own, as the writer puts it), empty when it does not inflate whole.
std::string inflatedStream(const std::string& pdf, int number) {
    const std::string head = objectHead(pdf, number);
    const int length = integerAfter(objectHead(pdf, reference(head, "/Length")), "obj");
    auto start = pdf.find("stream", pdf.find(head));
    if (head.empty() || length < 0 || start == std::string::npos) return {};
    start += pdf.compare(start + 6, 2, "\r\n") == 0 ? 8 : 7;
    if (start + static_cast<std::size_t>(length) > pdf.size()) return {};
    z_stream z{};
    if (inflateInit(&z) != Z_OK) return {};
    z.next_in = reinterpret_cast<const Bytef*>(pdf.data() + start);
    z.avail_in = static_cast<uInt>(length);
    std::string out;
    std::array<char, 4096> buffer{};
    int status = Z_OK;
    while (status == Z_OK) {
        z.next_out = reinterpret_cast<Bytef*>(buffer.data());
        z.avail_out = static_cast<uInt>(buffer.size());
        status = inflate(&z, Z_NO_FLUSH);
        out.append(buffer.data(), buffer.size() - z.avail_out);
    }
    inflateEnd(&z);
    return status == Z_STREAM_END ? out : std::string();
}

// The images the first page of a PDF file draws, in order, following its
// content's "q", "Q" and "cm" to the matrix each "Do" draws with. Enough of
// PDF for what the writer makes of drawn text and images.
std::vector<PlacedImage> placedImages(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    const std::string pdf{std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
    const std::string resources = objectHead(pdf, reference(pdf, "/Resources"));
    std::istringstream content(inflatedStream(pdf, reference(pdf, "/Contents")));
    struct Matrix {
        double a = 1, b = 0, c = 0, d = 1, e = 0, f = 0;
    };
    std::vector<Matrix> saved;
    Matrix ctm;
    std::vector<double> operands;
    std::string name;
    std::vector<PlacedImage> images;
    for (std::string token; content >> token;) {
        char* end = nullptr;
        const double value = std::strtod(token.c_str(), &end);
        if (end != token.c_str() && *end == '\0') {
            operands.push_back(value);
            continue;
        }
        if (token == "q") {
            saved.push_back(ctm);
        } else if (token == "Q" && !saved.empty()) {
            ctm = saved.back();
            saved.pop_back();
        } else if (token == "cm" && operands.size() >= 6) {
            const double* m = &operands[operands.size() - 6];  // this matrix, then the one in force
            ctm = {m[0] * ctm.a + m[1] * ctm.c,         m[0] * ctm.b + m[1] * ctm.d,
                   m[2] * ctm.a + m[3] * ctm.c,         m[2] * ctm.b + m[3] * ctm.d,
                   m[4] * ctm.a + m[5] * ctm.c + ctm.e, m[4] * ctm.b + m[5] * ctm.d + ctm.f};
        } else if (token == "Do") {
            const std::string image = objectHead(pdf, reference(resources, name));
            images.push_back({integerAfter(image, "/Width"), integerAfter(image, "/Height"),
                              std::hypot(ctm.a, ctm.b), std::hypot(ctm.c, ctm.d)});
        }
        if (token.front() == '/') {
            name = token;
        } else {
            operands.clear();
        }
    }
    return images;
}

// A colour emoji goes into a PDF as an image of four pixels per point of the
// page, so a face stays sharp when the page is zoomed or printed; only an
// image whose longer side would pass 512 pixels (128 points) is held to 512.
TEST(PDFRenderer, DrawsEmojiAtFourImagePixelsPerPoint) {
    const auto write = [](const std::string& name, Size page, const std::string& text, double size) {
        const std::string path = radixmender::testing::testOutputPath("platform/" + name + ".pdf");
        EXPECT_TRUE(PDFRenderer(page).writePDF(path, [&](PDFRendererContext& pdf) {
            pdf.beginPage();
            pdf.graphicsContext().drawText(text, {4, 4},
                                           {UIFont::systemFont(size), UIColor::black(), UIColor::clear()});
        }));
        return path;
    };
    // The guide's step comments are set at 11 points.
    const std::string comment =
        write("emoji_11pt", {60, 24}, std::string("1.  ") + radixmender::text::kThinking, 11);
    const std::vector<PlacedImage> small = placedImages(comment),
                                   large = placedImages(
                                       write("emoji_200pt", {300, 300}, radixmender::text::kCool, 200));
    ASSERT_EQ(small.size(), 1U);
    EXPECT_GT(small[0].pointsWide, 11);
    EXPECT_NEAR(small[0].width, 4 * small[0].pointsWide, 1);
    EXPECT_NEAR(small[0].height, 4 * small[0].pointsHigh, 1);
    ASSERT_EQ(large.size(), 1U);
    EXPECT_GT(std::max(large[0].pointsWide, large[0].pointsHigh), 128);
    EXPECT_NEAR(std::max(large[0].width, large[0].height), 512, 1);
    EXPECT_NEAR(double(large[0].width) / large[0].height, large[0].pointsWide / large[0].pointsHigh, 0.01);

    // The comment's page at 16 pixels per point, for a person to look at.
    PDFView view;
    view.autoScales = true;
    view.setFrame({0, 0, 16 * 60, 16 * 24});
    view.setDocument(PDFDocument::open(comment));
    ASSERT_NE(view.document(), nullptr);
    renderView(view).savePNG(radixmender::testing::testOutputPath("platform/emoji_11pt_x16.png"));
}

}  // namespace
}  // namespace platform
