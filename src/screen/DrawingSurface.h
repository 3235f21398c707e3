#pragma once

#include "screen/DesignMapping.h"

#include <QColor>
#include <QFont>
#include <QImage>
#include <QPainter>
#include <QPointF>
#include <QString>

class QRegion;
class QWidget;

// The window's persistent drawing: what is drawn goes into a backing image that the window only
// copies to the screen, so frames and the result stay across covering, hiding and resizing and
// lie under every child control. The image covers only the part of the window drawn on, not
// the whole screen.
//
// It keeps the drawing state of a classic form: line width, fore colour, a current drawing
// position that rectangles leave at their second corner and printing advances, and a font size.
// Lines and boxes are drawn in whole pixels, without blending. Coordinates are the design's
// pixels, which the window's mapping places on the window; the image holds the screen's own
// pixels under them, as many as the zoom and the screen's device pixel ratio give, so that
// what is drawn is as sharp as the controls at any scale.
class DrawingSurface final
{
public:
    // The owner's mapping, if any, must outlive the surface; none is zoom 1 at the origin.
    explicit DrawingSurface(QWidget *owner, const DesignMapping *mapping = nullptr);

    void setDrawWidth(int w) { m_drawWidth = std::max(1, w); }
    int drawWidth() const { return m_drawWidth; }
    void setForeColor(const QColor &c) { m_foreColor = c; }
    QColor foreColor() const { return m_foreColor; }
    void setFontSize(double points);
    double fontSize() const { return m_fontSize; }

    double currentX() const { return m_current.x(); }
    double currentY() const { return m_current.y(); }
    void setCurrentX(double x) { m_current.setX(x); }
    void setCurrentY(double y) { m_current.setY(y); }

    // The outline of the rectangle between two corners, the line width inside it; the rectangle
    // covers the pixels from the first corner up to, not including, the second. Leaves the
    // current position at the second corner.
    void rectangle(QPointF a, QPointF b, const QColor &colour);
    // The same rectangle filled.
    void filledBox(QPointF a, QPointF b, const QColor &colour);

    // Prints text with its top at the current position, in the fore colour, and moves the
    // current position past it.
    void print(const QString &text);
    // Moves the current position to the left edge, one line height of the current font down.
    void endLine();
    double lineHeight() const;
    double textWidth(const QString &text) const;

    // Makes room for drawings in this area in one step; what is drawn elsewhere makes room
    // for itself.
    void reserve(const QRect &area);

    // Copies the drawing under a region of the window to the screen.
    void paint(QPainter &p, const QRegion &region) const;
    const QImage &image() const // in screen pixels
    {
        settle();
        return m_image;
    }
    QRect area() const { return m_area; } // the part of the design the image covers

private:
    void ensureRoom(const QRect &r);
    void fillPixels(const QRect &r, const QColor &c);
    // The screen pixels under a rectangle of the design's, counted from the design's origin.
    QRect deviceRect(const QRect &r) const;
    // Starts painting on the image in the design's coordinates.
    void begin(QPainter &p);
    // The painter on the image, kept open from one drawing to the next (opening one for each
    // of a closing's three hundred printed pieces cost a share of it) and ended before the
    // image is shown, read or replaced.
    QPainter &painter();
    void settle() const;
    const DesignMapping &mapping() const;

    QWidget *m_owner;
    const DesignMapping *m_mapping;
    QImage m_image;
    mutable QPainter m_painter;
    QRect m_area;
    QPoint m_origin; // the screen pixel, from the design's origin, under the image's first pixel
    double m_ratio; // screen pixels per design pixel
    QFont m_font;
    double m_fontSize = 0;
    int m_drawWidth = 1;
    QColor m_foreColor = Qt::white;
    QPointF m_current;
};
