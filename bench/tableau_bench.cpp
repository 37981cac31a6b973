// Measuring and drawing each operation tableau, worked on six-digit numbers,
// into a phone-sized raster image (390 × 844 points) at the phone's base size.
#include <benchmark/benchmark.h>

#include "engine/items.hpp"
#include "platform/font.hpp"
#include "platform/image_renderer.hpp"
#include "tests/engine/tableau_samples.hpp"

namespace radixmender {
namespace {

void BM_MeasureAndDrawTableau(benchmark::State& state) {
    const testing::Sample sample = testing::tableauSamples().at(static_cast<std::size_t>(state.range(0)));
    state.SetLabel(sample.name);
    const Record& r = sample.record;
    const platform::ImageRenderer renderer({390, 844});
    for (auto _ : state) {
        platform::RasterImage image = renderer.image([&](platform::GraphicsContext&) {
            const ItemBox box = measureItems(r, r[0][1], defaultFontName(), 30, platform::FontWeight::medium);
            drawItems(r, r[0][1], defaultFontName(), 10, 10 + box.ascent, 30, platform::FontWeight::medium);
        });
        benchmark::DoNotOptimize(image);
    }
}
BENCHMARK(BM_MeasureAndDrawTableau)->DenseRange(0, 7)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace radixmender
