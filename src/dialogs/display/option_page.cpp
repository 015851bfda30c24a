// SPDX-FileCopyrightText: 2026 The Zorbel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "dialogs/display/option_page.h"

OptionPage::OptionPage(OptionEditing& editing, QWidget* parent)
    : QWidget(parent), editing_(editing) {}
