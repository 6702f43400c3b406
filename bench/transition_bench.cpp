// Each transition effect drawn on a 1920 x 1080 frame with its pauses left out: the drawing
// time beside the designed duration (the sum of the pauses), which should dominate.
#include "display/transitions.h"

#include <QImage>
#include <benchmark/benchmark.h>
#include <cstdlib>

namespace {

void drawEffect(benchmark::State& state) {
    const int effect = int(state.range(0));
    QImage frame(1920, 1080, QImage::Format_RGB32);
    frame.fill(Qt::darkCyan);
    QImage screen(1920, 1080, QImage::Format_RGB32);
    double pauses = 0;
    for (auto _ : state) {
        state.PauseTiming();
        screen.fill(Qt::black);
        std::srand(1);
        const TransitionPlan plan = planTransition(effect, 1920, 1080, [] { return std::rand(); });
        pauses = 0;
        for (const TransitionStep& step : plan) pauses += step.sleepMs;
        state.ResumeTiming();
        QImage faded;
        for (const TransitionStep& step : plan)
            benchmark::DoNotOptimize(drawTransitionStep(screen, faded, frame, 0, 0, step));
    }
    state.counters["designedMs"] = pauses;
}
BENCHMARK(drawEffect)->DenseRange(0, crossfadeEffect)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace
