// SPDX-FileCopyrightText: 2026 The Zorbel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Saves the settings file over and over, alternating two record sets, until it is killed or
// has saved COUNT times: settings_save_child FILE COUNT. Prints "ready" after the first save.
#include "platform/registry_file.h"
#include "platform/user_prompt.h"
#include "save_child_records.h"
#include "settings/settings_store.h"

#include <QCoreApplication>
#include <cstdio>

int main(int argc, char** argv) {
    QCoreApplication application(argc, argv);
    if (argc != 3) {
        std::fprintf(stderr, "usage: settings_save_child FILE COUNT\n");
        return 2;
    }
    const QString path = QString::fromLocal8Bit(argv[1]);
    const int count = QString::fromLatin1(argv[2]).toInt();
    StderrPrompt prompt;
    for (int i = 0; i < count; ++i) {
        SettingsRecords records = SaveChildRecords(i % 2);
        RegistryFile registry(path);
        SettingsStore(records, registry, prompt, {QSize(1920, 1080), QStringLiteral("/tmp")})
            .SaveSettings();
        if (i == 0) {
            std::printf("ready\n");
            std::fflush(stdout);
        }
    }
    return 0;
}
