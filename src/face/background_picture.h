// SPDX-FileCopyrightText: 2026 The Zorbel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QImage>
#include <QSize>
#include <QString>

// The decoded background picture (decoded once per reload) and its copy stretched to the
// face's device pixels (rebuilt only when the picture or the size changes).
class BackgroundPicture {
public:
    // Relative picture paths are looked up in the current directory first, then here.
    explicit BackgroundPicture(QString dataFolder = QString());

    // Reads the picture file unless it was read since the last Invalidate; false when there
    // is no picture to show. A missing or rejected file drops the picture and is not read
    // again until then; nothing is shown to the user.
    bool EnsureLoaded(const QString& imageFile);
    // The next EnsureLoaded reads the file again.
    void Invalidate();

    // The picture's natural size; empty when none is held.
    QSize PictureSize() const { return picture_.size(); }
    const QImage& Picture() const { return picture_; }

    // The picture stretched to `deviceSize` pixels in Format_RGB32, for callers that copy it
    // whole; it carries the device pixel ratio of the face it is shown in.
    const QImage& Stretched(QSize deviceSize, qreal devicePixelRatio = 1);

    // Where a stored path is found: as given if it exists, else in the data folder.
    QString Resolve(const QString& path) const;

private:
    void Drop();

    QString dataFolder_;
    QImage picture_;
    QImage stretched_;
    bool read_ = false; // since the last Invalidate, whether or not it gave a picture
};
