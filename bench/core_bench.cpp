// Core number text and knife list timings. Each number text benchmark runs next to the C library
// call it stands in for, on the same inputs, so the two medians can be compared within one run.
#include <array>
#include <cstddef>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string>
#include <string_view>

#include <benchmark/benchmark.h>

#if defined(__GLIBC__)
#include <malloc.h>
#endif

#include "numbers/number_text.h"
#include "slitter/slit_list.h"

namespace {

// Values a box typically shows: widths, diameters, converted units, a negative and an integer.
constexpr std::array<double, 10> kBoxValues = {
    0.0,        2.0,  50.8, 595.5936073208331, 0.0332, 2487.879, 1016.0, 0.07874015748031496,
    12345.6789, -2.5,
};

// Texts a box typically holds, including the partial and odd ones a user types.
const std::array<std::string, 10> kBoxTexts = {
    "0.000", "2", "50.800", "595.594", "0.0332", "2487.88", "1e2", "  3.5", "12abc", "",
};

void FormatNumberBench(benchmark::State& state, const char* format) {
    for (auto _ : state) {
        for (double v : kBoxValues) {
            std::string text = FormatNumber(format, v);
            benchmark::DoNotOptimize(text);
        }
    }
    state.SetItemsProcessed(state.iterations() * static_cast<long long>(kBoxValues.size()));
}

void SnprintfBench(benchmark::State& state, const char* format) {
    char buf[64];
    for (auto _ : state) {
        for (double v : kBoxValues) {
            const int n = std::snprintf(buf, sizeof buf, format, v);
            benchmark::DoNotOptimize(n);
            benchmark::DoNotOptimize(buf);
            benchmark::ClobberMemory();
        }
    }
    state.SetItemsProcessed(state.iterations() * static_cast<long long>(kBoxValues.size()));
}

// Registered in pairs so each FormatNumber figure sits next to its snprintf counterpart.
BENCHMARK_CAPTURE(FormatNumberBench, "%4.2f", "%4.2f");
BENCHMARK_CAPTURE(SnprintfBench, "%4.2f", "%4.2f");
BENCHMARK_CAPTURE(FormatNumberBench, "%4.3f", "%4.3f");
BENCHMARK_CAPTURE(SnprintfBench, "%4.3f", "%4.3f");
BENCHMARK_CAPTURE(FormatNumberBench, "%4.4f", "%4.4f");
BENCHMARK_CAPTURE(SnprintfBench, "%4.4f", "%4.4f");

void ReadNumberBench(benchmark::State& state) {
    for (auto _ : state) {
        for (const std::string& text : kBoxTexts) {
            const double v = ReadNumber(text);
            benchmark::DoNotOptimize(v);
        }
    }
    state.SetItemsProcessed(state.iterations() * static_cast<long long>(kBoxTexts.size()));
}

void StrtodBench(benchmark::State& state) {
    for (auto _ : state) {
        for (const std::string& text : kBoxTexts) {
            char* end = nullptr;
            const double v = std::strtod(text.c_str(), &end);
            benchmark::DoNotOptimize(v);
            benchmark::DoNotOptimize(end);
        }
    }
    state.SetItemsProcessed(state.iterations() * static_cast<long long>(kBoxTexts.size()));
}

BENCHMARK(ReadNumberBench);
BENCHMARK(StrtodBench);

// Each knife continues from the previous row's shown text, so a row's cost must stay flat as the
// list grows; the per-row figure at two list lengths shows whether it does.
void SlitListAddSlitBench(benchmark::State& state) {
    const auto rows = static_cast<int>(state.range(0));
    for (auto _ : state) {
        auto list = std::make_unique<CSlitList>();
        for (int k = 0; k < rows; ++k) {
            benchmark::DoNotOptimize(list->AddSlit(0.5, 12.7));
        }
        benchmark::DoNotOptimize(list->RowCount());
        // Freeing the list is not part of appending to it.
        state.PauseTiming();
        list.reset();
        state.ResumeTiming();
    }
    state.SetItemsProcessed(state.iterations() * rows);
    state.counters["per_row"] = benchmark::Counter(static_cast<double>(rows),
                                                   benchmark::Counter::kIsIterationInvariantRate |
                                                       benchmark::Counter::kInvert);
}

BENCHMARK(SlitListAddSlitBench)->Arg(10'000)->Arg(100'000)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
#if defined(__GLIBC__)
    // glibc moves its mmap threshold as large blocks are freed, so whether a list's buffers come
    // back as fresh pages would depend on which benchmarks ran before. A fixed threshold gives
    // every list length the fresh-memory cost a list built once in the program has.
    mallopt(M_MMAP_THRESHOLD, 128 * 1024);
#endif
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) {
        return 1;
    }
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
