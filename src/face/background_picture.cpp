// SPDX-FileCopyrightText: 2026 The Zorbel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

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
}

void BackgroundPicture::Invalidate() {
    read_ = false;
}

bool BackgroundPicture::EnsureLoaded(const QString& imageFile) {
    if (read_) {
        return !picture_.isNull();
    }
    read_ = true;
    const QString path = Resolve(imageFile);
    if (path.isEmpty() || !QFileInfo(path).isFile()) {
        Drop();
        return false;
    }
    DecodedPicture decoded = PictureLoader::Load(path);
    if (!decoded.Ok()) {
        Drop();
        return false;
    }
    picture_ = std::move(decoded.image);
    stretched_ = QImage();
    return true;
}

const QImage& BackgroundPicture::Stretched(QSize deviceSize, qreal devicePixelRatio) {
    if (picture_.isNull()) {
        stretched_ = QImage();
    } else if (stretched_.size() != deviceSize && !deviceSize.isEmpty()) {
        stretched_ = StretchPicture(picture_, deviceSize);
    }
    // Set on the cached copy, so that callers share its pixels.
    stretched_.setDevicePixelRatio(devicePixelRatio);
    return stretched_;
}
