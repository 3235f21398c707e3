#pragma once

#include <QColor>
#include <QWidget>

// A straight line of the window's design, drawn between two points in the window.
class LineControl final : public QWidget
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(LineControl)

public:
    LineControl(QWidget *parent, QPoint nga, QPoint deri, const QColor &ngjyra);

    QPoint nga() const { return m_nga; }
    QPoint deri() const { return m_deri; }
    QColor ngjyra() const { return m_ngjyra; }

protected:
    void paintEvent(QPaintEvent *) override;

private:
    QPoint m_nga;
    QPoint m_deri;
    QColor m_ngjyra;
};
