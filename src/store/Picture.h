#pragma once

#include <QByteArray>
#include <QImage>
#include <QSize>
#include <QString>

#include <functional>

// A picture given as the bytes of a file: an SVG drawing, or a raster image (a bank's graphics
// are PNG; a candidate's photo may also be JPEG). Sizes are window pixels; an SVG is drawn at
// the screen's device pixel ratio, so it stays sharp at every scale factor.
namespace Picture {

// "svg", "png", "jpeg", ...: what the bytes say they are; empty when they say nothing.
QString format(const QByteArray &bytes);

// Whether the bytes decode whole as a picture with a size.
bool decodes(const QByteArray &bytes);

// The picture's own size (an SVG's default size, a raster image's pixels); empty when the
// bytes are no picture. Read from the header where it can be.
QSize size(const QByteArray &bytes);

// `own` shrunk in proportion to fit into `room`; never enlarged.
QSize fitted(QSize own, QSize room);

// The picture drawn for a screen of `ratio` device pixels per window pixel, at the size in
// window pixels that `sizeFor` gives for its own size (read once, with the drawing); null when
// the bytes are no picture.
QImage render(const QByteArray &bytes, const std::function<QSize(QSize own)> &sizeFor, qreal ratio);

} // namespace Picture
