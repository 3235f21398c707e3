#include "screen/FlatButton.h"

#include "base/Bevel.h"
#include "base/Units.h"

#include <QKeyEvent>
#include <QPainter>

FlatButton::FlatButton(QWidget *parent)
    : QPushButton(parent)
    , DesignPlaced(this)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void FlatButton::setBackColor(const QColor &c)
{
    if (c == m_backColor)
        return;
    m_backColor = c;
    update();
}

void FlatButton::setFontSize(double points)
{
    QFont f = font();
    const int px = Units::pointsToPixels(points);
    if (points == m_fontSize && f.pixelSize() == px)
        return;
    m_fontSize = points;
    f.setPixelSize(px);
    setFont(f);
}

void FlatButton::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    const QRect r = rect();
    p.fillRect(r, m_backColor);

    const bool down = isDown();
    (down ? Bevels::Pressed : Bevels::Raised).draw(p, r);

    const QString title = text();
    if (!title.isEmpty()) {
        p.save();
        QRect box = paintInDesign(p).adjusted(TextInset, TextInset, -TextInset, -TextInset);
        if (down)
            box.translate(1, 1);
        p.setFont(font());
        p.setPen(isEnabled() ? QColor(0, 0, 0) : QColor(128, 128, 128));
        p.drawText(box, Qt::AlignCenter | Qt::TextWordWrap, title);
        p.restore();
    }
    if (hasFocus()) {
        QPen pen(QColor(0, 0, 0), 1, Qt::DotLine);
        p.setPen(pen);
        p.drawRect(r.adjusted(3, 3, -4, -4));
    }
}

void FlatButton::keyPressEvent(QKeyEvent *e)
{
    if (e->key() == Qt::Key_Space || e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter)
        m_pressedByKey = true;
    // Return presses the button as Space does; a held key presses it once.
    if (e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter) {
        if (!e->isAutoRepeat())
            click();
        return;
    }
    QPushButton::keyPressEvent(e);
}

void FlatButton::mousePressEvent(QMouseEvent *e)
{
    m_pressedByKey = false;
    QPushButton::mousePressEvent(e);
}
