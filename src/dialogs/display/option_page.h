// SPDX-FileCopyrightText: 2026 The Zorbel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QWidget>

class OptionEditing;

// One tab of the display settings dialog. It fills its controls from the working copy and
// derives their enabling from it; its handlers edit the copy through OptionEditing.
class OptionPage : public QWidget {
    Q_OBJECT
public:
    OptionPage(OptionEditing& editing, QWidget* parent);

    virtual void Fill() = 0;
    virtual void UpdateEnabling() = 0;

protected:
    OptionEditing& editing_;
};
