#include "platform/shell_open.h"

#include <QDesktopServices>
#include <QProcess>
#include <QStandardPaths>
#include <QUrl>

namespace {

ShellSink& Sink() {
    static ShellSink sink;
    return sink;
}

// Runs the desktop's opener and listens for how it ends; the desktop services start it detached
// and report success whatever it then finds. Unowned, so that closing this program never ends a
// browser the opener has turned into.
bool RunOpener(const QString& opener, const QUrl& url, const ShellFailure& failedLater) {
    auto* process = new QProcess;
    process->setStandardOutputFile(QProcess::nullDevice());
    QObject::connect(process, &QProcess::finished, process,
                     [process, failedLater](int code, QProcess::ExitStatus status) {
                         if ((status != QProcess::NormalExit || code != 0) && failedLater) {
                             failedLater();
                         }
                         process->deleteLater();
                     });
    process->start(opener, {url.toString(QUrl::FullyEncoded)});
    if (!process->waitForStarted()) {
        delete process;
        return false;
    }
    return true;
}

} // namespace

void SetShellSink(ShellSink sink) {
    Sink() = std::move(sink);
}

bool ShellOpen(const std::string& verb, const std::string& target,
               const ShellFailure& failedLater) {
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
    if (!url.isValid()) {
        return false;
    }
#if defined(__unix__) && !defined(__APPLE__)
    if (const QString opener = QStandardPaths::findExecutable(QStringLiteral("xdg-open"));
        !opener.isEmpty()) {
        return RunOpener(opener, url, failedLater);
    }
#else
    Q_UNUSED(failedLater);
#endif
    return QDesktopServices::openUrl(url);
}
