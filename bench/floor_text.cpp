// SPDX-License-Identifier: GPL-3.0-or-later
// A second floor: the least a Qt Widgets program does to show a window with
// a line of text, which already costs the font set-up every real window pays.
#include <QApplication>
#include <QLabel>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QLabel window(QStringLiteral("00:00:00 Message"));
    window.resize(298, 239);
    window.show();
    return app.exec();
}
