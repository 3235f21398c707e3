#include "bankpanel/FotoEFushes.h"

#include <QPixmap>

FotoEFushes::FotoEFushes(QWidget *parent)
    : QLabel(parent)
{
    setScaledContents(true);
}

void FotoEFushes::setTeDhenat(const QByteArray &b)
{
    m_teDhenat = b;
    QPixmap p;
    if (!b.isEmpty() && p.loadFromData(b))
        setPixmap(p);
    else
        clear();
}
