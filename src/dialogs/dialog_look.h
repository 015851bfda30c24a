// SPDX-FileCopyrightText: 2026 The Zorbel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QFont>

class QWidget;

// The Japanese user-interface font of the windows, "ＭＳ Ｐゴシック" at 12 pixels; the program
// maps the name to an installed font at start.
QFont DialogFont();

// Places a window in the middle of the screen it is on.
void CentreOnDesktop(QWidget& window);
