#include "screen/FlatButton.h"

#include "base/Bevel.h"
#include "base/Units.h"
#include "store/Picture.h"

#include <QKeyEvent>
#include <QPainter>

FlatButton::FlatButton(QWidget *parent)
    : QPushButton(parent)
    , DesignPlaced(this)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void FlatButton::setCaption(const QString &caption)
{
    setText(caption);
    updateFocusStop();
}

void FlatButton::updateFocusStop()
{
    setFocusPolicy(text().isEmpty() && m_pictureData.isEmpty() ? Qt::NoFocus : Qt::StrongFocus);
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

void FlatButton::setPictureData(const QByteArray &bytes)
{
    if (bytes == m_pictureData)
        return;
    m_pictureData = bytes;
    m_face = QImage();
    m_faceBox = QSize();
    updateFocusStop();
    update();
}

void FlatButton::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    const QRect r = rect();
    p.fillRect(r, m_backColor);

    const bool down = isDown();
    (down ? Bevels::Pressed : Bevels::Raised).draw(p, r);

    const QString title = text();
    if (!m_pictureData.isEmpty() || !title.isEmpty()) {
        p.save();
        QRect box = paintInDesign(p).adjusted(TextInset, TextInset, -TextInset, -TextInset);
        if (down)
            box.translate(1, 1);
        if (!m_pictureData.isEmpty()) {
            drawPicture(p, box);
        } else {
            p.setFont(font());
            p.setPen(isEnabled() ? QColor(0, 0, 0) : QColor(128, 128, 128));
            p.drawText(box, Qt::AlignCenter | Qt::TextWordWrap, title);
        }
        p.restore();
    }
    if (hasFocus()) {
        QPen pen(QColor(0, 0, 0), 1, Qt::DotLine);
        p.setPen(pen);
        p.drawRect(r.adjusted(3, 3, -4, -4));
    }
}

void FlatButton::drawPicture(QPainter &p, const QRect &box)
{
    // Drawn again when the button changed its size (a flight) or its screen. The painter
    // draws in design pixels: the picture has as many pixels as the zoomed screen shows.
    const qreal ratio = devicePixelRatioF() * mapping().zoom();
    if (m_faceBox != box.size() || m_face.devicePixelRatio() != ratio) {
        m_faceBox = box.size();
        m_face = Picture::render(
            m_pictureData, [&](QSize own) { return Picture::fitted(own, box.size()); }, ratio);
    }
    QRect place(QPoint(), m_face.deviceIndependentSize().toSize());
    place.moveCenter(box.center());
    p.drawImage(place.topLeft(), m_face);
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
