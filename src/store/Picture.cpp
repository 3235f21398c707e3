#include "store/Picture.h"

#include <QBuffer>
#include <QImageReader>
#include <QPainter>
#include <QSvgRenderer>

#include <cstdio>

#include <fcntl.h>
#include <unistd.h>

namespace Picture {

namespace {

// An SVG is XML whose first element is <svg; anything else goes to the image readers, so
// that a broken raster image is never parsed as XML.
bool looksLikeSvg(const QByteArray &bytes)
{
    const QByteArray head = bytes.left(4096);
    const qsizetype svg = head.indexOf("<svg");
    if (svg < 0)
        return false;
    const QByteArray before = head.left(svg).trimmed();
    return before.isEmpty() || before.startsWith("<?xml") || before.startsWith("\xEF\xBB\xBF")
        || before.startsWith("<!");
}

// While bytes are tried as a picture, the decoders keep their complaints to themselves (libpng
// writes its own to standard error): the caller says in one line what is wrong.
class Quiet
{
public:
    Quiet()
        : m_handler(
            qInstallMessageHandler([](QtMsgType, const QMessageLogContext &, const QString &) {}))
    {
        std::fflush(stderr);
        const int null = ::open("/dev/null", O_WRONLY);
        if (null >= 0) {
            m_stderr = ::dup(STDERR_FILENO);
            ::dup2(null, STDERR_FILENO);
            ::close(null);
        }
    }
    ~Quiet()
    {
        std::fflush(stderr);
        if (m_stderr >= 0) {
            ::dup2(m_stderr, STDERR_FILENO);
            ::close(m_stderr);
        }
        qInstallMessageHandler(m_handler);
    }
    Q_DISABLE_COPY_MOVE(Quiet)

private:
    QtMessageHandler m_handler;
    int m_stderr = -1;
};

} // namespace

QString format(const QByteArray &bytes)
{
    if (looksLikeSvg(bytes))
        return QStringLiteral("svg");
    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    return QString::fromLatin1(QImageReader::imageFormat(&buffer));
}

bool decodes(const QByteArray &bytes)
{
    const Quiet quiet;
    if (looksLikeSvg(bytes)) {
        const QSvgRenderer svg(bytes);
        return svg.isValid() && !svg.defaultSize().isEmpty();
    }
    QBuffer buffer;
    buffer.setData(bytes);
    QImageReader reader(&buffer);
    return !reader.read().isNull();
}

QSize size(const QByteArray &bytes)
{
    if (looksLikeSvg(bytes))
        return QSvgRenderer(bytes).defaultSize();
    QBuffer buffer;
    buffer.setData(bytes);
    QImageReader reader(&buffer);
    return reader.size();
}

QSize fitted(QSize own, QSize room)
{
    if (own.width() <= room.width() && own.height() <= room.height())
        return own;
    return own.scaled(room, Qt::KeepAspectRatio);
}

QImage render(const QByteArray &bytes, const std::function<QSize(QSize own)> &sizeFor, qreal ratio)
{
    if (!looksLikeSvg(bytes)) {
        QImage image = QImage::fromData(bytes);
        const QSize size = sizeFor(image.size());
        if (image.isNull() || image.size() == size)
            return image;
        image = image.scaled(size * ratio, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
        image.setDevicePixelRatio(ratio);
        return image;
    }
    QSvgRenderer svg(bytes);
    if (!svg.isValid())
        return {};
    const QSize size = sizeFor(svg.defaultSize());
    QImage image(size * ratio, QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(ratio);
    image.fill(Qt::transparent);
    QPainter p(&image);
    svg.render(&p, QRectF(QPointF(0, 0), size));
    return image;
}

} // namespace Picture
