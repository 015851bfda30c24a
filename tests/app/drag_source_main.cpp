// SPDX-FileCopyrightText: 2026 The Zorbel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include <QApplication>
#include <QDrag>
#include <QMimeData>
#include <QUrl>
#include <QWidget>

// Another program for the X11 tests: a window titled "drag source" at the geometry given as
// the argument ("WxH+X+Y"); a press on it drags a picture file until the button is released,
// with the pointer held by this program all the while.
class DragSource : public QWidget {
protected:
    void mousePressEvent(QMouseEvent*) override {
        auto* drag = new QDrag(this);
        auto* files = new QMimeData;
        files->setUrls({QUrl::fromLocalFile(QStringLiteral("/nonexistent/dragged.jpg"))});
        drag->setMimeData(files);
        drag->exec(Qt::CopyAction);
    }
};

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    DragSource window;
    window.setWindowTitle(QStringLiteral("drag source"));
    const QStringList size = application.arguments().value(1).split(QLatin1Char('+'));
    const QStringList extent = size.value(0).split(QLatin1Char('x'));
    window.setGeometry(size.value(1).toInt(), size.value(2).toInt(), extent.value(0).toInt(),
                       extent.value(1).toInt());
    window.show();
    return application.exec();
}
