// SPDX-FileCopyrightText: 2026 The Zorbel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

// The caption of every warning and question the clock shows.
inline QString WarningCaption() {
    return QStringLiteral("警告");
}

// Message boxes and yes/no questions. Windows show them through this interface so that
// tests can answer them and headless commands can print them instead of blocking.
class UserPrompt {
public:
    enum class Answer { Yes, No };

    virtual ~UserPrompt() = default;
    // A message with an OK button. An empty caption gives a plain box with the program's title.
    virtual void ShowMessage(const QString& caption, const QString& text) = 0;
    // A question with Yes and No buttons; `defaultAnswer` is the button Enter presses.
    virtual Answer Ask(const QString& caption, const QString& text, Answer defaultAnswer) = 0;
    // A question whose default is Yes.
    Answer Ask(const QString& caption, const QString& text) {
        return Ask(caption, text, Answer::Yes);
    }
};

// For commands that run without a window: writes "CAPTION: TEXT" to stderr and answers every
// question with the one answer it was made with.
class StderrPrompt : public UserPrompt {
public:
    explicit StderrPrompt(Answer defaultAnswer = Answer::No) : defaultAnswer_(defaultAnswer) {}
    using UserPrompt::Ask;
    void ShowMessage(const QString& caption, const QString& text) override;
    Answer Ask(const QString& caption, const QString& text, Answer defaultAnswer) override;

private:
    Answer defaultAnswer_;
};
