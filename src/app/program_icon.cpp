// SPDX-FileCopyrightText: 2026 The Zorbel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/program_icon.h"

#include "face/default_icons.h"

#include <QFile>
#include <QPainter>
#include <QPixmap>

namespace {

// A small clock face, drawn when the picture resource is not linked in.
QPixmap DrawnIcon() {
    QPixmap pixmap(32, 32);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(QColor(0xB8, 0x86, 0x0B), 2));
    painter.setBrush(QColor(0xFF, 0xF8, 0xE7));
    painter.drawEllipse(QRectF(2, 2, 28, 28));
    painter.setPen(QPen(QColor(0x20, 0x30, 0x60), 2.5, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(QPointF(16, 16), QPointF(16, 7));
    painter.drawLine(QPointF(16, 16), QPointF(22, 19));
    return pixmap;
}

} // namespace

QIcon ProgramIcon() {
    static const QIcon icon = [] {
        InitFaceResources();
        const QString resource = ProgramIconPath();
        return QFile::exists(resource) ? QIcon(resource) : QIcon(DrawnIcon());
    }();
    return icon;
}
