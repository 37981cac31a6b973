// Measuring and drawing each operation tableau, worked on six-digit numbers,
// into a phone-sized raster image (390 × 844 points) at the phone's base
// size; wide and malformed column additions drawn as a step's line; the
// public size functions given counts far beyond any record; a counting
// tableau's place-value labels on a turned canvas.
#include <benchmark/benchmark.h>

#include <cmath>
#include <cstdint>
#include <limits>
#include <string>

#include "engine/items.hpp"
#include "engine/text_measure.hpp"
#include "engine/universal_engine_view.hpp"
#include "platform/font.hpp"
#include "platform/graphics_context.hpp"
#include "platform/image_renderer.hpp"
#include "records/tableau_records.hpp"
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

// A tableau fitted and drawn into a phone image as the line of a step. Column
// additions: one row of `columns` cells that the record holds (well formed),
// or a count of `columns` over the seven cells of the six-digit sample
// (malformed, so skipped). Either costs time in proportion to the record, not
// to the count.
void drawLineInView(benchmark::State& state, const Record& line) {
    setMainScreenWidthProvider([] { return 390.0; });
    struct Source : UniversalEngineViewDataSource {
        Steps steps;
        std::optional<std::int64_t> numberOfSteps() override { return 1; }
        Step step(std::int64_t) override { return steps[0]; }
        Comment comments(std::int64_t) override { return {"add"}; }
        Parameters parameters() override { return {}; }
    } source;
    source.steps = {{line}};
    UniversalEngineView view({0, 0, 390, 844});
    view.setDataSource(&source);
    for (auto _ : state) benchmark::DoNotOptimize(platform::renderView(view));
    state.SetComplexityN(state.range(0));
    setMainScreenWidthProvider(nullptr);
}

void BM_WideAddColumn(benchmark::State& state) {
    const auto columns = static_cast<std::size_t>(state.range(0));
    drawLineInView(state, makeAddColumnRecord("t", "+", 1, {Texts(columns, "7")}, {Texts(columns, "YN")}));
}
BENCHMARK(BM_WideAddColumn)
    ->RangeMultiplier(10)
    ->Range(100, 100000)
    ->Unit(benchmark::kMillisecond)
    ->Complexity();

void BM_AddColumnClaimingColumns(benchmark::State& state) {
    Record line = testing::tableauSamples().at(4).record;  // "add_column"
    line[2][4] = std::to_string(state.range(0));
    drawLineInView(state, line);
}
BENCHMARK(BM_AddColumnClaimingColumns)
    ->RangeMultiplier(100)
    ->Range(100, 1000000000)
    ->Unit(benchmark::kMillisecond);

// Column (or character) counts from 10^3 to the largest integer, a
// thousandfold apart: what the size functions, and a counting tableau's digit
// columns, cost must not grow with them.
void hugeCounts(benchmark::internal::Benchmark* b) {
    for (std::int64_t count = 1000; count <= 1000000000000000000; count *= 1000) b->Arg(count);
    b->Arg(std::numeric_limits<std::int64_t>::max());
    b->Unit(benchmark::kMicrosecond);
}

// The six-digit counting tableau over that many digit columns, drawn: only
// the place values the canvas shows are made.
void BM_CountOpDigitColumns(benchmark::State& state) {
    Record line = testing::tableauSamples().at(7).record;  // "count_op"
    line[5][2] = std::to_string(state.range(0));
    drawLineInView(state, line);
}
BENCHMARK(BM_CountOpDigitColumns)->Apply(hugeCounts)->Unit(benchmark::kMillisecond);

// 93 + 15 counted on over `columns` digit columns.
Record countingOn(std::int64_t columns) {
    return makeCountOpRecord("t", "count", {{"93", "10", "103"}, {"103", "5", "108"}},
                             {"COUNT UP", std::to_string(columns), "2", "15"}, {"STEP", "2"}, {"10", "5"});
}

// The tableau drawn at the baseline (10, y) at `size` into a 400 × 300 image
// turned by 0.3 radians about its centre, which shows the point `looked` of
// the tableau's plane.
void drawTurned(benchmark::State& state, const Record& r, double size, double y, platform::Point looked) {
    const platform::ImageRenderer renderer({400, 300});
    for (auto _ : state) {
        platform::RasterImage image = renderer.image([&](platform::GraphicsContext& c) {
            c.translateBy(200, 150);
            c.rotateBy(0.3);
            c.translateBy(-looked.x, -looked.y);
            drawItems(r, r[0][1], defaultFontName(), 10, y, size, platform::FontWeight::medium);
        });
        benchmark::DoNotOptimize(image);
    }
}

// Over that many digit columns at size 32, the baseline at 150: the labels'
// feet lie far below the image, and no label reaches it.
void BM_CountOpOnATurnedCanvas(benchmark::State& state) {
    drawTurned(state, countingOn(state.range(0)), 32, 150, {200, 150});
}
BENCHMARK(BM_CountOpOnATurnedCanvas)->Apply(hugeCounts);

// Over 10¹² digit columns at size 20, the image looking at where the labels
// cross, 10¹¹ points above their feet: about fifty labels, each entering
// from afar, fill it.
void BM_CountOpLabelsSeenFromAfar(benchmark::State& state) {
    const double size = 20, rise = 1e11;
    const std::int64_t columns = 1000000000000;
    const Record r = countingOn(columns);
    const platform::UIFont half =
        platform::UIFont::monospacedDigitSystemFont(size / 2, platform::FontWeight::medium);
    const double pitch =
        textSize("0", platform::UIFont::monospacedDigitSystemFont(size, platform::FontWeight::medium)).width;
    // The labels' feet at 800, and the image's centre where column 1000's label is `rise` above them.
    const double band =
        static_cast<double>(columns - 1) * textSize("0", half).width + textSize("1", half).width;
    const double y =
        800 + measureItems(r, r[0][1], defaultFontName(), size, platform::FontWeight::medium).ascent - band;
    drawTurned(state, r, size, y, {40 + 1000 * pitch + (800 + rise) / std::tan(M_PI / 3), -rise});
}
BENCHMARK(BM_CountOpLabelsSeenFromAfar)->Unit(benchmark::kMillisecond);

void BM_SizeOfTableauOpColumns(benchmark::State& state) {
    const Texts globals{"4", std::to_string(state.range(0)), "1", "false"}, locals{"4", "false"};
    for (auto _ : state) benchmark::DoNotOptimize(UniversalEngineView::sizeOfTableauOp(globals, locals, 20));
}
BENCHMARK(BM_SizeOfTableauOpColumns)->Apply(hugeCounts);

void BM_SizeOfAddColumnColumns(benchmark::State& state) {
    for (auto _ : state)
        benchmark::DoNotOptimize(UniversalEngineView::sizeOfAddColumn("+", 4, state.range(0), 20));
}
BENCHMARK(BM_SizeOfAddColumnColumns)->Apply(hugeCounts);

void BM_SizeOfCountOpColumns(benchmark::State& state) {
    const std::string n = std::to_string(state.range(0));
    const Texts globals{"COUNT UP", n, n, "15"}, locals{"COUNT", "2"};
    for (auto _ : state) benchmark::DoNotOptimize(UniversalEngineView::sizeOfCountOp(globals, locals, 20));
}
BENCHMARK(BM_SizeOfCountOpColumns)->Apply(hugeCounts);

// The two label lengths add up to the count.
void BM_SizeOfGridMultiplyLabels(benchmark::State& state) {
    const std::int64_t top = state.range(0) / 2, left = state.range(0) - top;
    for (auto _ : state)
        benchmark::DoNotOptimize(UniversalEngineView::sizeOfGridMultiply(2, 3, top, left, 20));
}
BENCHMARK(BM_SizeOfGridMultiplyLabels)->Apply(hugeCounts);

}  // namespace
}  // namespace radixmender
