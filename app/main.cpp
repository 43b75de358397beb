// drovane: an endless animation of a cam-driven valve mechanism.
#include "busy_counter.h"
#include "form1.h"
#include "qt_window_services.h"

#include <QApplication>

int main(int /*argc*/, char** argv) {
    // The program takes no command line: Qt sees only the program's name.
    int qtArgc = 1;
    char* qtArgv[] = {argv[0], nullptr};
    QApplication application(qtArgc, qtArgv);

    drovane::QtWindowServices window;
    drovane::BusyCounter counter;
    drovane::Form1 form(window, counter);
    window.show(form);
    return QApplication::exec();
}
