#include "platform/shell_open.h"

#include <QDesktopServices>
#include <QUrl>

namespace {

ShellSink& Sink() {
    static ShellSink sink;
    return sink;
}

} // namespace

void SetShellSink(ShellSink sink) {
    Sink() = std::move(sink);
}

bool ShellOpen(const std::string& verb, const std::string& target) {
    if (Sink()) {
        return Sink()(verb, target);
    }
    QString text = QString::fromStdString(target).trimmed();
    if (text.isEmpty()) {
        return false;
    }
    // A bare host name ("www.example") has no scheme; the desktop needs one to open it as a page.
    QUrl url(text, QUrl::TolerantMode);
    if (url.scheme().isEmpty() || (url.scheme() != "mailto" && !text.contains("://"))) {
        url = QUrl::fromUserInput(text);
    }
    return url.isValid() && QDesktopServices::openUrl(url);
}
