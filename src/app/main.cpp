#include "app/clock_program.h"

#include <QApplication>

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    return RunClockProgram(application);
}
