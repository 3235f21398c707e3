#pragma once

#include <QPoint>
#include <QRect>

// Where the window's design stands on the window: its pixels scaled by a zoom and shifted to an
// origin. Qt scales a window up but not below 1, so a screen smaller than the design gets a
// zoom below 1 here; a screen wider or taller than the design gets an origin that centres it.
// The control table and the exam's handlers speak design pixels; the controls stand at the
// mapped window pixels. At zoom 1 and origin (0, 0) both are the same.
class DesignMapping final
{
public:
    DesignMapping() = default;
    DesignMapping(double zoom, QPoint origin)
        : m_zoom(zoom)
        , m_origin(origin)
    { }

    double zoom() const { return m_zoom; }
    QPoint origin() const { return m_origin; }

    // Each edge is mapped on its own, so controls that touch in the design still touch; what
    // has an extent keeps at least one pixel of it.
    QRect toWindow(const QRect &design) const;
    QPoint toWindow(QPoint design) const;
    // The design rectangle a window rectangle stands for, the nearest whole pixels.
    QRect toDesign(const QRect &window) const;
    // The window pixels that a design rectangle touches, for repainting.
    QRect covering(const QRect &design) const;

private:
    int edge(int design) const;

    double m_zoom = 1;
    QPoint m_origin;
};
