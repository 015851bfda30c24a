// SPDX-FileCopyrightText: 2026 The Zorbel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "face/default_icons.h"

#include <QString>
#include <array>

namespace {

const char* const iconNames[DefaultIconCount] = {
    "activity0", "activity1",  "activity2", "status", "schedule",
    "mail",      "correction", "mailcheck", "error",
};

} // namespace

// The resources live in a static library, whose initialiser the linker would drop unless
// something refers to it.
void InitFaceResources() {
    static const bool registered = [] {
        Q_INIT_RESOURCE(images);
        return true;
    }();
    (void)registered;
}

namespace {

using IconSet = std::array<QImage, DefaultIconCount>;

// The images of one density: 1 for the 32 × 32 images, 2 for the 64 × 64 ones (name@2x),
// which then measure 32 × 32 logical pixels too.
IconSet LoadIcons(int density) {
    InitFaceResources();
    const QString suffix = density == 1 ? QString() : QStringLiteral("@%1x").arg(density);
    IconSet loaded;
    for (int i = 0; i < DefaultIconCount; ++i) {
        loaded[i] =
            QImage(QStringLiteral(":/images/%1%2.png").arg(QLatin1String(iconNames[i]), suffix))
                .convertToFormat(QImage::Format_ARGB32_Premultiplied);
        loaded[i].setDevicePixelRatio(density);
    }
    return loaded;
}

const QImage& IconOf(const IconSet& icons, int index) {
    static const QImage none;
    return index >= 0 && index < DefaultIconCount ? icons[index] : none;
}

} // namespace

const QImage& BuiltInIcon(int index) {
    static const IconSet icons = LoadIcons(1);
    return IconOf(icons, index);
}

const QImage& BuiltInIcon(int index, qreal devicePixelRatio) {
    if (devicePixelRatio <= 1) {
        return BuiltInIcon(index);
    }
    static const IconSet icons = LoadIcons(2);
    return IconOf(icons, index);
}

QString ProgramIconPath() {
    InitFaceResources();
    return QStringLiteral(":/images/zorbel.png");
}

QString AboutLogoPath(int density) {
    InitFaceResources();
    return density == 2 ? QStringLiteral(":/images/about_logo@2x.png")
                        : QStringLiteral(":/images/about_logo.png");
}
