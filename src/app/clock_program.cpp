// SPDX-FileCopyrightText: 2026 The Zorbel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/clock_program.h"

#include "app/command_line.h"
#include "app/main_form.h"
#include "app/program_icon.h"
#include "app/store_persistence.h"
#include "app/widget_prompt.h"
#include "core/program_version.h"
#include "dialogs/standard_choosers.h"
#include "face/face_snapshot.h"
#include "mail/mail_passwords.h"
#include "mail/run_mail_check_once.h"
#include "net/pop3_client.h"
#include "platform/app_launcher.h"
#include "platform/clock_source.h"
#include "platform/data_paths.h"
#include "platform/desktop_help_viewer.h"
#include "platform/dial_up.h"
#include "platform/font_substitution.h"
#include "platform/login_start.h"
#include "platform/password_keyring.h"
#include "platform/single_instance.h"
#include "platform/sound_player.h"
#include "platform/system_clock.h"
#include "platform/termination_signals.h"
#include "timesync/check_time_command.h"

#include <QApplication>
#include <QSessionManager>
#include <algorithm>
#include <cstdio>

namespace {

constexpr int ExitAlreadyRunning = -1; // 255 as the shell sees it
constexpr int ExitUsage = 2;
// The largest face --render draws: a stored size beyond it is damage, not a wish.
constexpr int MostRenderSide = 16384;

void Print(std::FILE* stream, const QString& text) {
    std::fputs(text.toLocal8Bit().constData(), stream);
    std::fflush(stream);
}

// Message boxes are real boxes, unless ZORBEL_PROMPTS_ON_STDERR asks for them as lines on
// stderr (for scripted runs, where nobody is there to press OK).
std::unique_ptr<UserPrompt> MakePrompt() {
    if (qEnvironmentVariableIsSet("ZORBEL_PROMPTS_ON_STDERR")) {
        return std::make_unique<StderrPrompt>();
    }
    return std::make_unique<WidgetPrompt>();
}

int RunClock(QApplication& application, const CommandLine& command) {
    const std::unique_ptr<UserPrompt> promptOwner = MakePrompt();
    UserPrompt& prompt = *promptOwner;
    SingleInstance instance;
    switch (instance.Acquire()) {
    case SingleInstance::Result::Failed:
        prompt.ShowMessage(
            WarningCaption(),
            QStringLiteral("二重起動を防ぐためのロックを作成できないため、終了します。\n%1")
                .arg(instance.Problem()));
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
    const std::unique_ptr<SoundPlayer> sound = CreateSystemSoundPlayer();
    const std::unique_ptr<AppLauncher> launcher = CreateSystemAppLauncher();
    const std::unique_ptr<DialUpMonitor> dialUp = CreateSystemDialUpMonitor();
    const std::unique_ptr<SystemClockSetter> clockSetter = CreateSystemClockSetter();
    StandardChoosers choosers;
    // A clock started on its own settings file comes back on it at the next login.
    const std::unique_ptr<LoginStart> loginStart = CreateSystemLoginStart(
        QCoreApplication::applicationFilePath(), command.SettingsArguments());
    const std::unique_ptr<PasswordKeyring> keyring = CreateDesktopKeyring();
    TMainForm form(ClockServices{prompt, help, clock, *settings, *sound, *launcher, *dialUp,
                                 *clockSetter, choosers, *loginStart, *keyring, DataFolder()});

    // Shutdown and log-off close the clock as the menu's exit does, so nothing is lost.
    TerminationSignals termination;
    QObject::connect(&termination, &TerminationSignals::TerminationRequested, &form,
                     &QWidget::close);
    QObject::connect(&application, &QGuiApplication::commitDataRequest, &form,
                     [&form](QSessionManager&) { form.close(); });

    form.show();
    const int exitCode = application.exec();
    // The exit's save may have started moving passwords into the keyring.
    form.FinishKeyringCalls();
    return exitCode;
}

// Starts up as the clock does, composes the face the third tick would show and writes it
// as PNG; then saves the settings as the clock's exit does.
int RenderFace(const CommandLine& command) {
    StderrPrompt prompt;
    const std::unique_ptr<SettingsPersistence> settings =
        MakeStorePersistence(command.settingsFile, prompt);
    SettingsRecords records;
    settings->EnsureDefaults(records);
    settings->LoadSettings(records);

    const QDateTime at =
        command.renderAt.isValid() ? command.renderAt : QDateTime::currentDateTime();
    const QSize size = QSize(records.clock.Width, records.clock.Height).expandedTo(QSize(10, 10));
    // In floating point, so that a damaged size cannot overflow on the way.
    if (std::max(size.width(), size.height()) * command.renderScale > MostRenderSide) {
        const QString scaled = command.renderScale == 1
                                   ? QString()
                                   : QStringLiteral(" at scale %1").arg(command.renderScale);
        Print(stderr, QStringLiteral("zorbel: the stored clock size %1 x %2%3 is over %4 pixels a "
                                     "side; nothing is drawn\n")
                          .arg(size.width())
                          .arg(size.height())
                          .arg(scaled)
                          .arg(MostRenderSide));
        return 1;
    }
    FaceInputs inputs;
    inputs.clientSize = size;
    inputs.devicePixelRatio = command.renderScale;
    inputs.iconBar.accounts = &records.accounts;
    inputs.iconBar.accountListCount = records.clock.AccountListCount;
    const QImage face =
        RenderFaceSnapshot(records.clock, ClockTime::FromDateTime(at), inputs, DataFolder());
    if (!face.save(command.renderOutput, "PNG")) {
        Print(stderr, QStringLiteral("zorbel: cannot write %1\n").arg(command.renderOutput));
        return 1;
    }
    if (const SaveResult saved = settings->SaveSettings(records); !saved.Ok()) {
        Print(stderr, QStringLiteral("zorbel: %1\n").arg(saved.LogText()));
        return 1;
    }
    return 0;
}

// The stored records with their defaults filled in, for the commands that only report:
// nothing is written back.
SettingsRecords ReadStoredRecords(const CommandLine& command, UserPrompt& prompt) {
    const std::unique_ptr<SettingsPersistence> settings =
        MakeStorePersistence(command.settingsFile, prompt, SettingsAccess::ReadOnly);
    SettingsRecords records;
    settings->EnsureDefaults(records);
    settings->LoadSettings(records);
    return records;
}

// Reads the time server as the menu's check does and prints what the result window would
// show; never sets the clock and never writes the settings.
int CheckTime(const CommandLine& command) {
    StderrPrompt prompt;
    SettingsRecords records = ReadStoredRecords(command, prompt);
    const CheckTimeOutcome outcome =
        CheckServerTime(records.timeServer, command.timeServer, SystemClockSource());
    Print(outcome.exitCode == 0 ? stdout : stderr, outcome.lines.join(QLatin1Char('\n')) + '\n');
    return outcome.exitCode;
}

// Checks the stored mail accounts once, as the menu's mail check does, and prints the
// notification window's lines; never writes the settings.
int CheckMail(const CommandLine& command) {
    StderrPrompt prompt;
    SettingsRecords records = ReadStoredRecords(command, prompt);
    TPop3Client pop3;
    const std::unique_ptr<PasswordKeyring> keyring = CreateDesktopKeyring();
    MailPasswords passwords(*keyring, records.accounts);
    const std::unique_ptr<DialUpMonitor> dialUp = CreateSystemDialUpMonitor();
    const std::unique_ptr<SoundPlayer> sound = CreateSystemSoundPlayer();
    const MailCheckReport report =
        RunMailCheckOnce(records.accounts, records.clock, pop3, passwords, *dialUp, *sound, prompt);
    if (!report.lines.isEmpty()) {
        Print(stdout, report.lines.join(QLatin1Char('\n')) + QLatin1Char('\n'));
    }
    return report.anyError ? 1 : 0;
}

} // namespace

int RunClockProgram(QApplication& application) {
    // No display name: Qt would append it to every window title the window manager shows,
    // and each window's caption is exactly its own.
    QApplication::setApplicationName(QStringLiteral("zorbel"));
    QApplication::setApplicationVersion(QString::fromLatin1(ProgramVersion));
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
        Print(stdout, QStringLiteral("Zorbel %1\n").arg(QString::fromLatin1(ProgramVersion)));
        return 0;
    case CommandLine::Mode::Render:
        InstallFontSubstitutions();
        return RenderFace(command);
    case CommandLine::Mode::CheckTime:
        return CheckTime(command);
    case CommandLine::Mode::CheckMail:
        return CheckMail(command);
    case CommandLine::Mode::Clock:
        break;
    }
    InstallFontSubstitutions();
    return RunClock(application, command);
}
