// SPDX-FileCopyrightText: 2026 The Zorbel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The clock window's shape, by the number Form_Window_Type stores. A stored number that is
// none of these is kept as it is; such a window keeps whatever outline it has.
enum class WindowShape : int { Rectangle = 0, Ellipse = 1, RoundedRectangle = 2 };

constexpr WindowShape StoredWindowShape(int type) {
    return static_cast<WindowShape>(type);
}

constexpr int StoredNumber(WindowShape shape) {
    return static_cast<int>(shape);
}

// How the clock window stands among the others. The settings keep it as the TopMost and
// MouseHide attribute bits; the numbers are the display dialog's and the menu's order.
enum class DisplayMode : int { Normal = 0, TopMost = 1, MouseHide = 2 };
