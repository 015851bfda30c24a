#pragma once

// Stand-ins for the services the clock hands its windows and runs: each records what it was
// asked and answers as the test sets it.

#include "platform/app_launcher.h"
#include "platform/dial_up.h"
#include "platform/help_viewer.h"
#include "platform/sound_player.h"
#include "settings/settings_saver.h"

#include <QString>
#include <QStringList>
#include <vector>

class RecordingHelp : public HelpViewer {
public:
    void ShowTopic(int context) override { topics.push_back(context); }
    std::vector<int> topics;
};

class CountingSaver : public SettingsSaver {
public:
    SaveResult SaveSettings() override {
        ++saves;
        return result;
    }
    int saves = 0;
    SaveResult result = SaveResult::Saved();
};

class RecordingSound : public SoundPlayer {
public:
    void PlayAsync(const QString& file) override { played << file; }
    QStringList played;
};

// Programs started with their arguments and documents opened, each answered with `succeeds`.
class RecordingLauncher : public AppLauncher {
public:
    struct Start {
        QString file;
        QString options;
        QString folder;
        int showType;
    };
    bool Launch(const QString& file, const QString& options, const QString& folder,
                int showType) override {
        starts.push_back({file, options, folder, showType});
        return succeeds;
    }
    bool Open(const QString& file) override {
        opened << file;
        return succeeds;
    }

    std::vector<Start> starts;
    QStringList opened;
    bool succeeds = true;
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
