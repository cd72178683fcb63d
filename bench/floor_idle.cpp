// SPDX-License-Identifier: GPL-3.0-or-later
// The floor for the idle figures: a window and the two timers an idle
// timer program cannot do without, one a second and one a minute.
#include <QApplication>
#include <QTimer>
#include <QWidget>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QWidget window;
    window.resize(298, 239);
    window.show();
    QTimer second;
    second.setTimerType(Qt::PreciseTimer);
    second.start(1000);
    QTimer minute;
    minute.setTimerType(Qt::PreciseTimer);
    minute.start(60000);
    return app.exec();
}
