// SPDX-FileCopyrightText: 2026 The Zorbel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/window_drag.h"

#include "app/window_frame.h"

#include <QApplication>
#include <QMouseEvent>
#include <QWidget>
#include <QWindow>

void WindowDrag::Press(QMouseEvent* event, Qt::Edges edges) {
    state_ = State::Pressed;
    edges_ = edges;
    startCursor_ = event->globalPosition().toPoint();
    startGeometry_ = window_.frameGeometry();
}

void WindowDrag::Start() {
    QWindow* window = window_.windowHandle();
    const bool system = window != nullptr &&
                        (edges_ ? window->startSystemResize(edges_) : window->startSystemMove());
    state_ = system ? State::SystemDrag : State::ManualDrag;
}

bool WindowDrag::Move(QMouseEvent* event) {
    if (state_ == State::Idle || !(event->buttons() & Qt::LeftButton)) {
        state_ = State::Idle;
        return false;
    }
    const QPoint delta = event->globalPosition().toPoint() - startCursor_;
    if (state_ == State::Pressed) {
        if (delta.manhattanLength() < QApplication::startDragDistance()) {
            return true;
        }
        Start();
    }
    if (state_ == State::ManualDrag) {
        if (edges_) {
            window_.setGeometry(ResizedFrameGeometry(startGeometry_, edges_, delta,
                                                     window_.minimumSize(), window_.maximumSize()));
        } else {
            window_.move(startGeometry_.topLeft() + delta);
        }
    }
    return true;
}

void WindowDrag::Release() {
    state_ = State::Idle;
}
