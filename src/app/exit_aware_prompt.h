// SPDX-FileCopyrightText: 2026 The Zorbel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "platform/user_prompt.h"

// Passes messages and questions on to the real prompt until the clock starts closing. From
// then on nothing may block the exit: a message is dropped and a question answered No, the
// answer that changes nothing.
class ExitAwarePrompt : public UserPrompt {
public:
    explicit ExitAwarePrompt(UserPrompt& prompt) : prompt_(prompt) {}

    void Silence() { silenced_ = true; }

    void ShowMessage(const QString& caption, const QString& text) override;
    using UserPrompt::Ask;
    Answer Ask(const QString& caption, const QString& text, Answer defaultAnswer) override;

private:
    UserPrompt& prompt_;
    bool silenced_ = false;
};
