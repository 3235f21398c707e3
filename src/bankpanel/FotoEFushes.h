#pragma once

#include <QByteArray>
#include <QLabel>

// A picture bound to a blob column: it shows whatever image the bytes hold, stretched to
// its box, and nothing when they hold none.
class FotoEFushes final : public QLabel
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(FotoEFushes)
    Q_PROPERTY(QByteArray teDhenat READ teDhenat WRITE setTeDhenat USER true)

public:
    explicit FotoEFushes(QWidget *parent = nullptr);

    QByteArray teDhenat() const { return m_teDhenat; }
    void setTeDhenat(const QByteArray &b);

private:
    QByteArray m_teDhenat;
};
