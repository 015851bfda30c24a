// SPDX-FileCopyrightText: 2026 The Zorbel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Draws Zorbel's artwork. Every image is made here from shapes and gradients, so the
// resources can be rebuilt and changed from source.
#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <QTextStream>
#include <cmath>
#include <numbers>

namespace {

// Icon bar images keep their bottom-left pixel transparent: the bar treats the colour of
// that pixel as see-through when it stretches an icon onto the face. They are drawn in
// units of their 32 x 32 size at `density` pixels a unit, for screens of that density.
QImage Blank(int width, int height, int density = 1) {
    QImage image(width * density, height * density, QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(density);
    image.fill(Qt::transparent);
    return image;
}

void Begin(QPainter& painter) {
    painter.setRenderHint(QPainter::Antialiasing, true);
}

QImage ActivityFrame(int frame, int density) {
    // Three small squares that swap places from frame to frame along the bottom edge.
    QImage image = Blank(32, 32, density);
    QPainter painter(&image);
    const QColor colours[3] = {QColor(230, 60, 60), QColor(60, 190, 80), QColor(60, 110, 230)};
    for (int i = 0; i < 3; ++i) {
        const int slot = (i + frame) % 3;
        painter.fillRect(QRect(9 + slot * 7, 24, 6, 6), colours[i]);
        painter.setPen(QColor(30, 30, 30));
        painter.drawRect(QRect(9 + slot * 7, 24, 5, 5));
    }
    return image;
}

QImage StatusIcon(int density) {
    // A little landscape in a golden frame.
    QImage image = Blank(32, 32, density);
    QPainter painter(&image);
    Begin(painter);
    QLinearGradient gold(0, 1, 0, 30);
    gold.setColorAt(0, QColor(255, 226, 120));
    gold.setColorAt(0.5, QColor(212, 160, 40));
    gold.setColorAt(1, QColor(150, 100, 20));
    painter.setPen(QPen(QColor(110, 70, 10), 1));
    painter.setBrush(gold);
    painter.drawRoundedRect(QRectF(1.5, 1.5, 29, 28), 3, 3);
    QLinearGradient sky(0, 6, 0, 24);
    sky.setColorAt(0, QColor(90, 150, 235));
    sky.setColorAt(1, QColor(200, 225, 250));
    painter.setPen(Qt::NoPen);
    painter.setBrush(sky);
    painter.drawRect(QRectF(6, 6, 20, 18));
    painter.setBrush(QColor(255, 240, 150));
    painter.drawEllipse(QPointF(21, 11), 2.5, 2.5);
    QPainterPath hill;
    hill.moveTo(6, 24);
    hill.cubicTo(10, 14, 16, 14, 20, 20);
    hill.cubicTo(22, 17, 24, 17, 26, 19);
    hill.lineTo(26, 24);
    hill.closeSubpath();
    painter.setBrush(QColor(70, 150, 70));
    painter.drawPath(hill);
    return image;
}

QImage ScheduleIcon(int density) {
    // An open notebook with a small clock on its right page.
    QImage image = Blank(32, 32, density);
    QPainter painter(&image);
    Begin(painter);
    painter.setPen(QPen(QColor(60, 60, 90), 1));
    painter.setBrush(QColor(250, 250, 240));
    QPolygonF left({{2, 7}, {15.5, 9}, {15.5, 28}, {2, 26}});
    QPolygonF right({{16.5, 9}, {30, 7}, {30, 26}, {16.5, 28}});
    painter.drawPolygon(left);
    painter.drawPolygon(right);
    painter.setPen(QPen(QColor(150, 170, 210), 1));
    for (int i = 0; i < 5; ++i) {
        painter.drawLine(QPointF(4, 12 + i * 3), QPointF(14, 13.5 + i * 3));
    }
    painter.setPen(QPen(QColor(40, 40, 40), 1));
    painter.setBrush(QColor(255, 255, 255));
    painter.drawEllipse(QPointF(23.5, 17), 5, 5);
    painter.setPen(QPen(QColor(200, 30, 30), 1.5));
    painter.drawLine(QPointF(23.5, 17), QPointF(23.5, 13.5));
    painter.drawLine(QPointF(23.5, 17), QPointF(26, 17));
    return image;
}

QImage MailIcon(int density) {
    // A letter.
    QImage image = Blank(32, 32, density);
    QPainter painter(&image);
    Begin(painter);
    painter.setPen(QPen(QColor(90, 80, 60), 1));
    painter.setBrush(QColor(250, 245, 225));
    painter.drawRect(QRectF(2.5, 7.5, 27, 18));
    painter.setBrush(QColor(235, 225, 195));
    QPolygonF flap({{2.5, 7.5}, {16, 18}, {29.5, 7.5}});
    painter.drawPolygon(flap);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(210, 50, 50));
    painter.drawRect(QRectF(23, 20, 4, 4));
    return image;
}

QImage CorrectionMark(int density) {
    // A small clock face at the upper right.
    QImage image = Blank(32, 32, density);
    QPainter painter(&image);
    Begin(painter);
    painter.setPen(QPen(QColor(20, 40, 120), 1.5));
    painter.setBrush(QColor(255, 255, 255));
    painter.drawEllipse(QPointF(23, 9), 7.5, 7.5);
    for (int hour = 0; hour < 12; hour += 3) {
        const double angle = hour * std::numbers::pi / 6;
        painter.drawPoint(QPointF(23 + 5.5 * std::sin(angle), 9 - 5.5 * std::cos(angle)));
    }
    painter.setPen(QPen(QColor(20, 20, 20), 1.5));
    painter.drawLine(QPointF(23, 9), QPointF(23, 4.5));
    painter.drawLine(QPointF(23, 9), QPointF(26.5, 10.5));
    return image;
}

QImage MailCheckMark(int density) {
    // A card at the upper left.
    QImage image = Blank(32, 32, density);
    QPainter painter(&image);
    Begin(painter);
    painter.setPen(QPen(QColor(40, 90, 40), 1));
    painter.setBrush(QColor(200, 240, 190));
    painter.drawRoundedRect(QRectF(1.5, 2.5, 15, 11), 2, 2);
    painter.setPen(QPen(QColor(40, 90, 40), 1));
    painter.drawLine(QPointF(4, 6), QPointF(13, 6));
    painter.drawLine(QPointF(4, 9), QPointF(10, 9));
    return image;
}

QImage ErrorMark(int density) {
    // A red letter E at the right.
    QImage image = Blank(32, 32, density);
    QPainter painter(&image);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(255, 255, 255));
    painter.drawRect(QRect(19, 11, 12, 17));
    painter.setBrush(QColor(220, 0, 0));
    painter.drawRect(QRect(21, 13, 3, 13));
    painter.drawRect(QRect(21, 13, 8, 3));
    painter.drawRect(QRect(21, 18, 7, 3));
    painter.drawRect(QRect(21, 23, 8, 3));
    return image;
}

void DrawClockFace(QPainter& painter, QPointF centre, double radius) {
    QRadialGradient face(centre - QPointF(radius / 3, radius / 3), radius * 1.4);
    face.setColorAt(0, QColor(255, 255, 255));
    face.setColorAt(1, QColor(200, 215, 235));
    painter.setPen(QPen(QColor(40, 60, 110), radius / 12));
    painter.setBrush(face);
    painter.drawEllipse(centre, radius, radius);
    painter.setPen(QPen(QColor(40, 60, 110), radius / 20));
    for (int minute = 0; minute < 60; minute += 5) {
        const double angle = minute * std::numbers::pi / 30;
        const QPointF direction(std::sin(angle), -std::cos(angle));
        painter.drawLine(centre + direction * radius * 0.78, centre + direction * radius * 0.9);
    }
    painter.setPen(QPen(QColor(30, 30, 30), radius / 10, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(centre, centre + QPointF(radius * 0.35, -radius * 0.3));
    painter.setPen(QPen(QColor(30, 30, 30), radius / 14, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(centre, centre + QPointF(-radius * 0.1, -radius * 0.7));
    painter.setPen(QPen(QColor(220, 40, 40), radius / 30, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(centre, centre + QPointF(-radius * 0.55, radius * 0.45));
}

QImage ProgramIcon() {
    QImage image = Blank(64, 64);
    QPainter painter(&image);
    Begin(painter);
    DrawClockFace(painter, QPointF(32, 32), 29);
    return image;
}

QImage AboutLogo(int density) {
    QImage image(242 * density, 193 * density, QImage::Format_RGB32);
    image.setDevicePixelRatio(density);
    QPainter painter(&image);
    Begin(painter);
    QLinearGradient sky(0, 0, 0, 193);
    sky.setColorAt(0, QColor(30, 60, 130));
    sky.setColorAt(1, QColor(120, 170, 230));
    painter.fillRect(QRect(0, 0, 242, 193), sky);
    DrawClockFace(painter, QPointF(121, 80), 62);
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(30);
    font.setBold(true);
    painter.setFont(font);
    painter.setPen(QColor(255, 255, 255));
    painter.drawText(QRect(0, 148, 242, 40), Qt::AlignCenter, QStringLiteral("Zorbel"));
    return image;
}

QImage SamplePicture() {
    // An evening sky over layered hills, 320 × 200 like the default window.
    const int width = 320;
    const int height = 200;
    QImage image(width, height, QImage::Format_RGB32);
    QPainter painter(&image);
    Begin(painter);
    QLinearGradient sky(0, 0, 0, height);
    sky.setColorAt(0, QColor(38, 72, 150));
    sky.setColorAt(0.55, QColor(120, 165, 225));
    sky.setColorAt(0.8, QColor(250, 200, 150));
    painter.fillRect(image.rect(), sky);
    QRadialGradient sun(QPointF(240, 118), 60);
    sun.setColorAt(0, QColor(255, 250, 220, 255));
    sun.setColorAt(0.2, QColor(255, 230, 160, 230));
    sun.setColorAt(1, QColor(255, 200, 140, 0));
    painter.setPen(Qt::NoPen);
    painter.setBrush(sun);
    painter.drawEllipse(QPointF(240, 118), 60, 60);
    painter.setBrush(QColor(255, 255, 255, 120));
    for (const QRectF& cloud : {QRectF(30, 30, 70, 16), QRectF(60, 24, 50, 18),
                                QRectF(170, 50, 80, 14), QRectF(195, 44, 40, 14)}) {
        painter.drawEllipse(cloud);
    }
    const QColor hills[3] = {QColor(90, 120, 150), QColor(60, 120, 80), QColor(35, 85, 50)};
    for (int layer = 0; layer < 3; ++layer) {
        QPainterPath path;
        const double base = 125 + layer * 25;
        path.moveTo(0, height);
        for (int x = 0; x <= width; x += 4) {
            const double wave =
                std::sin((x + layer * 70) / (45.0 + layer * 12)) * (14 - layer * 3) +
                std::sin((x + layer * 30) / 19.0) * 4;
            path.lineTo(x, base - wave);
        }
        path.lineTo(width, height);
        path.closeSubpath();
        painter.setBrush(hills[layer]);
        painter.drawPath(path);
    }
    return image;
}

bool Save(const QImage& image, const QDir& folder, const QString& name) {
    const bool jpeg = name.endsWith(QStringLiteral(".jpg"));
    const bool saved = image.save(folder.filePath(name), jpeg ? "JPG" : "PNG", jpeg ? 90 : -1);
    QTextStream(stdout) << (saved ? "wrote " : "FAILED ") << name << '\n';
    return saved;
}

} // namespace

int main(int argc, char** argv) {
    QGuiApplication app(argc, argv);
    if (argc != 2) {
        QTextStream(stderr) << "usage: make_images OUTPUT_FOLDER\n";
        return 2;
    }
    const QDir folder(QString::fromLocal8Bit(argv[1]));
    bool ok = true;
    // Each icon bar image at 32 x 32, and at twice that for dense screens (name@2x.png).
    for (const int density : {1, 2}) {
        const QString suffix = density == 1 ? QStringLiteral(".png") : QStringLiteral("@2x.png");
        const auto save = [&](const QImage& image, const QString& name) {
            ok &= Save(image, folder, name + suffix);
        };
        for (int frame = 0; frame < 3; ++frame) {
            save(ActivityFrame(frame, density), QStringLiteral("activity%1").arg(frame));
        }
        save(StatusIcon(density), QStringLiteral("status"));
        save(ScheduleIcon(density), QStringLiteral("schedule"));
        save(MailIcon(density), QStringLiteral("mail"));
        save(CorrectionMark(density), QStringLiteral("correction"));
        save(MailCheckMark(density), QStringLiteral("mailcheck"));
        save(ErrorMark(density), QStringLiteral("error"));
    }
    ok &= Save(ProgramIcon(), folder, QStringLiteral("zorbel.png"));
    ok &= Save(AboutLogo(1), folder, QStringLiteral("about_logo.png"));
    ok &= Save(AboutLogo(2), folder, QStringLiteral("about_logo@2x.png"));
    ok &= Save(SamplePicture(), folder, QStringLiteral("sample.jpg"));
    return ok ? 0 : 1;
}
