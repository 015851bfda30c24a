// SPDX-FileCopyrightText: 2026 The Zorbel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// Stand-ins for the services the clock hands its windows and runs: each records what it was
// asked and answers as the test sets it.

#include "platform/app_launcher.h"
#include "platform/dial_up.h"
#include "platform/help_viewer.h"
#include "platform/password_keyring.h"
#include "platform/sound_player.h"
#include "settings/settings_saver.h"

#include <QObject>
#include <QString>
#include <QStringList>
#include <QTimer>
#include <map>
#include <optional>
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

// A keyring in memory that answers from the event loop `delay` ms after each call, or never
// while `answering` is false. With `failure` set every call fails that way, as a keyring that
// is missing (Failed) or locked with its unlock refused (NotFound) does. Calls are recorded.
class FakeKeyring : public PasswordKeyring {
public:
    void Read(const QString& entry, ReadAnswer answer) override {
        calls << "read " + entry;
        Later([this, entry, answer] {
            const auto found = entries.find(entry);
            if (failure || found == entries.end()) {
                answer(failure.value_or(Outcome::NotFound), {});
            } else {
                answer(Outcome::Done, found->second);
            }
        });
    }
    void Write(const QString& entry, const QString& password, Answer answer) override {
        calls << "write " + entry;
        Later([this, entry, password, answer] {
            if (!failure) {
                entries[entry] = password;
            }
            answer(failure.value_or(Outcome::Done));
        });
    }
    void Remove(const QString& entry, Answer answer) override {
        calls << "remove " + entry;
        Later([this, entry, answer] {
            answer(failure                    ? *failure
                   : entries.erase(entry) > 0 ? Outcome::Done
                                              : Outcome::NotFound);
        });
    }

    std::map<QString, QString> entries;
    std::optional<Outcome> failure;
    int delay = 0;
    bool answering = true;
    QStringList calls;

private:
    void Later(std::function<void()> act) {
        if (answering) {
            QTimer::singleShot(delay, &context_, std::move(act));
        }
    }
    QObject context_;
};
