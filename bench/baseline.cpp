// SPDX-License-Identifier: MIT
// baseline: the least a Qt program can do to show a window of the game's size with Japanese
// text; the bench measures the game against it.
#include <QApplication>
#include <QLabel>
#include <QWidget>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QWidget window;
    window.setWindowTitle(QStringLiteral("Baseline"));
    window.resize(598, 672);
    QLabel label(QStringLiteral("サムドロップ"), &window);
    label.setGeometry(136, 8, 305, 57);
    window.show();
    return QApplication::exec();
}
