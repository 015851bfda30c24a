// SPDX-FileCopyrightText: 2026 The Zorbel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/exit_aware_prompt.h"

void ExitAwarePrompt::ShowMessage(const QString& caption, const QString& text) {
    if (!silenced_) {
        prompt_.ShowMessage(caption, text);
    }
}

UserPrompt::Answer ExitAwarePrompt::Ask(const QString& caption, const QString& text,
                                        Answer defaultAnswer) {
    return silenced_ ? Answer::No : prompt_.Ask(caption, text, defaultAnswer);
}
