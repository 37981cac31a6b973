// Start-up: from launching the application (layout resource, window, first
// screen) to the first frame the platform paints, offscreen. The first launch
// in the process also pays for the platform's application object and fonts;
// it is reported as the counter "cold_ms".
#include <benchmark/benchmark.h>

#include <chrono>
#include <cstdlib>
#include <stdexcept>

#include "platform/application.hpp"
#include "screens/app_delegate.hpp"

namespace {

double launchToFirstFrameMs() {
    const auto start = std::chrono::steady_clock::now();
    platform::LaunchConfiguration configuration;
    configuration.delegateClassName = "AppDelegate";
    auto app = platform::UIApplication::launch(configuration);
    if (!app->window().waitForPaint(5000)) throw std::runtime_error("no frame painted");
    const auto end = std::chrono::steady_clock::now();
    return std::chrono::duration<double, std::milli>(end - start).count();
}

void BM_StartupToFirstFrame(benchmark::State& state) {
    if (std::getenv("QT_QPA_PLATFORM") == nullptr) setenv("QT_QPA_PLATFORM", "offscreen", 1);
    radixmender::registerScreens();
    static const double cold = launchToFirstFrameMs();
    for (auto _ : state) {
        const double ms = launchToFirstFrameMs();
        state.SetIterationTime(ms / 1000.0);
    }
    state.counters["cold_ms"] = cold;
}
BENCHMARK(BM_StartupToFirstFrame)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(20);

}  // namespace
