// SPDX-FileCopyrightText: 2026 The Zorbel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <functional>
#include <memory>

class QWindow;

// Whether windows of other programs lie over one of ours, for the hide-under-mouse step: a
// cursor over such a window is inside the clock's rectangle without the clock hearing of it.
// On X11 the server announces every change of the screens' stacking (a window mapped,
// unmapped, moved, resized or restacked), and the stacking is asked for again only after one.
// Off screen nothing can cover the window; on other window systems, which tell nothing of
// the other windows, it may always be covered.
class WindowStacking {
public:
    // `changed` is called when the answer may have changed since it was last asked for.
    explicit WindowStacking(std::function<void()> changed = {});
    ~WindowStacking();
    WindowStacking(const WindowStacking&) = delete;
    WindowStacking& operator=(const WindowStacking&) = delete;

    // Whether a mapped window lies above `window` over its outer rectangle or the column
    // and row just beyond it, which count as inside too.
    bool MayBeCovered(const QWindow& window);

private:
    class X11Watch;

    bool offScreen_ = false;
    std::unique_ptr<X11Watch> x11_;
};
