#pragma once

#include "settings/clock_settings.h"

#include <QImage>
#include <QSize>
#include <QString>

// The decoded background picture (decoded once per reload) and its copy stretched to the
// client size (rebuilt only when the picture or the size changes).
class BackgroundPicture {
public:
    // Relative picture paths are looked up in the current directory first, then here.
    explicit BackgroundPicture(QString dataFolder = QString());

    // Loads Image_File unless already loaded. A missing or rejected file drops the picture
    // and sets NoImage; nothing is shown to the user.
    void EnsureLoaded(ClockSettings& settings);
    // The next EnsureLoaded reads the file again.
    void Invalidate();

    bool IsLoaded() const { return loaded_; }
    // The picture's natural size; empty when none is held.
    QSize PictureSize() const { return picture_.size(); }
    const QImage& Picture() const { return picture_; }

    // The stretched picture in Format_RGB32, for callers that copy it whole.
    const QImage& Stretched(QSize clientSize);

    // Where a stored path is found: as given if it exists, else in the data folder.
    QString Resolve(const QString& path) const;

private:
    void Drop();

    QString dataFolder_;
    QImage picture_;
    QImage stretched_;
    bool loaded_ = false;
};
