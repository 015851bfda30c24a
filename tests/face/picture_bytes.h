#pragma once

#include <QByteArray>
#include <QtGlobal>

// Pictures whose headers lie about their size, made from good encodings.

// Rewrites the frame size of the first SOF0 marker.
QByteArray WithJpegSize(QByteArray jpeg, int width, int height);
// Rewrites the width and height of a BMP's information header.
QByteArray WithBitmapSize(QByteArray bitmap, qint32 width, qint32 height);
