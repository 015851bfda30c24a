// SPDX-FileCopyrightText: 2026 The Zorbel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "dialogs/calendar_grid.h"

#include <QHeaderView>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QWheelEvent>
#include <cstdlib>

CalendarGrid::CalendarGrid(QWidget* parent) : QTableWidget(7, 7, parent) {
    horizontalHeader()->hide();
    verticalHeader()->hide();
    horizontalHeader()->setMinimumSectionSize(1);
    verticalHeader()->setMinimumSectionSize(1);
    horizontalHeader()->setDefaultSectionSize(CellWidth);
    verticalHeader()->setDefaultSectionSize(CellHeight);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setSelectionMode(QAbstractItemView::SingleSelection);
    // Two-digit days fill a 20 pixel cell; eliding them would hide the number.
    setTextElideMode(Qt::ElideNone);
    setWordWrap(false);
    setFrameShape(QFrame::Box);
    setLineWidth(1);
    setFixedSize(7 * CellWidth + 2 * frameWidth(), 7 * CellHeight + 2 * frameWidth());
    for (int row = 0; row < rowCount(); ++row) {
        for (int column = 0; column < columnCount(); ++column) {
            auto* item = new QTableWidgetItem;
            item->setTextAlignment(Qt::AlignCenter);
            item->setFlags(Qt::ItemIsEnabled);
            setItem(row, column, item);
        }
    }
}

void CalendarGrid::ShowCells(const QStringList& texts, int selectedRow, int selectedColumn) {
    for (int row = 0; row < rowCount(); ++row) {
        for (int column = 0; column < columnCount(); ++column) {
            const int index = row * columnCount() + column;
            QTableWidgetItem* cell = item(row, column);
            cell->setText(index < texts.size() ? texts.at(index) : QString());
            cell->setFlags(row == selectedRow && column == selectedColumn
                               ? Qt::ItemIsEnabled | Qt::ItemIsSelectable
                               : Qt::ItemIsEnabled);
        }
    }
    clearSelection();
    if (selectedRow >= 0) {
        setCurrentCell(selectedRow, selectedColumn, QItemSelectionModel::ClearAndSelect);
    }
}

void CalendarGrid::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) {
        return;
    }
    setFocus(Qt::MouseFocusReason);
    const QTableWidgetItem* cell = itemAt(event->position().toPoint());
    if (!cell) {
        return;
    }
    // Weekday names and the "*" of days outside the month are not numbers and do nothing.
    bool isNumber = false;
    const int day = cell->text().toInt(&isNumber);
    if (isNumber) {
        Q_EMIT DayClicked(day);
    }
}

void CalendarGrid::mouseMoveEvent(QMouseEvent* event) {
    event->accept();
}

void CalendarGrid::mouseDoubleClickEvent(QMouseEvent* event) {
    mousePressEvent(event);
}

void CalendarGrid::wheelEvent(QWheelEvent* event) {
    const int notches = wheelNotches_.Add(event->angleDelta().y());
    for (int notch = 0; notch < std::abs(notches); ++notch) {
        Q_EMIT WheelTurned(notches > 0 ? WheelDirection::Up : WheelDirection::Down,
                           event->modifiers());
    }
    event->accept();
}

void CalendarGrid::keyPressEvent(QKeyEvent* event) {
    switch (event->key()) {
    case Qt::Key_Left:
        Q_EMIT DayStepRequested(-1);
        break;
    case Qt::Key_Right:
        Q_EMIT DayStepRequested(1);
        break;
    case Qt::Key_Up:
        Q_EMIT DayStepRequested(-7);
        break;
    case Qt::Key_Down:
        Q_EMIT DayStepRequested(7);
        break;
    default:
        QWidget::keyPressEvent(event);
        return;
    }
    event->accept();
}
