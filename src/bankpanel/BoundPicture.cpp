#include "bankpanel/BoundPicture.h"

#include <QPixmap>

BoundPicture::BoundPicture(QWidget *parent)
    : QLabel(parent)
{
    setScaledContents(true);
}

void BoundPicture::setImageData(const QByteArray &bytes)
{
    m_imageData = bytes;
    QPixmap p;
    if (!bytes.isEmpty() && p.loadFromData(bytes))
        setPixmap(p);
    else
        clear();
}
