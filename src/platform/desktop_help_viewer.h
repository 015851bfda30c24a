// SPDX-FileCopyrightText: 2026 The Zorbel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "platform/help_viewer.h"

#include <QString>

// Shows the program's own HTML help pages (help/<topic>.html in the data folder) in the
// desktop's browser.
class DesktopHelpViewer : public HelpViewer {
public:
    void ShowTopic(int context) override;
    static QString PageForTopic(int context);
};
