#include "dialogs/display/option_preview.h"

#include "core/colour.h"

#include <QPainter>

OptionPreview::OptionPreview(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("IMG_Preview"));
}

void OptionPreview::Show(const QImage& face) {
    image_ = QImage(size(), QImage::Format_RGB32);
    image_.fill(ToQColor(SystemColour::ButtonFace));
    if (!face.isNull() && !image_.isNull()) {
        QPainter painter(&image_);
        painter.setRenderHint(QPainter::SmoothPixmapTransform);
        painter.drawImage(image_.rect(), face);
    }
    update();
}

void OptionPreview::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.drawImage(QPoint(0, 0), image_);
}
