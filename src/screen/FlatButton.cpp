#include "FlatButton.h"

#include "Beveli.h"

#include "Koordinatat.h"

#include <QPainter>

FlatButton::FlatButton(QWidget *parent)
    : QPushButton(parent)
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

void FlatButton::setFontSize(double pike)
{
    QFont f = font();
    const int px = Koordinatat::pikeNePiksel(pike);
    if (pike == m_fontSize && f.pixelSize() == px)
        return;
    m_fontSize = pike;
    f.setPixelSize(px);
    setFont(f);
}

void FlatButton::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    const QRect r = rect();
    p.fillRect(r, m_backColor);

    const bool poshte = isDown();
    (poshte ? Bevelet::IShtypur : Bevelet::INgritur).vizato(p, r);

    const QString titulli = text();
    if (!titulli.isEmpty()) {
        QRect kuti
            = r.adjusted(HapesiraETekstit, HapesiraETekstit, -HapesiraETekstit, -HapesiraETekstit);
        if (poshte)
            kuti.translate(1, 1);
        p.setFont(font());
        p.setPen(isEnabled() ? QColor(0, 0, 0) : QColor(128, 128, 128));
        p.drawText(kuti, Qt::AlignCenter | Qt::TextWordWrap, titulli);
    }
    if (hasFocus()) {
        QPen pen(QColor(0, 0, 0), 1, Qt::DotLine);
        p.setPen(pen);
        p.drawRect(r.adjusted(3, 3, -4, -4));
    }
}
