// SPDX-FileCopyrightText: 2026 The Zorbel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QListWidget>

class QMenu;

// The picture list of the tab "背景画": a click or the Up and Down keys pick an entry (the
// one the selection moved to), Delete asks for the selected entry to be removed, and the
// right button opens the list's popup menu.
class OptionPictureListBox : public QListWidget {
    Q_OBJECT
public:
    explicit OptionPictureListBox(QWidget* parent);

    void SetPopupMenu(QMenu* menu) { popup_ = menu; }

Q_SIGNALS:
    void EntryPicked(int row);
    void DeleteRequested();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;

private:
    QMenu* popup_ = nullptr;
};
