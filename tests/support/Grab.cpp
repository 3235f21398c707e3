#include "support/Grab.h"

#include <QDir>
#include <QWidget>

QImage grabWindow(QWidget *w)
{
    return w->grab().toImage().convertToFormat(QImage::Format_RGB32);
}

QImage grabToPng(QWidget *w, const QString &name)
{
    const QImage img = grabWindow(w);
    saveScreen(img, name);
    return img;
}

void saveScreen(const QImage &img, const QString &name)
{
    QDir().mkpath(QStringLiteral(PROVIMI_SCREENS_DIR));
    img.save(QStringLiteral(PROVIMI_SCREENS_DIR "/%1.png").arg(name));
}

int pixelsOf(const QImage &img, const QRect &r, const QColor &c)
{
    int n = 0;
    const QRect e = r.intersected(img.rect());
    for (int y = e.top(); y <= e.bottom(); ++y)
        for (int x = e.left(); x <= e.right(); ++x)
            n += img.pixelColor(x, y) == c;
    return n;
}
