// SPDX-FileCopyrightText: 2026 The Zorbel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "core/wheel_notches.h"

#include <QTableWidget>

// The schedule dialog's month grid. It leaves selection to its owner: a click on a cell
// only reports the cell's day, and the wheel only reports its direction, so the owner's
// calendar rules decide what happens.
class CalendarGrid : public QTableWidget {
    Q_OBJECT
public:
    enum class WheelDirection { Up, Down };

    static constexpr int CellWidth = 20;
    static constexpr int CellHeight = 16;

    explicit CalendarGrid(QWidget* parent = nullptr);

    // Shows the 7 x 7 texts and selects one cell (row -1 for none).
    void ShowCells(const QStringList& texts, int selectedRow, int selectedColumn);

Q_SIGNALS:
    void DayClicked(int day);
    // A notch of the wheel in a direction; Shift held makes it a step of a year.
    void WheelTurned(CalendarGrid::WheelDirection direction, Qt::KeyboardModifiers modifiers);
    // Arrow keys: days to move the selection by (-7, -1, 1, 7).
    void DayStepRequested(int days);

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    WheelNotches wheelNotches_;
};
