// SPDX-FileCopyrightText: 2026 The Zorbel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "net/nth_word.h"

#include <gtest/gtest.h>

TEST(NetNthWord, SplitsAtEverySingleDelimiter) {
    struct Case {
        const char* text;
        int n;
        const char* word;
    };
    for (const Case& sample : {
             Case{"+OK 2 320", 1, "+OK"},
             Case{"+OK 2 320", 2, "2"},
             Case{"+OK 2 320", 3, "320"},
             Case{"+OK 2 320", 4, ""},
             Case{"+OK 3\r\n", 2, "3\r\n"},
             Case{"a  b", 2, ""},
             Case{"a  b", 3, "b"},
             Case{" lead", 1, ""},
             Case{"trail ", 2, ""},
             Case{"", 1, ""},
             Case{"word", 1, "word"},
             Case{"word", 0, ""},
             Case{"word", -1, ""},
         }) {
        EXPECT_EQ(NthWord(QString::fromLatin1(sample.text), QLatin1Char(' '), sample.n),
                  QString::fromLatin1(sample.word))
            << '"' << sample.text << "\" " << sample.n;
    }
}
