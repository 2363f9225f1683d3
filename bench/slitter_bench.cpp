// Add Slits presses on one Slitter Position window as its list grows. Each press is timed with
// the event processing after it, so the view's layout and painting of the new rows count too.
// A press must cost the same on a list of 19,800 rows as on an empty one.
#include <QApplication>
#include <QPushButton>
#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <ctime>
#include <memory>
#include <vector>

#include <benchmark/benchmark.h>

#include "controls/num_edit.h"
#include "res/templates.h"
#include "slitter/slitter_dlg.h"

namespace {

constexpr int kPresses = 200;
constexpr int kSampled = 10; // presses sampled at each end

// A shown window whose boxes hold 99 slits of 1/8 inch.
std::unique_ptr<CSlitterDlg> OpenWindow() {
    auto dlg = std::make_unique<CSlitterDlg>();
    dlg->Create();
    dlg->Item<CNumEdit>(SlitterId::SlitCount)->ShowText("99");
    dlg->Item<CNumEdit>(SlitterId::SlitInches)->ShowText("0.125");
    dlg->Item<CNumEdit>(SlitterId::SlitMm)->ShowText("3.175");
    QApplication::processEvents();
    return dlg;
}

// Wall time and process CPU time (all threads, so the painting's helpers count) of one press.
struct PressTime {
    double wall;
    double cpu;
};

double CpuSeconds() {
    timespec t{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
    return static_cast<double>(t.tv_sec) + static_cast<double>(t.tv_nsec) * 1e-9;
}

// One press of Add Slits and the layout and repaint it causes.
PressTime TimedPress(QPushButton* addSlits) {
    const double cpuStart = CpuSeconds();
    const auto start = std::chrono::steady_clock::now();
    addSlits->click();
    QApplication::processEvents();
    const auto end = std::chrono::steady_clock::now();
    return {std::chrono::duration<double>(end - start).count(), CpuSeconds() - cpuStart};
}

// The median of ten presses in microseconds: on a shared machine a mean is one stall away from
// meaning nothing.
double MedianMicroseconds(std::vector<double> seconds) {
    std::sort(seconds.begin(), seconds.end());
    const std::size_t n = seconds.size();
    return (seconds[(n - 1) / 2] + seconds[n / 2]) / 2.0 * 1e6;
}

// 200 presses on one window: the first ten and the last ten side by side.
void BM_AddSlits200Presses(benchmark::State& state) {
    for (auto _ : state) {
        state.PauseTiming();
        auto dlg = OpenWindow();
        auto* addSlits = dlg->Item<QPushButton>(SlitterId::AddSlits);
        std::vector<PressTime> presses;
        presses.reserve(kPresses);
        state.ResumeTiming();
        for (int i = 0; i < kPresses; ++i) {
            presses.push_back(TimedPress(addSlits));
        }
        state.PauseTiming();
        auto sample = [&](std::size_t from, double PressTime::*field) {
            std::vector<double> seconds;
            for (std::size_t i = from; i < from + kSampled; ++i) {
                seconds.push_back(presses[i].*field);
            }
            return MedianMicroseconds(seconds);
        };
        const std::size_t lastFrom = presses.size() - kSampled;
        state.counters["first10_wall_us"] = sample(0, &PressTime::wall);
        state.counters["last10_wall_us"] = sample(lastFrom, &PressTime::wall);
        state.counters["first10_cpu_us"] = sample(0, &PressTime::cpu);
        state.counters["last10_cpu_us"] = sample(lastFrom, &PressTime::cpu);
        state.counters["cpu_last_over_first"] =
            state.counters["last10_cpu_us"] / state.counters["first10_cpu_us"];
        state.counters["rows"] = static_cast<double>(dlg->KnifeList().RowCount());
        dlg.reset();
        QApplication::processEvents();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_AddSlits200Presses)->Iterations(1)->Repetitions(5)->Unit(benchmark::kMillisecond);

// One press on a list that already holds the given number of rows (filled untimed). Ten timed
// presses per run keep the list within 1,000 rows of that size.
void BM_AddSlitsPressOnList(benchmark::State& state) {
    auto dlg = OpenWindow();
    auto* addSlits = dlg->Item<QPushButton>(SlitterId::AddSlits);
    while (dlg->KnifeList().RowCount() < static_cast<std::size_t>(state.range(0))) {
        addSlits->click();
    }
    QApplication::processEvents();
    for (auto _ : state) {
        state.SetIterationTime(TimedPress(addSlits).wall);
    }
    state.counters["rows_before"] = static_cast<double>(state.range(0));
}
BENCHMARK(BM_AddSlitsPressOnList)
    ->ArgName("rows")
    ->Arg(0)
    ->Arg(19800)
    ->Iterations(10)
    ->Repetitions(5)
    ->UseManualTime()
    ->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char** argv) {
    if (std::getenv("QT_QPA_PLATFORM") == nullptr) {
        setenv("QT_QPA_PLATFORM", "offscreen", 1);
    }
    QApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) {
        return 1;
    }
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
