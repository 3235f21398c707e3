#pragma once

#include "screen/DesignPlaced.h"

#include <QColor>
#include <QLabel>

// A caption label as the exam window uses it: a word-wrapped caption in its fore colour,
// painted over the window (transparent) or over its own back colour (opaque), aligned left,
// right or centre at the top, with an optional sunken single-line border, and optionally
// sized to its caption. The caption is kept exactly as set; carriage returns in it break the
// line when shown. The shown text is also the label's QLabel text, so screen readers read it.
class TextLabel final : public QLabel, public DesignPlaced
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(TextLabel)

public:
    explicit TextLabel(QWidget *parent = nullptr);

    QString caption() const { return m_caption; }
    void setCaption(const QString &c);

    QColor foreColor() const { return m_foreColor; }
    void setForeColor(const QColor &c);
    QColor backColor() const { return m_backColor; }
    void setBackColor(const QColor &c);
    bool isTransparent() const { return m_transparent; }
    void setTransparent(bool t);
    bool hasBorder() const { return m_border; }
    void setBorder(bool b);
    bool autoSize() const { return m_autoSize; }
    void setAutoSize(bool a);
    void setCaptionAlignment(Qt::Alignment a);
    Qt::Alignment captionAlignment() const { return m_alignment; }

    // Points at 96 dpi, as set.
    double fontSize() const { return m_fontSize; }
    void setFontSize(double points);
    void setCaptionFont(const QFont &f, double points);

    static constexpr int BorderThickness = 2;

protected:
    void paintEvent(QPaintEvent *) override;

private:
    void fitSize();
    QString shownText() const;

    QString m_caption;
    QColor m_foreColor = Qt::white;
    QColor m_backColor = Qt::black;
    bool m_transparent = true;
    bool m_border = false;
    bool m_autoSize = false;
    Qt::Alignment m_alignment = Qt::AlignLeft;
    double m_fontSize = 0;
};
