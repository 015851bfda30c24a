// SPDX-FileCopyrightText: 2026 The Zorbel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/command_line.h"

#include <QDir>
#include <gtest/gtest.h>

using Mode = CommandLine::Mode;

TEST(CommandLine, NoArgumentsStartsTheClock) {
    const CommandLine parsed = CommandLine::Parse({});
    EXPECT_EQ(parsed.mode, Mode::Clock);
    EXPECT_TRUE(parsed.settingsFile.isEmpty());
}

TEST(CommandLine, ReadsSettingsRenderAndTime) {
    const CommandLine parsed = CommandLine::Parse(
        {"--settings", "/tmp/z.reg", "--render", "out.png", "--at", "2002-12-06 07:05:09"});
    EXPECT_EQ(parsed.mode, Mode::Render);
    EXPECT_EQ(parsed.settingsFile, QStringLiteral("/tmp/z.reg"));
    EXPECT_EQ(parsed.renderOutput, QStringLiteral("out.png"));
    EXPECT_EQ(parsed.renderAt, QDateTime(QDate(2002, 12, 6), QTime(7, 5, 9)));
    EXPECT_EQ(parsed.renderScale, 1);
    for (const qreal scale : {1.0, 1.5, 2.0, 8.0}) {
        EXPECT_EQ(CommandLine::Parse({"--render", "out.png", "--scale", QString::number(scale)})
                      .renderScale,
                  scale);
    }
}

TEST(CommandLine, RefusesWhatItDoesNotKnow) {
    struct Case {
        QStringList arguments;
        const char* why;
    };
    const Case cases[] = {
        {{"--bogus"}, "unknown option"},
        {{"stray"}, "stray word"},
        {{"--settings"}, "missing file"},
        {{"--render"}, "missing output"},
        {{"--render", "a.png", "--at", "yesterday"}, "bad time"},
        {{"--at", "2002-12-06 07:05:09"}, "--at without --render"},
        {{"--render", "a.png", "--render", "b.png"}, "two commands"},
        {{"--render", "a.png", "--scale"}, "missing scale"},
        {{"--render", "a.png", "--scale", "0.5"}, "scale below 1"},
        {{"--render", "a.png", "--scale", "9"}, "scale above 8"},
        {{"--render", "a.png", "--scale", "nan"}, "scale not a number"},
        {{"--render", "a.png", "--scale", "two"}, "scale in words"},
        {{"--scale", "2"}, "--scale without --render"},
    };
    for (const Case& item : cases) {
        const CommandLine parsed = CommandLine::Parse(item.arguments);
        EXPECT_EQ(parsed.mode, Mode::Invalid) << item.why;
        EXPECT_FALSE(parsed.error.isEmpty()) << item.why;
    }
}

TEST(CommandLine, HelpAndVersionWinOverEverythingElse) {
    EXPECT_EQ(CommandLine::Parse({"--settings", "x", "--help"}).mode, Mode::ShowHelp);
    EXPECT_EQ(CommandLine::Parse({"--version"}).mode, Mode::ShowVersion);
    EXPECT_TRUE(CommandLine::Usage().contains("--render"));
}

TEST(CommandLine, TheSettingsFileIsPassedOnAsAnAbsolutePath) {
    EXPECT_TRUE(CommandLine::Parse({}).SettingsArguments().isEmpty());
    EXPECT_EQ(CommandLine::Parse({"--settings", "/tmp/z.reg"}).SettingsArguments(),
              QStringList({"--settings", "/tmp/z.reg"}));
    EXPECT_EQ(CommandLine::Parse({"--settings", "mine/z.reg"}).SettingsArguments(),
              QStringList({"--settings", QDir::current().absoluteFilePath("mine/z.reg")}));
}
