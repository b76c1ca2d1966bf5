#include "config/GbkCodec.h"

#include <cerrno>
#include <iconv.h>

namespace Gbk {
namespace {

// One converter per direction for the whole program: opening one loads a module, and the
// INI class converts on every operation. The board is single-threaded.
class Converter
{
public:
    Converter(const char *to, const char *from) : m_cd(iconv_open(to, from)) {}
    ~Converter()
    {
        if (m_cd != reinterpret_cast<iconv_t>(-1))
            iconv_close(m_cd);
    }
    Converter(const Converter &) = delete;
    Converter &operator=(const Converter &) = delete;

    // Converts as much as it can; `consumed` tells how far the input was read.
    QByteArray Run(const char *in, size_t length, size_t &consumed)
    {
        QByteArray out;
        if (m_cd == reinterpret_cast<iconv_t>(-1)) {
            consumed = 0;
            return out;
        }
        iconv(m_cd, nullptr, nullptr, nullptr, nullptr);
        // Neither direction more than doubles the bytes: two UTF-16 units hold at most four
        // GB18030 bytes, and every GBK byte gives at most one unit.
        out.resize(qsizetype(length) * 2 + 8);
        char *inPtr = const_cast<char *>(in);
        size_t inLeft = length;
        char *outPtr = out.data();
        size_t outLeft = size_t(out.size());
        iconv(m_cd, &inPtr, &inLeft, &outPtr, &outLeft);
        consumed = length - inLeft;
        out.resize(out.size() - qsizetype(outLeft));
        return out;
    }

private:
    iconv_t m_cd;
};

Converter &FromGbk()
{
    static Converter c("UTF-16LE", "GBK");
    return c;
}
Converter &FromGb18030()
{
    static Converter c("UTF-16LE", "GB18030");
    return c;
}
Converter &ToGbk()
{
    static Converter c("GBK", "UTF-16LE");
    return c;
}
Converter &ToGb18030()
{
    static Converter c("GB18030", "UTF-16LE");
    return c;
}

QString FromUtf16(const QByteArray &utf16)
{
    return QString(reinterpret_cast<const QChar *>(utf16.constData()), utf16.size() / 2);
}

bool IsFourByteStart(QByteArrayView bytes, qsizetype at)
{
    const auto b = [&](qsizetype i) { return quint8(bytes[at + i]); };
    return at + 3 < bytes.size() && b(0) >= 0x81 && b(0) <= 0xFE && b(1) >= 0x30 && b(1) <= 0x39 &&
           b(2) >= 0x81 && b(2) <= 0xFE && b(3) >= 0x30 && b(3) <= 0x39;
}

} // namespace

int CharLength(QByteArrayView bytes, qsizetype at)
{
    const quint8 lead = quint8(bytes[at]);
    if (lead < 0x81 || lead == 0xFF || at + 1 >= bytes.size())
        return 1;
    if (IsFourByteStart(bytes, at))
        return 4;
    const quint8 trail = quint8(bytes[at + 1]);
    return trail >= 0x40 && trail != 0x7F && trail != 0xFF ? 2 : 1;
}

QString Decode(QByteArrayView bytes)
{
    QString text;
    qsizetype at = 0;
    while (at < bytes.size()) {
        size_t consumed = 0;
        text += FromUtf16(FromGbk().Run(bytes.data() + at, size_t(bytes.size() - at), consumed));
        at += qsizetype(consumed);
        if (at >= bytes.size())
            break;
        // GBK stopped: a GB18030 character that GBK lacks (four bytes, or two in the
        // user-defined areas, which Encode writes so), or a byte that is no character at all.
        const int length = CharLength(bytes, at);
        size_t used = 0;
        const QByteArray wide =
            length > 1 ? FromGb18030().Run(bytes.data() + at, size_t(length), used) : QByteArray();
        if (length > 1 && used == size_t(length)) {
            text += FromUtf16(wide);
            at += length;
        } else {
            text += QChar::ReplacementCharacter;
            ++at;
        }
    }
    return text;
}

QByteArray Encode(QStringView text)
{
    const char *data = reinterpret_cast<const char *>(text.utf16());
    const size_t length = size_t(text.size()) * 2;
    QByteArray bytes;
    size_t at = 0;
    while (at < length) {
        size_t consumed = 0;
        bytes += ToGbk().Run(data + at, length - at, consumed);
        at += consumed;
        if (at >= length)
            break;
        // A character GBK lacks: its GB18030 form; a lone surrogate cannot be written at all.
        const QChar c = text[qsizetype(at / 2)];
        const size_t units =
            c.isHighSurrogate() && at + 2 < length && text[qsizetype(at / 2) + 1].isLowSurrogate()
                ? 2
                : 1;
        size_t used = 0;
        const QByteArray wide = ToGb18030().Run(data + at, units * 2, used);
        bytes += used == units * 2 ? wide : QByteArray("?");
        at += units * 2;
    }
    return bytes;
}

} // namespace Gbk
