// One brick drawn into a small raster image (120 × 160 points) at edges from
// the image's own size up to far beyond it, with an emoji face and with a
// letter face, its bottom-left corner at the image's (placement 0) or its face
// over the image's middle (placement 1). The image bounds what can be seen, so
// it should bound the cost: the times of all edges should stay alike.
#include <benchmark/benchmark.h>

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

}  // namespace
}  // namespace radixmender
