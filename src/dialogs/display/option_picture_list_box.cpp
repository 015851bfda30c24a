// SPDX-FileCopyrightText: 2026 The Zorbel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "dialogs/display/option_picture_list_box.h"

#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QMenu>

OptionPictureListBox::OptionPictureListBox(QWidget* parent) : QListWidget(parent) {
    setSelectionMode(QAbstractItemView::SingleSelection);
    connect(this, &QListWidget::clicked, this,
            [this](const QModelIndex& index) { Q_EMIT EntryPicked(index.row()); });
}

void OptionPictureListBox::keyPressEvent(QKeyEvent* event) {
    switch (event->key()) {
    case Qt::Key_Delete:
        Q_EMIT DeleteRequested();
        return;
    case Qt::Key_Up:
    case Qt::Key_Down: {
        const int before = currentRow();
        QListWidget::keyPressEvent(event);
        if (currentRow() != before && currentRow() >= 0) {
            Q_EMIT EntryPicked(currentRow());
        }
        return;
    }
    case Qt::Key_Escape:
        // Esc belongs to the dialog ("キャンセル").
        event->ignore();
        return;
    default:
        QListWidget::keyPressEvent(event);
    }
}

void OptionPictureListBox::contextMenuEvent(QContextMenuEvent* event) {
    if (popup_ != nullptr) {
        popup_->popup(event->globalPos());
    }
}
