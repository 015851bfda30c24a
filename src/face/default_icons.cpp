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

const QImage& BuiltInIcon(int index) {
    InitFaceResources();
    static const std::array<QImage, DefaultIconCount> icons = [] {
        std::array<QImage, DefaultIconCount> loaded;
        for (int i = 0; i < DefaultIconCount; ++i) {
            loaded[i] = QImage(QStringLiteral(":/images/%1.png").arg(QLatin1String(iconNames[i])))
                            .convertToFormat(QImage::Format_ARGB32_Premultiplied);
        }
        return loaded;
    }();
    static const QImage none;
    return index >= 0 && index < DefaultIconCount ? icons[index] : none;
}

QString ProgramIconPath() {
    InitFaceResources();
    return QStringLiteral(":/images/zorbel.png");
}

QString AboutLogoPath() {
    InitFaceResources();
    return QStringLiteral(":/images/about_logo.png");
}
