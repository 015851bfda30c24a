// SPDX-FileCopyrightText: 2026 The Zorbel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QPoint>
#include <QRect>
#include <Qt>

class QMouseEvent;
class QWidget;

// Moving the clock by dragging it anywhere, and resizing it by its frame. The window
// system's own move or resize is used where there is one; without a window manager the
// window is moved and sized by hand from the mouse events. The drag starts once the mouse
// has moved a little with the button held, so a double-click still reaches the window.
class WindowDrag {
public:
    explicit WindowDrag(QWidget& window) : window_(window) {}

    // A left-button press; `edges` is the part of the frame under the cursor (none for a move).
    void Press(QMouseEvent* event, Qt::Edges edges);
    // True while the event belongs to a drag.
    bool Move(QMouseEvent* event);
    void Release();

private:
    void Start();

    enum class State { Idle, Pressed, SystemDrag, ManualDrag };
    QWidget& window_;
    State state_ = State::Idle;
    Qt::Edges edges_;
    QPoint startCursor_;
    QRect startGeometry_;
};
