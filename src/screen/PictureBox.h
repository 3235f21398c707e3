#pragma once

#include "screen/DesignPlaced.h"

#include <QColor>
#include <QImage>
#include <QSize>
#include <QString>
#include <QWidget>

// A picture box or image of the exam window: it holds a picture that can be cleared, shown at
// its own size (optionally sizing the box to it) or stretched to the box, over an optional
// back colour and inside an optional sunken single-line border.
//
// The picture is either an image or a drawing: one of the program's own SVG files compiled
// into it, or the bytes of an SVG file given at run time. A drawing is read and drawn only
// when it is first needed (shown, painted or asked for), at the screen's device pixel ratio and
// the window's zoom, so it stays sharp at every scale. Sizes are design pixels; on the window a
// picture takes its zoomed size. A picture larger than the box's largest picture size is shown
// shrunk in proportion to fit it.
class PictureBox final : public QWidget, public DesignPlaced
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(PictureBox)

public:
    explicit PictureBox(QWidget *parent = nullptr);

    // The picture as it is drawn in the box; its device-independent size is the size it takes
    // on the window.
    QImage picture() const;
    void setPicture(const QImage &p);
    void setDrawing(const QString &resource); // e.g. ":/pictures/logo.svg"
    // The bytes of an SVG file (a drawing) or of an image file.
    void setPictureData(const QByteArray &bytes);
    void clearPicture() { setPicture(QImage()); }

    // In design pixels; unlimited unless set.
    QSize largestPicture() const { return m_largest; }
    void setLargestPicture(QSize s) { m_largest = s; }

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
    void showEvent(QShowEvent *) override;

private:
    QRect innerRect() const;
    void fitToPicture();
    bool isDrawing() const { return !m_drawing.isEmpty() || !m_svg.isEmpty(); }
    QSize pictureSize() const; // in design pixels
    QSize shownSize() const; // on the window
    void drawIfNeeded() const;

    mutable QImage m_picture;
    QString m_drawing; // a resource, read into m_svg when first needed
    mutable QByteArray m_svg;
    mutable QSize m_drawingSize; // the drawing's own size, known once it has been read
    QSize m_largest { QWIDGETSIZE_MAX, QWIDGETSIZE_MAX };
    QColor m_backColor;
    bool m_border = false;
    bool m_autoSize = false;
    bool m_stretch = false;
};
