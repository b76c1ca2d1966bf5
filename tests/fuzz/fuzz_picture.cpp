#include "FuzzSupport.h"
#include "board/slideshow/PictureDecoder.h"
#include "platform/Errors.h"

#include <QGuiApplication>
#include <array>

using namespace Qt::Literals::StringLiterals;

// Any bytes as a slideshow picture. The first byte picks the file's extension, the rest is
// the file; a picture either decodes to 32-bit RGB or fails with a reason.
namespace {

const std::array<QString, 6> Extensions{u"jpg"_s, u"png"_s,  u"bmp"_s,
                                        u"ico"_s, u"jpeg"_s, u"wmf"_s};

} // namespace

extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv)
{
    // Image plugins and the painter that flattens transparency want an application object.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static QGuiApplication application(*argc, *argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    if (size == 0)
        return 0;
    static const QString folder = Fuzz::ScratchFolder();
    const QString path = folder + u"/picture."_s + Extensions[data[0] % Extensions.size()];
    Fuzz::WriteFile(path, Fuzz::Bytes(data + 1, size - 1));
    try {
        const QImage picture = PictureDecoder::DecodePicture(path);
        FUZZ_CHECK(!picture.isNull() && picture.format() == QImage::Format_RGB32);
        FUZZ_CHECK(qint64(picture.width()) * picture.height() * 4 <=
                   qint64(PictureDecoder::kAllocationLimitMB) * 1024 * 1024);
    } catch (const BoardError &error) {
        FUZZ_CHECK(!error.text().isEmpty());
    }
    return 0;
}
