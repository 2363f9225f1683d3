#include "platform/print_queue.h"

#include <QRegularExpression>
#include <QSizeF>
#include <cstdlib>

#if defined(__unix__) && !defined(__APPLE__)
#include <cups/cups.h>
#include <dlfcn.h>
#endif

// Where CUPS connects: what the environment names (CUPS keeps its own answer per thread, from
// the first time it was asked), else CUPS's answer once Qt's print support has loaded it.
std::string PrintServerAddress() {
#if defined(__unix__) && !defined(__APPLE__)
    if (const char* server = std::getenv("CUPS_SERVER"); server != nullptr && *server != '\0') {
        std::string address = server;
        if (address.find(':') == std::string::npos && !address.starts_with('/')) {
            address += ":631";
        }
        return address;
    }
    if (void* cups = dlopen("libcups.so.2", RTLD_LAZY | RTLD_NOLOAD)) {
        const auto server = reinterpret_cast<const char* (*)()>(dlsym(cups, "cupsServer"));
        const auto port = reinterpret_cast<int (*)()>(dlsym(cups, "ippPort"));
        std::string address = server != nullptr && server() != nullptr ? server() : "";
        // A local socket has no port.
        if (!address.empty() && !address.starts_with('/') && port != nullptr) {
            address.append(":").append(std::to_string(port()));
        }
        dlclose(cups);
        if (!address.empty()) {
            return address;
        }
    }
#endif
    return "localhost:631";
}

// The paper a queue without a driver description is set up for ("media", a PWG name such as
// na_letter_8.5x11in), read from CUPS once Qt has loaded it: Qt sees only a description's paper.
QPageSize QueuePaper(const QString& queue) {
    QPageSize paper;
#if defined(__unix__) && !defined(__APPLE__)
    void* cups = dlopen("libcups.so.2", RTLD_LAZY | RTLD_NOLOAD);
    if (cups == nullptr) {
        return paper;
    }
    // Only the types are taken from the header: the program does not link CUPS.
    const auto getDest =
        reinterpret_cast<decltype(&cupsGetNamedDest)>(dlsym(cups, "cupsGetNamedDest"));
    const auto getOption = reinterpret_cast<decltype(&cupsGetOption)>(dlsym(cups, "cupsGetOption"));
    const auto freeDests = reinterpret_cast<decltype(&cupsFreeDests)>(dlsym(cups, "cupsFreeDests"));
    cups_dest_t* dest = getDest != nullptr && getOption != nullptr && freeDests != nullptr
                            ? getDest(nullptr, queue.toUtf8().constData(), nullptr)
                            : nullptr;
    if (dest != nullptr) {
        const char* media = getOption("media", dest->num_options, dest->options);
        // The name ends in its size: _8.5x11in or _210x297mm.
        static const QRegularExpression kSize(QStringLiteral(R"(_([\d.]+)x([\d.]+)(in|mm)$)"));
        const QRegularExpressionMatch size = kSize.match(QString::fromUtf8(media ? media : ""));
        if (size.hasMatch()) {
            paper = QPageSize(QSizeF(size.captured(1).toDouble(), size.captured(2).toDouble()),
                              size.captured(3) == QLatin1String("in") ? QPageSize::Inch
                                                                      : QPageSize::Millimeter,
                              QString(), QPageSize::FuzzyMatch);
        }
        freeDests(1, dest);
    }
    dlclose(cups);
#else
    Q_UNUSED(queue);
#endif
    return paper;
}
