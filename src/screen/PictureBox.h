#pragma once

#include <QColor>
#include <QImage>
#include <QWidget>

#include <functional>

// A picture box or image of the exam window: it holds a picture that can be cleared, shown at
// its own size (optionally sizing the box to it) or stretched to the box, over an optional
// back colour and inside an optional sunken single-line border.
class PictureBox final : public QWidget
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(PictureBox)

public:
    explicit PictureBox(QWidget *parent = nullptr);

    QImage picture() const;
    void setPicture(const QImage &p);
    // A picture drawn only when it is first needed, for one that starts hidden.
    void setPicture(std::function<QImage()> drawing);
    void clearPicture() { setPicture(QImage()); }

    void setBackColor(const QColor &c); // an invalid colour leaves the background unpainted
    QColor backColor() const { return m_backColor; }
    void setBorder(bool b);
    bool hasBorder() const { return m_border; }
    void setAutoSize(bool a);
    bool autoSize() const { return m_autoSize; }
    void setStretch(bool s);
    bool stretch() const { return m_stretch; }

protected:
    void paintEvent(QPaintEvent *) override;

private:
    void fitSize();

    void drawIfNeeded() const;

    mutable QImage m_picture;
    mutable std::function<QImage()> m_draw;
    QColor m_backColor;
    bool m_border = false;
    bool m_autoSize = false;
    bool m_stretch = false;
};
