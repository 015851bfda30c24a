// SPDX-FileCopyrightText: 2026 The Zorbel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "dialogs/up_down_spin.h"

#include <QLineEdit>

UpDownSpin::UpDownSpin(QWidget* parent) : QSpinBox(parent) {}

QString UpDownSpin::EditName() const {
    return lineEdit()->objectName();
}

void UpDownSpin::setEditName(const QString& name) {
    lineEdit()->setObjectName(name);
}

bool UpDownSpin::ArrowsOnly() const {
    return lineEdit()->isReadOnly();
}

void UpDownSpin::setArrowsOnly(bool arrowsOnly) {
    lineEdit()->setReadOnly(arrowsOnly);
}
