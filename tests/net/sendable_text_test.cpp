// SPDX-FileCopyrightText: 2026 The Zorbel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "net/sendable_text.h"

#include <QString>
#include <gtest/gtest.h>

TEST(NetSendableText, CredentialsWithLineBreaksOrNulCannotBeSent) {
    EXPECT_TRUE(SendableInACommand(QStringLiteral("alice@example.jp pass word")));
    for (const QString& credential :
         {QStringLiteral("alice\r\nDELE 1"), QStringLiteral("alice\n"), QStringLiteral("\ralice"),
          QString::fromLatin1("ali\0ce", 6)}) {
        EXPECT_FALSE(SendableInACommand(credential)) << credential.toStdString();
    }
}
