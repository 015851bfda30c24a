// SPDX-FileCopyrightText: 2026 The Zorbel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/widget_prompt.h"

#include <QApplication>
#include <QMessageBox>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

// Enter answers a question with its default, so that a question whose Yes is hard to undo
// can default to No.
TEST(WidgetPromptTest, EnterGivesTheQuestionsDefault) {
    for (const UserPrompt::Answer defaultAnswer :
         {UserPrompt::Answer::Yes, UserPrompt::Answer::No}) {
        WidgetPrompt prompt;
        QTimer pressEnter;
        QObject::connect(&pressEnter, &QTimer::timeout, [] {
            if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
                QTest::keyClick(box, Qt::Key_Return);
            }
        });
        pressEnter.start(50);
        EXPECT_EQ(prompt.Ask(QStringLiteral("警告"), QStringLiteral("?"), defaultAnswer),
                  defaultAnswer);
    }
}
