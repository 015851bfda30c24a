// SPDX-FileCopyrightText: 2026 The Zorbel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/dial_up.h"
#include "temp_dir.h"

#include <QDir>
#include <gtest/gtest.h>

namespace {

struct FakeInterface {
    const char* name;
    const char* type;
    const char* flags; // nullptr: no flags file
    const char* operstate;
    const char* ifindex;
};

struct DialUpCase {
    const char* what;
    std::vector<FakeInterface> interfaces;
    bool connected;
};

TEST(MailDialUp, AnswersFromTheFirstPointToPointInterface) {
    const DialUpCase cases[] = {
        {"no interfaces", {}, false},
        {"ethernet up only", {{"eth0", "1", "0x1043", "up", "2"}}, false},
        {"ppp up and running", {{"ppp0", "512", "0x10d1", "unknown", "3"}}, true},
        {"ppp up, not running", {{"ppp0", "512", "0x1091", "unknown", "3"}}, false},
        {"ppp down", {{"ppp0", "512", "0x1090", "down", "3"}}, false},
        {"first ppp down, second up",
         {{"ppp1", "512", "0x10d1", "unknown", "9"}, {"ppp0", "512", "0x1090", "down", "4"}},
         false},
        {"flags unreadable, operstate up", {{"ppp0", "512", nullptr, "up", "3"}}, true},
        {"flags unreadable, operstate down", {{"ppp0", "512", nullptr, "down", "3"}}, false},
        {"type unreadable", {{"ppp0", "ppp", "0x10d1", "up", "3"}}, false},
    };
    for (const DialUpCase& test : cases) {
        TestFolder root;
        for (const FakeInterface& entry : test.interfaces) {
            const QString name = QString::fromLatin1(entry.name);
            QDir(root.Path()).mkpath(name);
            root.Write(name + "/type", QByteArray(entry.type) + "\n");
            if (entry.flags != nullptr) {
                root.Write(name + "/flags", QByteArray(entry.flags) + "\n");
            }
            root.Write(name + "/operstate", QByteArray(entry.operstate) + "\n");
            root.Write(name + "/ifindex", QByteArray(entry.ifindex) + "\n");
        }
        EXPECT_EQ(CreateSysfsDialUpMonitor(root.Path())->CheckDialUpConnected(), test.connected)
            << test.what;
    }
    EXPECT_FALSE(
        CreateSysfsDialUpMonitor(QStringLiteral("/nonexistent/zorbel"))->CheckDialUpConnected());
}

} // namespace
