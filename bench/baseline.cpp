// SPDX-License-Identifier: MIT
// baseline: the least a Qt program can do to show a window of the game's size with Japanese
// text; the bench measures the game against it.
#include "Layout.h"

#include <QApplication>
#include <QLabel>
#include <QWidget>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QWidget window;
    window.setWindowTitle(QStringLiteral("Baseline"));
    using namespace sumdrop::layout;
    window.resize(Pixels(MainWindow.width), Pixels(MainWindow.height));
    QLabel label(QString::fromUtf8(Title.caption.data(), static_cast<qsizetype>(Title.caption.size())), &window);
    label.setGeometry(Pixels(Title.box.left), Pixels(Title.box.top), Pixels(Title.box.width), Pixels(Title.box.height));
    window.show();
    return QApplication::exec();
}
