#include "app/clock_program.h"

#include "app/command_line.h"
#include "app/main_form.h"
#include "app/program_icon.h"
#include "app/store_persistence.h"
#include "app/widget_prompt.h"
#include "platform/clock_source.h"
#include "platform/desktop_help_viewer.h"
#include "platform/single_instance.h"
#include "platform/termination_signals.h"

#include <QApplication>
#include <QSessionManager>
#include <cstdio>

namespace {

constexpr int ExitAlreadyRunning = -1; // 255 as the shell sees it
constexpr int ExitUsage = 2;

void Print(std::FILE* stream, const QString& text) {
    std::fputs(text.toLocal8Bit().constData(), stream);
    std::fflush(stream);
}

int RunClock(QApplication& application, const CommandLine& command) {
    WidgetPrompt prompt;
    SingleInstance instance;
    switch (instance.Acquire()) {
    case SingleInstance::Result::Failed:
        return ExitAlreadyRunning;
    case SingleInstance::Result::AlreadyRunning:
        prompt.ShowMessage(QString(), QStringLiteral("すでに起動されています。"));
        return ExitAlreadyRunning;
    case SingleInstance::Result::First:
        break;
    }

    application.setQuitOnLastWindowClosed(false);
    DesktopHelpViewer help;
    SystemClockSource clock;
    const std::unique_ptr<SettingsPersistence> settings =
        MakeStorePersistence(command.settingsFile, prompt);
    TMainForm form(ClockServices{prompt, help, clock, *settings});

    // Shutdown and log-off close the clock as the menu's exit does, so nothing is lost.
    TerminationSignals termination;
    QObject::connect(&termination, &TerminationSignals::TerminationRequested, &form,
                     &QWidget::close);
    QObject::connect(&application, &QGuiApplication::commitDataRequest, &form,
                     [&form](QSessionManager&) { form.close(); });

    form.show();
    return application.exec();
}

} // namespace

int RunClockProgram(QApplication& application) {
    QApplication::setApplicationName(QStringLiteral("zorbel"));
    QApplication::setApplicationDisplayName(QStringLiteral("Zorbel"));
    QApplication::setApplicationVersion(QStringLiteral("4.0"));
    QApplication::setWindowIcon(ProgramIcon());

    const CommandLine command = CommandLine::Parse(application.arguments().mid(1));
    switch (command.mode) {
    case CommandLine::Mode::Invalid:
        Print(stderr, QStringLiteral("zorbel: %1\n\n").arg(command.error) + CommandLine::Usage());
        return ExitUsage;
    case CommandLine::Mode::ShowHelp:
        Print(stdout, CommandLine::Usage());
        return 0;
    case CommandLine::Mode::ShowVersion:
        Print(stdout, QStringLiteral("Zorbel 4.0\n"));
        return 0;
    case CommandLine::Mode::Render:
    case CommandLine::Mode::Clock:
        break;
    }
    return RunClock(application, command);
}
