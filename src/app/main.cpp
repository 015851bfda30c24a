#include "app/clock_program.h"

#include <QApplication>
#include <cstring>

int main(int argc, char** argv) {
    // The commands that write a picture or print results need no display.
    for (int i = 1; i < argc; ++i) {
        const bool headless = std::strcmp(argv[i], "--render") == 0 ||
                              std::strcmp(argv[i], "--check-time") == 0 ||
                              std::strcmp(argv[i], "--check-mail") == 0;
        if (headless && qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
            qputenv("QT_QPA_PLATFORM", "offscreen");
        }
    }
    QApplication application(argc, argv);
    return RunClockProgram(application);
}
