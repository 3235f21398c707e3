#pragma once

#include "screen/DesignMapping.h"

#include <QRect>

class QPainter;
class QWidget;

// A control of the exam window that is placed in design pixels. It stands at the window's
// mapping of them; its design geometry is what it was given, as long as it still stands
// there, and what its window geometry maps back to once something moved or resized it
// directly. Its text is laid out in design pixels too, so that a caption wraps on the window
// as it does in the design, whatever the zoom.
class DesignPlaced
{
public:
    QRect designGeometry() const;
    void setDesignGeometry(const QRect &r);

    // Makes the painter draw in design pixels over the whole control; the control's rectangle
    // in them.
    QRect paintInDesign(QPainter &p) const;

    // The window's mapping, shared by all its controls; none is zoom 1 at the origin.
    const DesignMapping &mapping() const;
    void setMapping(const DesignMapping *m) { m_mapping = m; }

protected:
    explicit DesignPlaced(QWidget *self)
        : m_self(self)
    { }
    ~DesignPlaced() = default;
    DesignPlaced(const DesignPlaced &) = delete;
    DesignPlaced &operator=(const DesignPlaced &) = delete;

private:
    QWidget *m_self;
    const DesignMapping *m_mapping = nullptr;
    QRect m_design;
};
