// SPDX-FileCopyrightText: 2026 The Zorbel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The least a Qt clock window can cost while it idles: a 320 x 200 window whose timer does
// nothing, four times a second or once. scripts/bench runs it beside the clock and xclock, so the
// idle figure can be read against what the toolkit itself costs. Options add what the clock's tick
// does besides its own work, one at a time:
//   --query-pointer  ask the X server where the pointer is on every tick
//   --queued         reach the tick through a queued call, as the clock does so that it
//                    goes on inside modal windows
//   --repaint        once a second, repaint a 64 x 64 square of the window from an image
//                    through Qt's widget repaint (an update request and a paint event)
//   --present        the same square copied straight into the window's backing store and
//                    sent at once, as the clock presents its second
//   --every-second   tick once a second instead, from a precise single-shot timer armed for
//                    just after the next second of the system clock, as the idle clock does
//
// Usage: tick_floor [--query-pointer] [--queued] [--repaint | --present] [--every-second]

#include <QApplication>
#include <QBackingStore>
#include <QCursor>
#include <QDateTime>
#include <QImage>
#include <QPaintEvent>
#include <QPainter>
#include <QTimer>
#include <QWidget>
#include <cstring>

namespace {

class FloorWindow : public QWidget {
public:
    FloorWindow() {
        setAttribute(Qt::WA_OpaquePaintEvent);
        face_.fill(Qt::darkBlue);
    }
    void Advance(bool immediate, bool present) {
        ++seconds_;
        face_.fill(seconds_ % 2 == 0 ? Qt::darkBlue : Qt::darkGreen);
        if (present) {
            Present();
        } else if (immediate) {
            repaint(QRect(QPoint(128, 68), face_.size()));
        } else {
            update(QRect(QPoint(128, 68), face_.size()));
        }
    }

protected:
    // Both images hold opaque 32-bit pixels, so a row copy is the drawing.
    void Present() {
        const QRect square(QPoint(128, 68), face_.size());
        QBackingStore* store = backingStore();
        store->beginPaint(QRegion(square));
        auto* pixels = static_cast<QImage*>(store->paintDevice());
        uchar* const bits = pixels->bits();
        for (int y = 0; y < square.height(); ++y) {
            std::memcpy(bits + (square.top() + y) * pixels->bytesPerLine() + square.left() * 4,
                        face_.constScanLine(y), std::size_t(square.width()) * 4);
        }
        store->endPaint();
        store->flush(QRegion(square), windowHandle());
    }

    void paintEvent(QPaintEvent* event) override {
        QPainter painter(this);
        if (!QRect(QPoint(128, 68), face_.size()).contains(event->rect())) {
            painter.fillRect(rect(), Qt::gray);
        }
        painter.drawImage(QPoint(128, 68), face_);
    }

private:
    QImage face_{64, 64, QImage::Format_RGB32};
    int seconds_ = 0;
};

bool Has(int argc, char** argv, const char* option) {
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], option) == 0) {
            return true;
        }
    }
    return false;
}

} // namespace

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    const bool queryPointer = Has(argc, argv, "--query-pointer");
    const bool queued = Has(argc, argv, "--queued");
    const bool present = Has(argc, argv, "--present");
    const bool repaint = present || Has(argc, argv, "--repaint");
    const bool immediate = Has(argc, argv, "--immediate");
    const bool everySecond = Has(argc, argv, "--every-second");
    FloorWindow window;
    window.setWindowTitle(QStringLiteral("tick_floor"));
    window.resize(320, 200);
    window.show();

    int lastX = 0; // kept, so the query cannot be dropped as unused
    int ticks = 0;
    QTimer tick;
    const auto armForNextSecond = [&tick] {
        tick.start(int(1002 - QDateTime::currentMSecsSinceEpoch() % 1000));
    };
    const auto onTick = [&] {
        if (everySecond) {
            armForNextSecond();
        }
        if (queryPointer) {
            lastX = QCursor::pos().x();
        }
        if (repaint && (everySecond || ++ticks % 4 == 0)) {
            window.Advance(immediate, present);
        }
    };
    QObject::connect(&tick, &QTimer::timeout, &window, onTick,
                     queued ? Qt::QueuedConnection : Qt::AutoConnection);
    if (everySecond) {
        tick.setSingleShot(true);
        tick.setTimerType(Qt::PreciseTimer);
        armForNextSecond();
    } else {
        tick.start(250);
    }
    const int result = application.exec();
    return result + (lastX == -1 ? 1 : 0);
}
