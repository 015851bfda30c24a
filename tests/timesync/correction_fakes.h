#pragma once

#include "platform/dial_up.h"
#include "platform/help_viewer.h"
#include "platform/system_clock.h"
#include "settings/settings_saver.h"
#include "timesync/correction_host.h"

#include <QDateTime>
#include <functional>
#include <vector>

// The clock window as the correction sees it; records what the correction asked of it.
class FakeCorrectionHost : public CorrectionHost {
public:
    std::uint32_t OpenWindowMask() const override { return mask; }
    bool IsExiting() const override { return exiting; }
    bool MailCheckRunning() const override { return mailRunning; }
    void SetRunCommandsEnabled(RunCommands state) override {
        commands.push_back(state);
        commandsEnabled = state == RunCommands::Enabled;
    }
    void ResetHideDelay() override { ++hideDelayResets; }
    void OpenCorrectionResultWindow() override {
        ++resultWindows;
        commandsEnabledWhileResultShown = commandsEnabled;
        if (onResultWindow) {
            onResultWindow();
        }
    }
    void RestartTick() override { ++tickRestarts; }

    std::uint32_t mask = 0;
    bool exiting = false;
    bool mailRunning = false;
    bool commandsEnabled = true;
    bool commandsEnabledWhileResultShown = true;
    std::vector<RunCommands> commands;
    int hideDelayResets = 0;
    int resultWindows = 0;
    int tickRestarts = 0;
    std::function<void()> onResultWindow;
};

class FakeDialUp : public DialUpMonitor {
public:
    bool CheckDialUpConnected() override {
        ++checks;
        return connected;
    }
    bool connected = false;
    int checks = 0;
};

// The computer's clock: a settable instant that records every setting; it can refuse the
// n-th setting, as a system without the right to change the time does.
class FakeSystemClock : public SystemClockSetter {
public:
    explicit FakeSystemClock(QDateTime start = QDateTime(QDate(2002, 12, 7), QTime(6, 30, 4, 120)))
        : now(std::move(start)) {}

    QDateTime LocalTime() const override { return now; }
    bool SetLocalTime(const QDateTime& local) override {
        ++attempts;
        if (onSet) {
            onSet();
        }
        if (attempts >= refuseFromAttempt) {
            return false;
        }
        settings.push_back(local);
        now = local;
        return true;
    }

    QDateTime now;
    std::vector<QDateTime> settings;
    int attempts = 0;
    int refuseFromAttempt = 1 << 30;
    std::function<void()> onSet;
};

class CountingSaver : public SettingsSaver {
public:
    void SaveSettings() override { ++saves; }
    int saves = 0;
};

class RecordingHelp : public HelpViewer {
public:
    void ShowTopic(int context) override { topics.push_back(context); }
    std::vector<int> topics;
};
