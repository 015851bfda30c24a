// SPDX-FileCopyrightText: 2026 The Zorbel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QSpinBox>

// An up-down beside its edit field, as the forms place them: the spin box carries the UPD_
// name and its edit field the EDT_ name, so code and tests find either. With arrowsOnly
// the edit is read-only and the number changes only by the arrows.
class UpDownSpin : public QSpinBox {
    Q_OBJECT
    Q_PROPERTY(QString editName READ EditName WRITE setEditName)
    Q_PROPERTY(bool arrowsOnly READ ArrowsOnly WRITE setArrowsOnly)
public:
    explicit UpDownSpin(QWidget* parent = nullptr);

    QString EditName() const;
    void setEditName(const QString& name);
    bool ArrowsOnly() const;
    void setArrowsOnly(bool arrowsOnly);
};
