// SPDX-FileCopyrightText: 2026 The Zorbel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// Opens the help page of one topic (100 for the clock window, 301..305 for the dialogs).
class HelpViewer {
public:
    virtual ~HelpViewer() = default;
    virtual void ShowTopic(int context) = 0;
};
