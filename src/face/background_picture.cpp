#include "face/background_picture.h"

#include "face/picture_loader.h"
#include "face/picture_scaling.h"

#include <QDir>
#include <QFileInfo>

BackgroundPicture::BackgroundPicture(QString dataFolder) : dataFolder_(std::move(dataFolder)) {}

QString BackgroundPicture::Resolve(const QString& path) const {
    if (path.isEmpty()) {
        return {};
    }
    const QFileInfo asGiven(path);
    if (asGiven.isFile() || asGiven.isAbsolute() || dataFolder_.isEmpty()) {
        return path;
    }
    return QDir(dataFolder_).filePath(path);
}

void BackgroundPicture::Drop() {
    picture_ = QImage();
    stretched_ = QImage();
    loaded_ = false;
}

void BackgroundPicture::Invalidate() {
    loaded_ = false;
}

void BackgroundPicture::EnsureLoaded(ClockSettings& settings) {
    if (loaded_) {
        return;
    }
    const QString path = Resolve(settings.Image_File);
    if (path.isEmpty() || !QFileInfo(path).isFile()) {
        Drop();
        settings.Set(NoImage, true);
        return;
    }
    DecodedPicture decoded = PictureLoader::Load(path);
    if (!decoded.Ok()) {
        Drop();
        settings.Set(NoImage, true);
        return;
    }
    picture_ = std::move(decoded.image);
    stretched_ = QImage();
    loaded_ = true;
}

const QImage& BackgroundPicture::Stretched(QSize clientSize) {
    if (picture_.isNull()) {
        stretched_ = QImage();
    } else if (stretched_.size() != clientSize && !clientSize.isEmpty()) {
        stretched_ = StretchPicture(picture_, clientSize);
    }
    return stretched_;
}
