#include "FlatButton.h"

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
    m_fontSize = pike;
    QFont f = font();
    f.setPixelSize(Koordinatat::pikeNePiksel(pike));
    setFont(f);
}

void FlatButton::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    const QRect r = rect();
    p.fillRect(r, m_backColor);

    // Two-pixel bevel: light above and left, dark below and right; swapped while pressed.
    const bool poshte = isDown();
    const QColor drite = poshte ? QColor(64, 64, 64) : QColor(255, 255, 255);
    const QColor hije = poshte ? QColor(255, 255, 255) : QColor(64, 64, 64);
    const QColor drite2 = poshte ? QColor(160, 160, 160) : QColor(227, 227, 227);
    const QColor hije2 = poshte ? QColor(227, 227, 227) : QColor(160, 160, 160);
    const int w = r.width();
    const int h = r.height();
    p.fillRect(0, 0, w, 1, drite);
    p.fillRect(0, 0, 1, h, drite);
    p.fillRect(0, h - 1, w, 1, hije);
    p.fillRect(w - 1, 0, 1, h, hije);
    if (w > 2 && h > 2) {
        p.fillRect(1, 1, w - 2, 1, drite2);
        p.fillRect(1, 1, 1, h - 2, drite2);
        p.fillRect(1, h - 2, w - 2, 1, hije2);
        p.fillRect(w - 2, 1, 1, h - 2, hije2);
    }

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
