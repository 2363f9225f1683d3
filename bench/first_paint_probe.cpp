// Linked into a start-up benchmark program: when the first window has painted its first frame,
// prints how long the process took to get there and its peak resident memory so far, then ends
// the process at once, so that tear-down never counts.
#include <QApplication>
#include <QCoreApplication>
#include <QEvent>
#include <QWidget>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <fstream>
#include <sstream>
#include <string>
#include <unistd.h>

namespace {

constexpr const char* kSpawnVariable = "ROLLCALC_PROBE_SPAWN_NS";

long long ClockNs(clockid_t clock) {
    timespec ts{};
    clock_gettime(clock, &ts);
    return static_cast<long long>(ts.tv_sec) * 1000000000LL + ts.tv_nsec;
}

// The benchmark hands over the monotonic time just before it spawned the process, which counts
// the exec and the dynamic loader too. Run by hand, the kernel's record of the start stands in,
// in clock ticks (usually 10 ms), which is coarse but still tells the order of magnitude.
long long NsSinceStart() {
    if (const char* spawned = std::getenv(kSpawnVariable); spawned != nullptr) {
        return ClockNs(CLOCK_MONOTONIC) - std::atoll(spawned);
    }
    std::ifstream stat("/proc/self/stat");
    std::string line;
    std::getline(stat, line);
    // Fields after the command name, which may itself hold blanks, start at its closing bracket.
    std::istringstream fields(line.substr(line.rfind(')') + 2));
    std::string field;
    long long startTicks = 0;
    for (int index = 3; fields >> field; ++index) {
        if (index == 22) {
            startTicks = std::atoll(field.c_str());
            break;
        }
    }
    const long long ticksPerSecond = sysconf(_SC_CLK_TCK);
    return ClockNs(CLOCK_BOOTTIME) - startTicks * (1000000000LL / ticksPerSecond);
}

long StatusKb(const char* key) {
    std::ifstream status("/proc/self/status");
    std::string line;
    const size_t keyLength = std::strlen(key);
    while (std::getline(status, line)) {
        if (line.compare(0, keyLength, key) == 0) {
            return std::atol(line.c_str() + keyLength);
        }
    }
    return -1;
}

class FirstPaintProbe : public QObject {
public:
    using QObject::QObject;

    bool eventFilter(QObject* watched, QEvent* event) override {
        if (!seen_ && event->type() == QEvent::Paint && watched->isWidgetType()) {
            seen_ = true;
            QWidget* window = static_cast<QWidget*>(watched)->window();
            // The window's children paint and the frame reaches the screen within the delivery
            // this paint belongs to; a queued call runs as soon as that has returned.
            QMetaObject::invokeMethod(
                this, [window] { Report(window); }, Qt::QueuedConnection);
        }
        return false;
    }

private:
    static void Report(const QWidget* window) {
        const long long ns = NsSinceStart();
        const long peakKb = StatusKb("VmHWM:");
        const long residentKb = StatusKb("VmRSS:");
        std::printf("first_paint_ns=%lld vm_hwm_kb=%ld vm_rss_kb=%ld width=%d height=%d\n", ns,
                    peakKb, residentKb, window->width(), window->height());
        std::fflush(stdout);
        // Where the memory went, for looking into a missed target.
        if (const char* path = std::getenv("ROLLCALC_PROBE_SMAPS"); path != nullptr) {
            std::ifstream smaps("/proc/self/smaps");
            std::ofstream(path) << smaps.rdbuf();
        }
        _exit(0);
    }

    bool seen_ = false;
};

void InstallFirstPaintProbe() {
    QCoreApplication* application = QCoreApplication::instance();
    application->installEventFilter(new FirstPaintProbe(application));
}

} // namespace

Q_COREAPP_STARTUP_FUNCTION(InstallFirstPaintProbe)
