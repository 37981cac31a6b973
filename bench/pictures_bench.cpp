// One brick drawn into a small raster image (120 × 160 points) at edges from
// the image's own size up to far beyond it, with an emoji face and with a
// letter face, its bottom-left corner at the image's (placement 0) or its face
// over the image's middle (placement 1). The image bounds what can be seen, so
// it should bound the cost: the times of all edges should stay alike.
//
// A caption fitted from 40 points up to 10³⁰⁰ (the exponent of ten given)
// into widths of 1, 390 and 0 points: a few sizes are measured whatever the
// start; only the list of sizes grows with it (some 13,500 from 10³⁰⁰, each
// of them measured when every size was tried).
#include <benchmark/benchmark.h>

#include <cmath>

#include "pictures/elements.hpp"
#include "platform/image_renderer.hpp"

namespace radixmender {
namespace {

void drawOneBrick(benchmark::State& state, const char* face) {
    const auto edge = static_cast<double>(state.range(0));
    const bool middle = state.range(1) == 1;
    const box brick{edge, 4, platform::CGColor::white(), platform::CGColor::lightGray(), face, ""};
    const platform::ImageRenderer renderer({120, 160});
    for (auto _ : state) {
        const platform::RasterImage image =
            renderer.image([&](platform::GraphicsContext& c) { 
            drawBrick(c, middle ? 60 - edge / 2 : 0, middle ? 80 + edge / 2 : 160, 1, brick);
        });
        benchmark::DoNotOptimize(image.pixelWidth());
    }
}

void BM_EmojiBrick(benchmark::State& state) { drawOneBrick(state, "\U0001F33F"); }
void BM_LetterBrick(benchmark::State& state) { drawOneBrick(state, "A"); }

BENCHMARK(BM_EmojiBrick)
    ->ArgsProduct({{120, 1000, 10000, 30000}, {0, 1}})
    ->ArgNames({"edge", "middle"})
    ->Unit(benchmark::kMillisecond);
BENCHMARK(BM_LetterBrick)
    ->ArgsProduct({{120, 1000, 10000, 30000}, {0, 1}})
    ->ArgNames({"edge", "middle"})
    ->Unit(benchmark::kMillisecond);

void BM_CaptionFitting(benchmark::State& state) {
    const double size = state.range(0) == 0 ? 40 : std::pow(10.0, static_cast<double>(state.range(0)));
    const auto width = static_cast<double>(state.range(1));
    for (auto _ : state) benchmark::DoNotOptimize(fittedFontSize("double 66 plus 99", size, width));
}

BENCHMARK(BM_CaptionFitting)
    ->ArgsProduct({{0, 6, 30, 300}, {1, 390, 0}})
    ->ArgNames({"power", "width"})
    ->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace radixmender
