// SPDX-FileCopyrightText: 2026 The Zorbel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "platform/user_prompt.h"

class QWidget;

// Message boxes and questions shown as real modal boxes.
class WidgetPrompt : public UserPrompt {
public:
    void ShowMessage(const QString& caption, const QString& text) override;
    using UserPrompt::Ask;
    Answer Ask(const QString& caption, const QString& text, Answer defaultAnswer) override;
};
