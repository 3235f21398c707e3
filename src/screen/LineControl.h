#pragma once

#include <QColor>
#include <QWidget>

// A straight line of the window's design, drawn between two points in the window.
class LineControl final : public QWidget
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(LineControl)

public:
    LineControl(QWidget *parent, QPoint from, QPoint to, const QColor &colour);

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
