// Start-up benchmark: from process start to the main window's first painted frame, and the peak
// resident memory at that moment, for the real program's start-up (rollcalc_startup_probe)
// against the same main window built from stock Qt widgets (stock_startup_probe). Both carry the
// first-paint probe, which reports and ends the process. The programs take turns within one run,
// each going first equally often, so that machine noise and warm caches fall on both alike.
// The benchmark runs twice: once as started, and once re-executed under dbus-run-session, because
// a desktop always has a session bus and the accessibility bridge then connects; the bus daemon
// starts before the first probe and is not timed. Targets, on the medians against the stock
// window, in both runs: time ratio <= 1.10, memory ratio <= 1.10; the exit status is 1 when one
// is missed.
//
// usage: startup_bench [--runs N] [--platform NAME] [--verbose] [--rollcalc PATH] [--stock PATH]
//                      [--no-bus]
// The probes run with QT_QPA_PLATFORM=offscreen unless --platform says otherwise (under
// xvfb-run, --platform xcb).
#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <fstream>
#include <optional>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <string>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

extern char** environ;

namespace {

constexpr double kTimeTarget = 1.10;
constexpr double kMemoryTarget = 1.10;
constexpr int kTimeoutMs = 30000;

struct Sample {
    double ms = 0;
    long peakKb = 0;
    int width = 0;
    int height = 0;
};

long long MonotonicNs() {
    timespec ts{};
    clock_gettime(CLOCK_MONOTONIC, &ts);
    return static_cast<long long>(ts.tv_sec) * 1000000000LL + ts.tv_nsec;
}

std::string LoadAverage() {
    std::ifstream file("/proc/loadavg");
    std::string one, five, fifteen;
    file >> one >> five >> fifteen;
    return one + " " + five + " " + fifteen;
}

std::string ExecutableDir() {
    char path[4096] = {};
    const ssize_t n = readlink("/proc/self/exe", path, sizeof path - 1);
    std::string exe(path, n > 0 ? static_cast<size_t>(n) : 0);
    const size_t slash = exe.rfind('/');
    return slash == std::string::npos ? std::string(".") : exe.substr(0, slash);
}

// Runs one probe to its first paint; nothing when it fails or takes too long.
std::optional<Sample> RunProbe(const std::vector<std::string>& argv, const std::string& platform) {
    std::vector<std::string> env;
    for (char** e = environ; *e != nullptr; ++e) {
        if (std::strncmp(*e, "QT_QPA_PLATFORM=", 16) != 0 &&
            std::strncmp(*e, "ROLLCALC_PROBE_SPAWN_NS=", 24) != 0) {
            env.emplace_back(*e);
        }
    }
    env.push_back("QT_QPA_PLATFORM=" + platform);
    const size_t spawnSlot = env.size();
    env.emplace_back();

    int fds[2];
    if (pipe(fds) != 0) {
        std::perror("pipe");
        return std::nullopt;
    }
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    // Qt's warnings come along too, to be shown if the run fails.
    posix_spawn_file_actions_adddup2(&actions, fds[1], STDOUT_FILENO);
    posix_spawn_file_actions_adddup2(&actions, fds[1], STDERR_FILENO);
    posix_spawn_file_actions_addclose(&actions, fds[0]);
    posix_spawn_file_actions_addclose(&actions, fds[1]);

    std::vector<char*> args;
    for (const std::string& a : argv) {
        args.push_back(const_cast<char*>(a.c_str()));
    }
    args.push_back(nullptr);

    // The clock is read last, right before the spawn, so that only the child's own work counts.
    const long long spawnNs = MonotonicNs();
    env[spawnSlot] = "ROLLCALC_PROBE_SPAWN_NS=" + std::to_string(spawnNs);
    std::vector<char*> envp;
    for (std::string& e : env) {
        envp.push_back(e.data());
    }
    envp.push_back(nullptr);
    pid_t pid = 0;
    const int spawned = posix_spawn(&pid, args[0], &actions, nullptr, args.data(), envp.data());
    posix_spawn_file_actions_destroy(&actions);
    close(fds[1]);
    if (spawned != 0) {
        std::fprintf(stderr, "cannot start %s: %s\n", args[0], std::strerror(spawned));
        close(fds[0]);
        return std::nullopt;
    }

    std::string output;
    const long long deadline = spawnNs + kTimeoutMs * 1000000LL;
    bool timedOut = false;
    for (;;) {
        const long long left = (deadline - MonotonicNs()) / 1000000;
        if (left <= 0) {
            timedOut = true;
            break;
        }
        pollfd p{fds[0], POLLIN, 0};
        const int ready = poll(&p, 1, static_cast<int>(left));
        if (ready < 0 && errno == EINTR) {
            continue;
        }
        if (ready <= 0) {
            timedOut = ready == 0;
            break;
        }
        char buffer[512];
        const ssize_t n = read(fds[0], buffer, sizeof buffer);
        if (n <= 0) {
            break;
        }
        output.append(buffer, static_cast<size_t>(n));
    }
    close(fds[0]);
    if (timedOut) {
        kill(pid, SIGKILL);
    }
    int status = 0;
    waitpid(pid, &status, 0);

    long long ns = 0;
    Sample sample;
    long residentKb = 0;
    const size_t report = output.find("first_paint_ns=");
    if (report == std::string::npos ||
        std::sscanf(output.c_str() + report,
                    "first_paint_ns=%lld vm_hwm_kb=%ld vm_rss_kb=%ld width=%d height=%d", &ns,
                    &sample.peakKb, &residentKb, &sample.width, &sample.height) != 5) {
        std::fprintf(stderr, "%s did not report a first paint%s (status %d); it printed: %s\n",
                     args[0], timedOut ? " in time" : "", status, output.c_str());
        return std::nullopt;
    }
    sample.ms = static_cast<double>(ns) / 1e6;
    return sample;
}

double Quantile(std::vector<double> values, double q) {
    std::sort(values.begin(), values.end());
    const double position = q * static_cast<double>(values.size() - 1);
    const size_t below = static_cast<size_t>(position);
    const size_t above = std::min(below + 1, values.size() - 1);
    const double fraction = position - static_cast<double>(below);
    return values[below] + (values[above] - values[below]) * fraction;
}

struct Summary {
    double median, p25, p75, min, max;
};

Summary Summarise(const std::vector<double>& values) {
    return {Quantile(values, 0.5), Quantile(values, 0.25), Quantile(values, 0.75),
            *std::min_element(values.begin(), values.end()),
            *std::max_element(values.begin(), values.end())};
}

void PrintRow(const char* what, const char* unit, int decimals, const Summary& s) {
    std::printf("  %-26s %9.*f %s   [%.*f .. %.*f]   [%.*f .. %.*f]\n", what, decimals, s.median,
                unit, decimals, s.p25, decimals, s.p75, decimals, s.min, decimals, s.max);
}

int Usage() {
    std::fprintf(stderr, "usage: startup_bench [--runs N] [--platform NAME] [--verbose] "
                         "[--rollcalc PATH] [--stock PATH] [--no-bus]\n");
    return 2;
}

} // namespace

int main(int argc, char* argv[]) {
    int runs = 21;
    std::string platform = "offscreen";
    bool verbose = false;
    std::string dir = ExecutableDir();
    std::string real = dir + "/rollcalc_startup_probe";
    std::string stock = dir + "/stock_startup_probe";
    bool inSession = false;
    bool withBus = true;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        const bool hasValue = i + 1 < argc;
        if (arg == "--runs" && hasValue) {
            runs = std::atoi(argv[++i]);
        } else if (arg == "--platform" && hasValue) {
            platform = argv[++i];
        } else if (arg == "--rollcalc" && hasValue) {
            real = argv[++i];
        } else if (arg == "--stock" && hasValue) {
            stock = argv[++i];
        } else if (arg == "--in-session") {
            inSession = true;
        } else if (arg == "--no-bus") {
            withBus = false;
        } else if (arg == "--verbose") {
            verbose = true;
        } else {
            return Usage();
        }
    }
    if (runs < 1) {
        return Usage();
    }

    const std::string loadBefore = LoadAverage();
    // One uncounted run of each fills the page cache; the real one also tells the main window's
    // pixel size, which the stock window then takes on.
    const std::optional<Sample> warm = RunProbe({real}, platform);
    if (!warm) {
        return 2;
    }
    const std::string width = std::to_string(warm->width);
    const std::string height = std::to_string(warm->height);
    struct Program {
        const char* name;
        std::vector<std::string> argv;
        std::vector<double> ms, kb;
    };
    std::vector<Program> programs{{"rollcalc", {real}, {}, {}},
                                  {"stock Qt", {stock, width, height}, {}, {}}};
    for (size_t p = 1; p < programs.size(); ++p) {
        if (!RunProbe(programs[p].argv, platform)) {
            return 2;
        }
    }

    for (int i = 0; i < runs; ++i) {
        if (verbose) {
            std::printf("run %2d:", i + 1);
        }
        for (size_t k = 0; k < programs.size(); ++k) {
            Program& program = programs[(static_cast<size_t>(i) + k) % programs.size()];
            const std::optional<Sample> sample = RunProbe(program.argv, platform);
            if (!sample) {
                return 2;
            }
            if (sample->width != warm->width || sample->height != warm->height) {
                std::fprintf(stderr, "%s showed %dx%d, not %dx%d\n", program.name, sample->width,
                             sample->height, warm->width, warm->height);
                return 2;
            }
            program.ms.push_back(sample->ms);
            program.kb.push_back(static_cast<double>(sample->peakKb));
            if (verbose) {
                std::printf("  %s %.1f ms %ld KiB", program.name, sample->ms, sample->peakKb);
            }
        }
        if (verbose) {
            std::printf("\n");
        }
    }
    const std::string loadAfter = LoadAverage();

    std::printf("Start-up to first paint, QT_QPA_PLATFORM=%s, %s, %d runs each, taking turns, "
                "window %dx%d\n",
                platform.c_str(), inSession ? "inside dbus-run-session" : "as started", runs,
                warm->width, warm->height);
    std::printf("  %-26s %12s   %-18s %s\n", "", "median", "[p25 .. p75]", "[min .. max]");
    std::vector<Summary> times, memories;
    for (const Program& program : programs) {
        times.push_back(Summarise(program.ms));
        PrintRow(("time, " + std::string(program.name)).c_str(), "ms ", 1, times.back());
    }
    for (const Program& program : programs) {
        memories.push_back(Summarise(program.kb));
        PrintRow(("peak RSS, " + std::string(program.name)).c_str(), "KiB", 0, memories.back());
    }
    const double timeRatio = times[0].median / times[1].median;
    const double memoryRatio = memories[0].median / memories[1].median;
    const bool timeMet = timeRatio <= kTimeTarget;
    const bool memoryMet = memoryRatio <= kMemoryTarget;
    std::printf("  rollcalc / stock Qt: time %.3f (target <= %.2f: %s), memory %.3f (target "
                "<= %.2f: %s)\n",
                timeRatio, kTimeTarget, timeMet ? "met" : "MISSED", memoryRatio, kMemoryTarget,
                memoryMet ? "met" : "MISSED");
    std::printf("  load average before %s, after %s\n", loadBefore.c_str(), loadAfter.c_str());
    int status = timeMet && memoryMet ? 0 : 1;
    if (!inSession && withBus) {
        // The second run: this program again, inside its own session bus.
        std::fflush(stdout);
        char self[4096] = {};
        if (readlink("/proc/self/exe", self, sizeof self - 1) <= 0) {
            return 2;
        }
        std::vector<std::string> again{"dbus-run-session", "--", self, "--in-session"};
        for (int i = 1; i < argc; ++i) {
            again.push_back(argv[i]);
        }
        std::vector<char*> args;
        for (std::string& a : again) {
            args.push_back(a.data());
        }
        args.push_back(nullptr);
        pid_t pid = 0;
        if (posix_spawnp(&pid, "dbus-run-session", nullptr, nullptr, args.data(), environ) != 0) {
            std::fprintf(stderr, "cannot start dbus-run-session\n");
            return 2;
        }
        int wstatus = 0;
        waitpid(pid, &wstatus, 0);
        const int second = WIFEXITED(wstatus) ? WEXITSTATUS(wstatus) : 2;
        status = std::max(status, second);
    }
    return status;
}
