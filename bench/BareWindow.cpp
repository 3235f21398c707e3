// The yardstick: one empty black maximised Qt window, and nothing else.

#include "FirstFrame.h"

#include <QApplication>
#include <QScreen>
#include <QWidget>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QWidget w(nullptr, Qt::Window | Qt::FramelessWindowHint);
    QPalette p = w.palette();
    p.setColor(QPalette::Window, Qt::black);
    w.setPalette(p);
    w.setAutoFillBackground(true);
    new FirstFrame(&w);
    w.setGeometry(w.screen()->geometry());
    w.showMaximized();
    return QApplication::exec();
}
