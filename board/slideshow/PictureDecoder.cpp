#include "board/slideshow/PictureDecoder.h"

#include "platform/Errors.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImageReader>
#include <QPainter>

using namespace Qt::Literals::StringLiterals;

namespace PictureDecoder {

static QByteArray ReaderFormat(const QString &path)
{
    const QString extension = QFileInfo(path).suffix().toLower();
    if (extension == u"png")
        return "png";
    if (extension == u"jpg" || extension == u"jpeg")
        return "jpeg";
    if (extension == u"bmp")
        return "bmp";
    if (extension == u"ico")
        return "ico";
    if (extension == u"wmf" || extension == u"emf")
        throw BoardError(
            u"%1: Windows metafile pictures (WMF, EMF) cannot be shown on this "
            u"system; save the picture as JPEG or PNG."_s.arg(QDir::toNativeSeparators(path)));
    throw BoardError(u"%1: unknown picture file extension."_s.arg(QDir::toNativeSeparators(path)));
}

QImage DecodePicture(const QString &path)
{
    const QByteArray format = ReaderFormat(path);
    const QString shown = QDir::toNativeSeparators(path);
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw BoardError(u"Cannot open file \"%1\". %2"_s.arg(shown, file.errorString()));
    QImageReader reader(&file, format);
    reader.setDecideFormatFromContent(false);
    reader.setAllocationLimit(kAllocationLimitMB);
    // The header's size is checked first, so that a small file claiming a huge picture
    // fails before anything is allocated.
    const QSize size = reader.size();
    if (size.isValid() &&
        qint64(size.width()) * size.height() * 4 > qint64(kAllocationLimitMB) * 1024 * 1024)
        throw BoardError(u"%1: the picture is too large (%2 x %3 pixels)."_s.arg(shown)
                             .arg(size.width())
                             .arg(size.height()));
    QImage image;
    if (!reader.read(&image))
        throw BoardError(u"%1: %2"_s.arg(shown, reader.errorString()));
    if (!image.hasAlphaChannel())
        return image.convertToFormat(QImage::Format_RGB32);
    QImage flat(image.size(), QImage::Format_RGB32);
    flat.fill(Qt::black);
    QPainter painter(&flat);
    painter.drawImage(0, 0, image);
    return flat;
}

} // namespace PictureDecoder
