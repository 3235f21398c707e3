#pragma once

#include <QColor>
#include <QImage>
#include <QRect>
#include <QString>

class QWidget;

// Renders a window as it stands, children and drawing included, at its own pixels.
QImage grabWindow(QWidget *w);

// The same, also written as build/screens/<name>.png for a person to look at.
QImage grabToPng(QWidget *w, const QString &name);
// Writes an image as build/screens/<name>.png.
void saveScreen(const QImage &img, const QString &name);

// How many pixels inside a rectangle of an image have exactly this colour.
int pixelsOf(const QImage &img, const QRect &r, const QColor &c);
