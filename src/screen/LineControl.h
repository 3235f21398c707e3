#pragma once

#include "screen/DesignPlaced.h"

#include <QColor>
#include <QWidget>

// A straight line of the window's design, drawn between two points of the design.
class LineControl final : public QWidget, public DesignPlaced
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(LineControl)

public:
    LineControl(QWidget *parent, QPoint from, QPoint to, const QColor &colour,
        const DesignMapping *mapping = nullptr);

    QPoint from() const { return m_from; }
    QPoint to() const { return m_to; }
    QColor colour() const { return m_colour; }

protected:
    void paintEvent(QPaintEvent *) override;

private:
    QPoint m_from;
    QPoint m_to;
    QColor m_colour;
};
