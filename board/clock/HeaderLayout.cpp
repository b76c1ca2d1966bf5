#include "board/clock/HeaderLayout.h"

#include <QList>

#include <iconv.h>

namespace HeaderLayout {
namespace {

// Bytes of one character (a UTF-32 code point) in code page 936; 0 when it has none there.
int Cp936Bytes(iconv_t converter, char32_t codePoint)
{
    char *in = reinterpret_cast<char *>(&codePoint);
    size_t inLeft = sizeof codePoint;
    char out[8];
    char *outPtr = out;
    size_t outLeft = sizeof out;
    iconv(converter, nullptr, nullptr, nullptr, nullptr);
    if (iconv(converter, &in, &inLeft, &outPtr, &outLeft) == size_t(-1))
        return 0;
    return int(sizeof out - outLeft);
}

} // namespace

int GbkByteCount(QStringView text)
{
    // CP936 rather than GBK: it is the Windows table, with the euro sign as byte 0x80.
    static const iconv_t converter = iconv_open("CP936", "UTF-32LE");
    int bytes = 0;
    for (const uint codePoint : text.toUcs4()) {
        if (codePoint < 0x80) {
            ++bytes;
            continue;
        }
        const int length =
            converter == iconv_t(-1) ? 0 : Cp936Bytes(converter, char32_t(codePoint));
        bytes += length > 0 ? length : 1;
    }
    return bytes;
}

HeaderLefts Compute(int width, const HeaderTexts &texts)
{
    // The reflection labels count the line break that ends their one line of text.
    const auto line = [](const QString &text) { return GbkByteCount(text) + 2; };
    return HeaderLefts{
        width - 34 * line(texts.date),
        width - 62 * line(texts.time),
        width - 48 * GbkByteCount(texts.todayCaption),
        width - 40 * GbkByteCount(texts.todayTemps),
        width - 46 * GbkByteCount(texts.tomorrowCaption),
        width - 20 * GbkByteCount(texts.tomorrowTemps),
        width - 295,
        width - 140,
    };
}

} // namespace HeaderLayout
