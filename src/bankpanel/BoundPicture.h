#pragma once

#include <QByteArray>
#include <QLabel>

// A picture bound to a blob column: it shows whatever image the bytes hold, stretched to
// its box, and nothing when they hold none.
class BoundPicture final : public QLabel
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(BoundPicture)
    Q_PROPERTY(QByteArray imageData READ imageData WRITE setImageData USER true)

public:
    explicit BoundPicture(QWidget *parent = nullptr);

    QByteArray imageData() const { return m_imageData; }
    void setImageData(const QByteArray &bytes);

private:
    QByteArray m_imageData;
};
