// Fitting and drawing one step into a phone-sized raster image, over every
// step of a fixed set of form A, B and C solutions. Reports the median and
// the slowest step (each step's time is its median over the repetitions).
#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <vector>

#include "engine/universal_engine_view.hpp"
#include "models/radixmender_a_model.hpp"
#include "models/radixmender_b_model.hpp"
#include "models/radixmender_c_model.hpp"
#include "platform/image_renderer.hpp"
#include "records/vocabulary.hpp"

namespace radixmender {
namespace {

class StepsSource : public UniversalEngineViewDataSource {
public:
    Steps steps;
    Comments comments_;
    std::optional<std::int64_t> numberOfSteps() override { return static_cast<std::int64_t>(steps.size()); }
    Step step(std::int64_t i) override { return steps[static_cast<std::size_t>(i)]; }
    Comment comments(std::int64_t i) override { return comments_[static_cast<std::size_t>(i)]; }
    Parameters parameters() override { return {}; }
};

StepsSource allSteps() {
    std::vector<ModelOutput> outputs;
    for (const std::string order : {shapes::kOrderBefore, shapes::kOrderAfter}) {
        outputs.push_back(Radixmender_A_Model{3, 2, 5, order}.steps());
        outputs.push_back(Radixmender_A_Model{-10, 4, 12, order}.steps());
        outputs.push_back(Radixmender_B_Model{3, 2, 1, 5, kTemplateWholeFirst, order}.steps());
        outputs.push_back(Radixmender_B_Model{6, 4, 2, 8, kTemplateRadicalFirst, order}.steps());
        outputs.push_back(Radixmender_C_Model{6, 2, 8, 3, 12, order}.steps());
        outputs.push_back(Radixmender_C_Model{-4, 3, 5, -2, 7, order}.steps());
    }
    StepsSource source;
    for (const ModelOutput& o : outputs) {
        source.steps.insert(source.steps.end(), o.detailSteps.begin(), o.detailSteps.end());
        source.comments_.insert(source.comments_.end(), o.detailComments.begin(), o.detailComments.end());
    }
    return source;
}

void BM_FitAndDrawStepIntoPhoneImage(benchmark::State& state) {
    setMainScreenWidthProvider([] { return 390.0; });
    StepsSource source = allSteps();
    UniversalEngineView view({0, 0, 390, 844});
    view.setBackgroundColor(platform::UIColor::white());
    view.setDataSource(&source);
    const std::size_t count = source.steps.size();
    std::vector<std::vector<double>> times(count);
    std::size_t i = 0;
    for (auto _ : state) {
        view.setStep(static_cast<std::int64_t>(i));
        const auto start = std::chrono::steady_clock::now();
        platform::RasterImage image = platform::renderView(view);
        benchmark::DoNotOptimize(image);
        times[i].push_back(
            std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count());
        i = (i + 1) % count;
    }
    std::vector<double> perStep;
    for (auto& t : times) {
        if (t.empty()) continue;
        std::sort(t.begin(), t.end());
        perStep.push_back(t[t.size() / 2]);
    }
    std::sort(perStep.begin(), perStep.end());
    if (!perStep.empty()) {
        state.counters["steps"] = static_cast<double>(count);
        state.counters["median_step_ms"] = perStep[perStep.size() / 2];
        state.counters["slowest_step_ms"] = perStep.back();
    }
    setMainScreenWidthProvider(nullptr);
}
BENCHMARK(BM_FitAndDrawStepIntoPhoneImage)->Unit(benchmark::kMillisecond)->MinTime(2.0);

// Fits and draws one step of the given lines into a phone-sized raster image.
void timeStep(benchmark::State& state, const Step& lines) {
    setMainScreenWidthProvider([] { return 390.0; });
    StepsSource source;
    source.steps = {lines};
    source.comments_ = {{"comment"}};
    UniversalEngineView view({0, 0, 390, 844});
    view.setDataSource(&source);
    for (auto _ : state) benchmark::DoNotOptimize(platform::renderView(view));
    setMainScreenWidthProvider(nullptr);
}

// "+" joins that each take the join below as both operands: the line is no
// tree, and drawing it path by path would take 2^levels visits.
Record sharedOperandLine(int levels) {
    Record r = makeIntegerRecord(7);
    std::string below = r[0][1];
    for (int i = 0; i < levels; ++i) {
        const std::string k = std::to_string(r.size());
        r.insert(
            r.end(),
            {{"join", "+"}, {"join_locator", below, below}, {"join_color", "black"}, {"join_tag", "anon"}});
        below = k;
    }
    r[0][1] = below;
    return r;
}

void BM_SharedOperandLine(benchmark::State& state) {
    timeStep(state, {sharedOperandLine(static_cast<int>(state.range(0))), makeIntegerRecord(1)});
}
BENCHMARK(BM_SharedOperandLine)->Arg(8)->Arg(12)->Arg(16)->Arg(24)->Unit(benchmark::kMillisecond);

// A well-formed line nested `depth` levels deep: sums inside brackets inside sums.
void BM_DeepLine(benchmark::State& state) {
    Record r = makeIntegerRecord(1);
    for (std::int64_t i = 0; i < state.range(0); ++i)
        r = i % 2 == 0 ? makeJoinRecord("+", r, makeIntegerRecord(i)) : makeUnaryRecord("()", r);
    timeStep(state, {r});
}
BENCHMARK(BM_DeepLine)->Arg(32)->Arg(128)->Arg(250)->Unit(benchmark::kMillisecond);

// One message line of a million characters.
void BM_MillionCharacterLine(benchmark::State& state) {
    timeStep(state, {makeMessageRecord(std::string(1000000, '8'))});
}
BENCHMARK(BM_MillionCharacterLine)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace radixmender
