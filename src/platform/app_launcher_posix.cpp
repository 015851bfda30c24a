#include "platform/app_launcher.h"

#include <QDir>
#include <QFileInfo>
#include <QProcess>

namespace {

// Starts executables with QProcess so that the options reach the program as separate
// arguments exactly as written, never interpreted by a shell. Documents go to xdg-open,
// which picks the desktop's application for them. The window state is left to the started
// program and the desktop: X11 offers no general way to ask another program for one.
class ProcessAppLauncher : public AppLauncher {
public:
    bool Launch(const QString& file, const QString& options, const QString& folder,
                int showType) override {
        const QFileInfo info(file);
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
        if (info.isExecutable()) {
            return QProcess::startDetached(path, QProcess::splitCommand(options), workingFolder);
        }
        return QProcess::startDetached(QStringLiteral("xdg-open"), {path}, workingFolder);
    }

    bool Open(const QString& file) override { return Launch(file, {}, {}, ShowNormal); }
};

} // namespace

std::unique_ptr<AppLauncher> CreateSystemAppLauncher() {
    return std::make_unique<ProcessAppLauncher>();
}
