// The least a Qt clock window can cost while it idles: a 320 x 200 window whose 250 ms
// timer does nothing, or (with --query-pointer) only asks the X server where the pointer
// is, as hiding under the mouse does on every tick. scripts/bench runs it beside the
// clock and xclock, so the idle figure can be read against what the toolkit itself costs.
//
// Usage: tick_floor [--query-pointer]

#include <QApplication>
#include <QCursor>
#include <QTimer>
#include <QWidget>
#include <cstring>

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    const bool queryPointer = argc > 1 && std::strcmp(argv[1], "--query-pointer") == 0;
    QWidget window;
    window.setWindowTitle(QStringLiteral("tick_floor"));
    window.resize(320, 200);
    window.show();

    int lastX = 0; // kept, so the query cannot be dropped as unused
    QTimer tick;
    QObject::connect(&tick, &QTimer::timeout, [&] {
        if (queryPointer) {
            lastX = QCursor::pos().x();
        }
    });
    tick.start(250);
    const int result = application.exec();
    return result + (lastX == -1 ? 1 : 0);
}
