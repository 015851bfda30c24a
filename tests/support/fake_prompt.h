// SPDX-FileCopyrightText: 2026 The Zorbel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "platform/user_prompt.h"

#include <QStringList>
#include <deque>

// Records every message and question; questions take the queued answers, then the default.
class FakePrompt : public UserPrompt {
public:
    struct Shown {
        QString caption;
        QString text;
        Answer defaultButton = Answer::Yes; // of a question: what Enter would answer
    };

    using UserPrompt::Ask;
    void ShowMessage(const QString& caption, const QString& text) override {
        messages.push_back({caption, text});
    }
    Answer Ask(const QString& caption, const QString& text, Answer defaultButton) override {
        questions.push_back({caption, text, defaultButton});
        if (answers.empty()) {
            return defaultAnswer;
        }
        const Answer next = answers.front();
        answers.pop_front();
        return next;
    }

    std::vector<Shown> messages;
    std::vector<Shown> questions;
    std::deque<Answer> answers;
    Answer defaultAnswer = Answer::Yes;
};
