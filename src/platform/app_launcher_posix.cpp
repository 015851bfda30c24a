// SPDX-FileCopyrightText: 2026 The Zorbel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/event_wait.h"
#include "platform/app_launcher.h"

#include <QDir>
#include <QFileInfo>
#include <QMimeDatabase>
#include <QProcess>
#include <QTimer>
#include <chrono>

namespace {

// How long the desktop's opener is given to say whether it could open a document. An opener
// that is still running then is running the document's application itself.
constexpr std::chrono::milliseconds OpenerVerdictTime{5000};

// Hands a document to xdg-open and takes its exit status as the verdict: 0 when an
// application accepted the document, another status when none could. The wait sleeps in the
// event loop, so the clock keeps ticking.
bool OpenDocument(const QString& path, const QString& workingFolder) {
    auto* opener = new QProcess;
    opener->setWorkingDirectory(workingFolder);
    bool ended = false;
    EventWait verdict;
    QTimer patience;
    patience.setSingleShot(true);
    QObject::connect(&patience, &QTimer::timeout, [&verdict] { verdict.Wake(); });
    QObject::connect(opener, &QProcess::finished, opener, [&] {
        ended = true;
        verdict.Wake();
    });
    QObject::connect(opener, &QProcess::errorOccurred, opener, [&](QProcess::ProcessError error) {
        if (error == QProcess::FailedToStart) {
            ended = true;
            verdict.Wake();
        }
    });
    opener->start(QStringLiteral("xdg-open"), {path});
    patience.start(OpenerVerdictTime);
    const auto outcome = verdict.Until([&] { return ended || !patience.isActive(); });
    QObject::disconnect(opener, nullptr, opener, nullptr);
    if (!ended && outcome == EventWait::Outcome::ConditionMet) {
        // Still running: the opener runs the application itself and is left to it.
        QObject::connect(opener, &QProcess::finished, opener, &QObject::deleteLater);
        return true;
    }
    const bool accepted = ended && opener->error() != QProcess::FailedToStart &&
                          opener->exitStatus() == QProcess::NormalExit && opener->exitCode() == 0;
    delete opener;
    return accepted;
}

// A file runs when it is marked executable and is a program by its type: a binary of this
// system or a script. The mark alone does not decide: on FAT and NTFS mounts every file
// carries it, and a document there is to be opened, not run.
bool IsProgram(const QFileInfo& info) {
    if (!info.isExecutable()) {
        return false;
    }
    const QMimeType type = QMimeDatabase().mimeTypeForFile(info);
    for (const char* binary :
         {"application/x-executable", "application/x-sharedlib", "application/x-pie-executable"}) {
        if (type.name() == QLatin1String(binary)) {
            return true;
        }
    }
    // Scripts are text the desktop also counts as executable (shell, Python, Perl ...);
    // binaries of other systems and game images count as executable but are not text.
    return type.inherits(QStringLiteral("text/plain")) &&
           type.inherits(QStringLiteral("application/x-executable"));
}

// Starts programs with QProcess so that the options reach the program as separate
// arguments exactly as written, never interpreted by a shell. Documents go to xdg-open,
// which picks the desktop's application for them. The window state is left to the started
// program and the desktop: X11 offers no general way to ask another program for one.
class ProcessAppLauncher : public AppLauncher {
public:
    bool Launch(const QString& file, const QString& options, const QString& folder,
                int showType) override {
        const QFileInfo info(ResolveFile(file, folder));
        if (file.isEmpty() || !info.isFile()) {
            return false;
        }
        if (showType != ShowNormal && showType != ShowMinimised && showType != ShowMaximised) {
            return false;
        }
        // A working folder that does not exist is ignored, the start goes ahead without it.
        const QString workingFolder =
            !folder.isEmpty() && QFileInfo(folder).isDir() ? folder : QString();
        const QString path = info.absoluteFilePath();
        if (IsProgram(info)) {
            return QProcess::startDetached(path, QProcess::splitCommand(options), workingFolder);
        }
        return OpenDocument(path, workingFolder);
    }

    bool Open(const QString& file) override { return Launch(file, {}, {}, ShowNormal); }
};

} // namespace

std::unique_ptr<AppLauncher> CreateSystemAppLauncher() {
    return std::make_unique<ProcessAppLauncher>();
}
