#pragma once

#include "screen/DesignPlaced.h"

#include <QColor>
#include <QImage>
#include <QPushButton>

// A push button that paints its own face in the colour it is given, with a classic raised
// bevel, and wraps its caption at blanks when it is wider than the button. Recolouring is a
// member write and a repaint, cheap enough to recolour all fifty question buttons per click.
// The button keeps its caption as QPushButton text, so its accessible name is the caption.
// Space or Return on the focused button presses it, as a click does; the focused button
// carries a dotted mark inside its bevel that leaves its face colour readable.
class FlatButton final : public QPushButton, public DesignPlaced
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(FlatButton)

public:
    explicit FlatButton(QWidget *parent = nullptr);

    // Sets the caption; a button with neither caption nor picture is no stop for the keyboard,
    // since a screen reader would have nothing to say on it.
    void setCaption(const QString &caption);

    QColor backColor() const { return m_backColor; }
    void setBackColor(const QColor &c);

    // Points at 96 dpi, as set; the pixel size follows from it.
    double fontSize() const { return m_fontSize; }
    void setFontSize(double points);

    // A free text the exam keeps on the button ("lexuar" once a question was opened).
    QString tag() const { return m_tag; }
    void setTag(const QString &t) { m_tag = t; }

    // A picture on the face instead of the caption: the bytes of a PNG or SVG file, none when
    // empty. It stands at its own size, shrunk in proportion to fit inside the caption's inset,
    // so it shrinks with the button; the caption stays the button's accessible name.
    QByteArray pictureData() const { return m_pictureData; }
    void setPictureData(const QByteArray &bytes);

    // Whether the last press came from the keyboard (Space or Return) rather than the mouse.
    bool pressedByKey() const { return m_pressedByKey; }

    // Inset of the caption's box from each edge: the bevel and a pixel of air.
    static constexpr int TextInset = 4;

protected:
    void paintEvent(QPaintEvent *) override;
    void keyPressEvent(QKeyEvent *) override;
    void mousePressEvent(QMouseEvent *) override;

private:
    void drawPicture(QPainter &p, const QRect &box);
    void updateFocusStop();

    QColor m_backColor = Qt::white;
    double m_fontSize = 0;
    bool m_pressedByKey = false;
    QString m_tag;
    QByteArray m_pictureData;
    QImage m_face; // the picture as last drawn, fitted into m_faceBox at its pixel ratio
    QSize m_faceBox;
};
