// Fonts over Qt. One point is one logical pixel on every device, and sizes
// are fractional: QFont rounds pixel sizes to whole pixels, so text is laid
// out and drawn with QRawFont at the exact pixel size, with the font's design
// advances, as glyph runs. Emoji go to "Noto Color Emoji" explicitly (DejaVu
// Sans has monochrome glyphs for some of them), so a text is split into runs
// of either font; emoji runs are drawn with QFont (a bitmap font, measured
// against a 72-dpi reference device so that a point size is a pixel size).
#include "platform/font.hpp"

#include <QFont>
#include <QFontMetricsF>
#include <QGlyphRun>
#include <QHash>
#include <QImage>
#include <QPaintEngine>
#include <QPainter>
#include <QRawFont>
#include <QString>
#include <algorithm>
#include <cmath>
#include <functional>
#include <memory>
#include <string>
#include <unordered_map>
#include <vector>

#include "platform/gui_application.hpp"
#include "platform/text_painting.hpp"

namespace platform {
namespace {

const char* familyName(FontFamily family) {
    switch (family) {
        case FontFamily::system:
        case FontFamily::monospacedDigitSystem:
            return "DejaVu Sans";
        case FontFamily::monospacedSystem:
            return "DejaVu Sans Mono";
    }
    return "DejaVu Sans";
}

constexpr const char kEmojiFamily[] = "Noto Color Emoji";

// DejaVu has Book and Bold only: light to medium draw as Book, semibold and
// heavier as Bold.
bool isBold(double weight) { return weight >= FontWeight::semibold - 1e-9; }

QFont makeQFont(const char* family, double pointSize, bool bold) {
    QFont font(QString::fromLatin1(family));
    font.setFamilies({QString::fromLatin1(family)});
    font.setPointSizeF(pointSize > 0 ? pointSize : 0.01);
    font.setWeight(bold ? QFont::Bold : QFont::Normal);
    font.setStyle(QFont::StyleNormal);
    font.setHintingPreference(QFont::PreferNoHinting);
    return font;
}

// The reference device: 72 dpi, so point sizes are pixel sizes.
const QPaintDevice& referenceDevice() {
    static const QImage image = [] {
        QImage i(1, 1, QImage::Format_ARGB32_Premultiplied);
        i.setDotsPerMeterX(2835);  // 72.009 dpi, which Qt rounds to 72
        i.setDotsPerMeterY(2835);
        return i;
    }();
    return image;
}

struct FaceKey {
    FontFamily family;
    double size;
    bool bold;
    bool operator==(const FaceKey&) const = default;
};

struct FaceKeyHash {
    std::size_t operator()(const FaceKey& k) const {
        return std::hash<double>()(k.size) * 31 + static_cast<std::size_t>(k.family) * 2 + (k.bold ? 1 : 0);
    }
};

struct LineMetrics {
    double ascent = 0, descent = 0, leading = 0;  // descent positive, as Qt has it
};

// Capital and x heights as shares of the size, from a large rendering (Qt
// measures them on rasterised glyphs, in whole pixels).
struct Proportions {
    double capHeight = 0, xHeight = 0;
};

const Proportions& proportions(FontFamily family, bool bold) {
    static std::unordered_map<int, Proportions> cache;
    const int key = static_cast<int>(family) * 2 + (bold ? 1 : 0);
    auto it = cache.find(key);
    if (it != cache.end()) return it->second;
    QFont font = makeQFont(familyName(family), 1000, bold);
    font.setPixelSize(1000);
    const QRawFont raw = QRawFont::fromFont(font);
    return cache.emplace(key, Proportions{raw.capHeight() / 1000, raw.xHeight() / 1000}).first->second;
}

struct Face {
    QRawFont main;
    QFontMetricsF emoji;
    LineMetrics mainLine;
    LineMetrics emojiLine;
    double capHeight = 0;
    double xHeight = 0;

    Face(const UIFont& font, bool bold, const QFont& e)
        : emoji(e, const_cast<QPaintDevice*>(&referenceDevice())) {
        QFont reference = makeQFont(familyName(font.family), 32, bold);
        reference.setPixelSize(32);
        main = QRawFont::fromFont(reference);
        main.setPixelSize(font.pointSize > 0 ? font.pointSize : 0.01);
        mainLine = {main.ascent(), main.descent(), main.leading() > 0 ? main.leading() : 0};
        emojiLine = {emoji.ascent(), emoji.descent(), 0};
        const Proportions& p = proportions(font.family, bold);
        capHeight = p.capHeight * font.pointSize;
        xHeight = p.xHeight * font.pointSize;
    }

    // Laying out an emoji decodes its bitmap, and the few emoji texts of the
    // app are measured and drawn again and again, so their advances are kept.
    double emojiAdvance(const QString& text) const {
        const auto it = emojiAdvances.constFind(text);
        if (it != emojiAdvances.constEnd()) return *it;
        return emojiAdvances[text] = emoji.horizontalAdvance(text);
    }

private:
    mutable QHash<QString, double> emojiAdvances;
};

// The measuring loops ask for the same few sizes again and again.
// The metrics of one font are read one after the other, so the face found last is kept at hand.
const Face& face(const UIFont& font) {
    // Never destroyed: Qt's font machinery is torn down before static objects
    // are, and a face released after it would reach freed thread storage.
    static auto& cache = *new std::unordered_map<FaceKey, std::unique_ptr<Face>, FaceKeyHash>();
    static std::pair<FaceKey, const Face*> last{{}, nullptr};
    const FaceKey key{font.family, font.pointSize, isBold(font.weight)};
    if (last.second != nullptr && last.first == key) return *last.second;
    auto it = cache.find(key);
    if (it == cache.end()) {
        ensureGuiApplication();
        if (cache.size() > 4096) cache.clear();
        auto made = std::make_unique<Face>(font, key.bold, makeQFont(kEmojiFamily, font.pointSize, false));
        it = cache.emplace(key, std::move(made)).first;
    }
    last = {key, it->second.get()};
    return *last.second;
}

// Decodes one UTF-8 code point at `i` and advances `i`; a malformed byte is U+FFFD.
char32_t nextCodePoint(const std::string& s, std::size_t& i) {
    const auto b0 = static_cast<unsigned char>(s[i]);
    int length = b0 < 0x80 ? 1 : (b0 >> 5) == 0x6 ? 2 : (b0 >> 4) == 0xE ? 3 : (b0 >> 3) == 0x1E ? 4 : 0;
    if (length == 0 || i + static_cast<std::size_t>(length) > s.size()) {
        ++i;
        return 0xFFFD;
    }
    char32_t cp = length == 1 ? b0 : b0 & (0xFF >> (length + 1));
    for (int k = 1; k < length; ++k) {
        const auto b = static_cast<unsigned char>(s[i + static_cast<std::size_t>(k)]);
        if ((b >> 6) != 0x2) {
            ++i;
            return 0xFFFD;
        }
        cp = (cp << 6) | (b & 0x3F);
    }
    i += static_cast<std::size_t>(length);
    return cp;
}

bool isEmoji(char32_t cp) { return cp >= 0x1F000 && cp <= 0x1FAFF; }
// Marks that belong to the character before them, whichever font it is in.
bool isJoiner(char32_t cp) {
    return cp == 0xFE0F || cp == 0xFE0E || cp == 0x200D || (cp >= 0xE0020 && cp <= 0xE007F);
}

struct Run {
    QString text;
    bool emoji = false;
};

// A character that asks for emoji presentation with U+FE0F (such as "☘️"), or
// that the main font has no glyph for (such as "❌"), goes to the emoji font too.
std::vector<Run> splitRuns(const std::string& text, const QRawFont& main) {
    std::vector<Run> runs;
    std::size_t i = 0;
    while (i < text.size()) {
        const std::size_t begin = i;
        const char32_t cp = nextCodePoint(text, i);
        // DejaVu has no glyphs for presentation selectors and joiners: outside
        // an emoji run they would show as boxes, so they are left out there.
        if (isJoiner(cp) && (runs.empty() || !runs.back().emoji)) continue;
        std::size_t next = i;
        const bool selected = next < text.size() && nextCodePoint(text, next) == 0xFE0F;
        const bool emoji =
            isJoiner(cp) || isEmoji(cp) || selected || !main.supportsCharacter(static_cast<uint>(cp));
        const QString piece = QString::fromUtf8(text.data() + begin, static_cast<qsizetype>(i - begin));
        if (!runs.empty() && runs.back().emoji == emoji)
            runs.back().text += piece;
        else
            runs.push_back({piece, emoji});
    }
    return runs;
}

// The glyphs of a run in the main font and their design advances.
struct Glyphs {
    QList<quint32> indexes;
    QList<QPointF> advances;
    double width = 0;
};

Glyphs layOut(const QRawFont& font, const QString& text) {
    Glyphs g;
    g.indexes = font.glyphIndexesForString(text);
    g.advances =
        font.advancesForGlyphIndexes(g.indexes, QRawFont::UseDesignMetrics | QRawFont::KernedAdvances);
    for (const QPointF& a : g.advances) g.width += a.x();
    return g;
}

// The main font's line, raised where a run is in the emoji font.
LineMetrics lineOf(const std::vector<Run>& runs, const Face& f) {
    LineMetrics line = f.mainLine;
    if (std::any_of(runs.begin(), runs.end(), [](const Run& run) { return run.emoji; })) {
        line.ascent = std::max(line.ascent, f.emojiLine.ascent);
        line.descent = std::max(line.descent, f.emojiLine.descent);
    }
    return line;
}

double widthOf(const std::vector<Run>& runs, const Face& f) {
    double width = 0;
    for (const Run& run : runs)
        width += run.emoji ? f.emojiAdvance(run.text) : layOut(f.main, run.text).width;
    return width;
}

// Past this many device pixels an emoji is drawn from an image of this size.
constexpr double kLargestEmojiPixels = 512;
// Image pixels per device unit of an emoji on a device that keeps vectors.
constexpr double kVectorEmojiPixelsPerUnit = 4;

// Emoji are bitmaps that Qt scales whole to the size asked, wherever they lie,
// so a huge one would cost time and memory far beyond the canvas. An emoji
// that misses the canvas is not drawn; one larger than kLargestEmojiPixels is
// drawn at that size into an image, which the painter scales onto the canvas
// (filling only the pixels it can see). Bitmap emoji gain nothing from a
// larger rendering.
// Only the raster engine draws the colour bitmaps of the emoji font: on any
// other device (a PDF file) every emoji goes as such an image, at
// kVectorEmojiPixelsPerUnit image pixels per device unit (at most
// kLargestEmojiPixels), so that a printed page keeps its faces sharp.
// `size` is the font size in the painter's coordinates, `pointSize` the one
// that gives it on the painter's device.
void paintEmoji(QPainter& painter, const QString& text, double size, double pointSize, QPointF baseline,
                double advance, const LineMetrics& line) {
    // The line box around the run, with room for glyphs that overhang it.
    const double height = line.ascent + line.descent, margin = 0.25 * height;
    const QRectF box(baseline.x() - margin, baseline.y() - line.ascent - margin, advance + 2 * margin,
                     height + 2 * margin);
    const QTransform& toDevice = painter.combinedTransform();
    const QRectF onDevice = toDevice.mapRect(box);
    if (!onDevice.intersects(detail::visibleOnDevice(painter))) return;
    const double largest = std::max(onDevice.width(), onDevice.height());
    const bool raster =
        painter.paintEngine() != nullptr && painter.paintEngine()->type() == QPaintEngine::Raster;
    if (raster && largest <= kLargestEmojiPixels) {
        painter.setFont(makeQFont(kEmojiFamily, pointSize, false));
        painter.drawText(baseline, text);
        return;
    }
    const double imageLargest =
        raster ? kLargestEmojiPixels : std::min(kLargestEmojiPixels, largest * kVectorEmojiPixelsPerUnit);
    // Pixels of the image per unit of the painter's coordinates.
    const double perUnit = imageLargest / std::max(box.width(), box.height());
    const QSize pixels(std::max(1, static_cast<int>(std::ceil(box.width() * perUnit))),
                       std::max(1, static_cast<int>(std::ceil(box.height() * perUnit))));
    const QPointF origin = QPointF(margin, margin + line.ascent) * perUnit;
    // A picture draws the same few faces again and again.
    static QHash<QString, QImage> images;
    const QString key = text + QStringLiteral("|%1|%2|%3|%4")
                                   .arg(size * perUnit, 0, 'g', 17)
                                   .arg(origin.y(), 0, 'g', 17)
                                   .arg(pixels.width())
                                   .arg(pixels.height());
    auto found = images.constFind(key);
    if (found == images.constEnd()) {
        QImage image(pixels, QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::transparent);
        image.setDotsPerMeterX(2835);  // 72 dpi: a point size is a pixel size
        image.setDotsPerMeterY(2835);
        {
            QPainter into(&image);
            into.setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing |
                                QPainter::SmoothPixmapTransform);
            into.setFont(makeQFont(kEmojiFamily, size * perUnit, false));
            into.drawText(origin, text);
        }
        if (images.size() >= 64) images.clear();
        found = images.insert(key, image);
    }
    painter.drawImage(box, *found);
}

}  // namespace

namespace detail {

QRectF visibleOnDevice(const QPainter& painter) {
    QRectF visible(painter.viewport());
    if (painter.hasClipping()) visible &= painter.combinedTransform().mapRect(painter.clipBoundingRect());
    return visible;
}

}  // namespace detail

std::optional<UIFont> UIFont::named(const std::string& name, double size) {
    for (const FontFamily family : {FontFamily::system, FontFamily::monospacedSystem})
        if (name == familyName(family)) return UIFont{family, size, FontWeight::regular};
    return std::nullopt;
}

double UIFont::ascender() const { return face(*this).mainLine.ascent; }
double UIFont::descender() const { return -face(*this).mainLine.descent; }
double UIFont::capHeight() const { return face(*this).capHeight; }
double UIFont::xHeight() const { return face(*this).xHeight; }
double UIFont::leading() const { return face(*this).mainLine.leading; }
double UIFont::lineHeight() const {
    const LineMetrics& m = face(*this).mainLine;
    return m.ascent + m.descent + m.leading;
}

Size sizeWithAttributes(const std::string& text, const TextAttributes& attributes) {
    // Fitting measures the same texts at the same sizes many times over.
    struct Key {
        std::string text;
        FaceKey face;
        bool operator==(const Key&) const = default;
    };
    struct KeyHash {
        std::size_t operator()(const Key& k) const {
            return std::hash<std::string>()(k.text) ^ (FaceKeyHash()(k.face) << 1);
        }
    };
    static std::unordered_map<Key, Size, KeyHash> cache;
    const UIFont& font = attributes.font;
    Key key{text, {font.family, font.pointSize, isBold(font.weight)}};
    auto it = cache.find(key);
    if (it != cache.end()) return it->second;
    const Face& f = face(font);
    const std::vector<Run> runs = splitRuns(text, f.main);
    const LineMetrics line = lineOf(runs, f);
    const Size size{widthOf(runs, f), line.ascent + line.descent + line.leading};
    if (cache.size() > 65536) cache.clear();
    cache.emplace(std::move(key), size);
    return size;
}

namespace detail {

void paintText(void* qpainter, const std::string& text, Point topLeft, const TextAttributes& attributes) {
    auto* painter = static_cast<QPainter*>(qpainter);
    if (painter == nullptr || text.empty() || attributes.foregroundColor.isClear()) return;
    const UIFont& font = attributes.font;
    const Face& f = face(font);
    const std::vector<Run> runs = splitRuns(text, f.main);
    // Emoji are drawn with QFont, its point size converted for the painter's DPI.
    const int dpi = painter->device() != nullptr ? painter->device()->logicalDpiY() : 72;
    const double emojiPointSize = font.pointSize * 72.0 / (dpi > 0 ? dpi : 72);
    const UIColor& c = attributes.foregroundColor;
    painter->setPen(QColor::fromRgbF(static_cast<float>(c.r), static_cast<float>(c.g),
                                     static_cast<float>(c.b), static_cast<float>(c.a)));
    // Only the line's height is needed here: measuring the widths would lay the emoji out once more.
    const double baseline = topLeft.y + lineOf(runs, f).ascent;
    double x = topLeft.x;
    for (const Run& run : runs) {
        if (run.emoji) {
            const double advance = f.emojiAdvance(run.text);
            paintEmoji(*painter, run.text, font.pointSize, emojiPointSize, {x, baseline}, advance, f.emojiLine);
            x += advance;
            continue;
        }
        const Glyphs g = layOut(f.main, run.text);
        QList<QPointF> positions;
        positions.reserve(g.advances.size());
        double pen = 0;
        for (const QPointF& a : g.advances) {
            positions.append(QPointF(pen, 0));
            pen += a.x();
        }
        QGlyphRun glyphs;
        glyphs.setRawFont(f.main);
        glyphs.setGlyphIndexes(g.indexes);
        glyphs.setPositions(positions);
        painter->drawGlyphRun(QPointF(x, baseline), glyphs);
        x += g.width;
    }
}

}  // namespace detail
}  // namespace platform
