// Batch benchmark: rollcalc-cli batch on generated CSV of 1,000 and 100,000 rolls, for the length
// and the weight calculator, each run as its own process. Reports the median wall time and the
// peak resident memory (the child's ru_maxrss). Targets: 100,000 rows in at most 1 s, and their
// peak memory within 10 % of that for 1,000 rows, since the batch streams. Exit status 1 on a
// miss, 2 when the program cannot be run or refuses a row.
//
// usage: cli_bench [--runs N] [--cli PATH] [--keep DIR]
#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <fcntl.h>
#include <fstream>
#include <spawn.h>
#include <string>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

extern char** environ;

namespace {

constexpr double kTimeTargetSeconds = 1.0;
constexpr double kMemoryTarget = 1.10;

struct Sample {
    double seconds = 0;
    long peakKb = 0;
};

double MonotonicSeconds() {
    timespec ts{};
    clock_gettime(CLOCK_MONOTONIC, &ts);
    return static_cast<double>(ts.tv_sec) + static_cast<double>(ts.tv_nsec) * 1e-9;
}

// Rolls of every kind the windows solve, in several units, so that each conversion path runs.
void WriteLengthInput(const std::string& path, int rows) {
    std::ofstream out(path);
    out << "calculator,length_ft,core_in,diameter_mm,thickness_um,thickness_mil\n";
    for (int i = 0; i < rows; ++i) {
        const int k = i % 97;
        switch (i % 3) {
        case 0: // the length
            out << "length,," << 3 + k % 4 << ',' << 254 + k << ',' << 25 + k << ",\n";
            break;
        case 1: // the thickness
            out << "length," << 500 + k * 10 << ",3," << 254 + k << ",,\n";
            break;
        default: // the roll diameter
            out << "length," << 500 + k * 10 << ",3.5,,," << 1 + k % 20 << '.' << k % 10 << '\n';
            break;
        }
    }
}

void WriteWeightInput(const std::string& path, int rows) {
    std::ofstream out(path);
    out << "calculator,core_in,diameter_in,width_mm,weight_lb,sg,density_kg_m3,density_lb_in3\n";
    for (int i = 0; i < rows; ++i) {
        const int k = i % 89;
        switch (i % 4) {
        case 0: // the weight, from a specific gravity
            out << "weight,3," << 30 + k % 20 << ',' << 1000 + k << ",,0.9" << k % 10 << ",,\n";
            break;
        case 1: // the web width, from a metric density
            out << "weight,3," << 30 + k % 20 << ",," << 1500 + k << ",," << 900 + k << ",\n";
            break;
        case 2: // the roll diameter
            out << "weight,6,," << 1200 + k << ',' << 2000 + k << ",,,0.03" << k % 10 << '\n';
            break;
        default: // the density family
            out << "weight,3," << 40 + k % 10 << ',' << 1524 << ',' << 2400 + k << ",,,\n";
            break;
        }
    }
}

// Runs `cli batch input > output` once; false when it cannot start or fails.
bool RunOnce(const std::string& cli, const std::string& input, const std::string& output,
             Sample& sample) {
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, output.c_str(),
                                     O_WRONLY | O_CREAT | O_TRUNC, 0644);
    std::vector<char*> args = {const_cast<char*>(cli.c_str()), const_cast<char*>("batch"),
                               const_cast<char*>(input.c_str()), nullptr};
    const double start = MonotonicSeconds();
    pid_t pid = 0;
    const int spawned = posix_spawn(&pid, cli.c_str(), &actions, nullptr, args.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    if (spawned != 0) {
        std::fprintf(stderr, "cannot start %s: %s\n", cli.c_str(), std::strerror(spawned));
        return false;
    }
    int status = 0;
    rusage usage{};
    while (wait4(pid, &status, 0, &usage) < 0) {
        if (errno != EINTR) {
            std::perror("wait4");
            return false;
        }
    }
    sample.seconds = MonotonicSeconds() - start;
    sample.peakKb = usage.ru_maxrss;
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) {
        std::fprintf(stderr, "%s batch %s failed (status %d)\n", cli.c_str(), input.c_str(),
                     status);
        return false;
    }
    return true;
}

double Median(std::vector<double> v) {
    std::sort(v.begin(), v.end());
    const std::size_t n = v.size();
    return n % 2 ? v[n / 2] : (v[n / 2 - 1] + v[n / 2]) / 2;
}

[[noreturn]] void Usage() {
    std::fprintf(stderr, "usage: cli_bench [--runs N] [--cli PATH] [--keep DIR]\n");
    std::exit(2);
}

} // namespace

int main(int argc, char** argv) {
    int runs = 5;
    std::string cli = ROLLCALC_CLI_PATH;
    std::string keep;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg == "--runs" && i + 1 < argc) {
            runs = std::atoi(argv[++i]);
        } else if (arg == "--cli" && i + 1 < argc) {
            cli = argv[++i];
        } else if (arg == "--keep" && i + 1 < argc) {
            keep = argv[++i];
        } else {
            Usage();
        }
    }
    if (runs < 1) {
        Usage();
    }
    char scratch[] = "/tmp/cli_bench.XXXXXX";
    const std::string dir = keep.empty() ? (mkdtemp(scratch) ? scratch : "") : keep;
    if (dir.empty()) {
        std::perror("mkdtemp");
        return 2;
    }

    std::printf("rollcalc-cli batch, %d runs each: median wall time, largest peak memory\n", runs);
    bool missed = false;
    for (const char* calculator : {"length", "weight"}) {
        Sample results[2];
        const int sizes[2] = {1000, 100000};
        for (int s = 0; s < 2; ++s) {
            const std::string input =
                dir + "/" + calculator + "_" + std::to_string(sizes[s]) + ".csv";
            if (std::strcmp(calculator, "length") == 0) {
                WriteLengthInput(input, sizes[s]);
            } else {
                WriteWeightInput(input, sizes[s]);
            }
            std::vector<double> times;
            for (int r = 0; r < runs; ++r) {
                Sample sample;
                if (!RunOnce(cli, input, input + ".out", sample)) {
                    return 2;
                }
                times.push_back(sample.seconds);
                results[s].peakKb = std::max(results[s].peakKb, sample.peakKb);
            }
            results[s].seconds = Median(times);
            std::printf("  %-6s %7d rows  %8.3f s  %7ld KB\n", calculator, sizes[s],
                        results[s].seconds, results[s].peakKb);
            if (keep.empty()) {
                std::remove(input.c_str());
                std::remove((input + ".out").c_str());
            }
        }
        const double memoryRatio =
            static_cast<double>(results[1].peakKb) / static_cast<double>(results[0].peakKb);
        const bool timeOk = results[1].seconds <= kTimeTargetSeconds;
        const bool memoryOk = memoryRatio <= kMemoryTarget;
        std::printf("  %-6s 100000 rows in %.3f s (target <= %.1f s): %s; memory 100000/1000 rows "
                    "%.3f (target <= %.2f): %s\n",
                    calculator, results[1].seconds, kTimeTargetSeconds, timeOk ? "met" : "MISSED",
                    memoryRatio, kMemoryTarget, memoryOk ? "met" : "MISSED");
        missed = missed || !timeOk || !memoryOk;
    }
    if (keep.empty()) {
        rmdir(dir.c_str());
    }
    return missed ? 1 : 0;
}
