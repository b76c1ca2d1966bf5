#include "FuzzSupport.h"
#include "config/GbkCodec.h"
#include "config/IniFile.h"
#include "config/IniText.h"
#include "platform/Errors.h"

#include <array>

using namespace Qt::Literals::StringLiterals;

// Any bytes as a parameter file, then one value written into it. The input is the file up to
// its first NUL byte; what follows, as UTF-8, is the value to write.
namespace {

struct Name
{
    QString section;
    QString key;
};

// The board's own keys, in the case its program writes them.
const std::array<Name, 6> Names{{{u"city"_s, u"Code"_s},
                                 {u"connection"_s, u"constr"_s},
                                 {u"connection"_s, u"basename"_s},
                                 {u"PicAlong"_s, u"along"_s},
                                 {u"MoveShow"_s, u"Msg"_s},
                                 {u"Other"_s, u"New"_s}}};

QString ReadBack(QString value)
{
    value.replace(u"\r\n"_s, u" "_s);
    value.replace(u'\r', u' ');
    value.replace(u'\n', u' ');
    return value;
}

// What a GBK file holds of a text: every character but a few that have no GBK or GB18030
// code here, which read back as "?" (some private-use ones). No character's code may change
// how its neighbours read.
QString StoredAsGbk(const QString &text)
{
    QString oneByOne;
    for (const char32_t c : text.toUcs4()) {
        const QString single = QString::fromUcs4(&c, 1);
        const QString back = Gbk::Decode(Gbk::Encode(single));
        FUZZ_CHECK(back == single || back == u"?"_s);
        oneByOne += back;
    }
    FUZZ_CHECK(Gbk::Decode(Gbk::Encode(text)) == oneByOne);
    return oneByOne;
}

// The encoder drops the tag characters (U+E0000 to U+E007F) and U+FEFF without a trace; a
// value that ends in one would then lose a blank that its quotation marks were to keep.
// Known, and left out of the values tried.
QString WithoutDropped(const QString &text)
{
    QString kept;
    for (const char32_t c : text.toUcs4()) {
        if (c != 0xFEFF && (c < 0xE0000 || c > 0xE007F))
            kept += QString::fromUcs4(&c, 1);
    }
    return kept;
}

// The reader's cut keeps a start of the value that fits the profile buffer, and all of a
// value that fits.
void CheckCut(const QString &value)
{
    const QString cut = Ini::CutToCodePageBytes(value);
    FUZZ_CHECK(value.startsWith(cut));
    FUZZ_CHECK(Gbk::Encode(cut).size() <= Ini::kMaxValueBytes);
    if (Gbk::Encode(value).size() <= Ini::kMaxValueBytes)
        FUZZ_CHECK(cut == value);
}

bool SameName(const Name &a, const Name &b)
{
    return a.section.compare(b.section, Qt::CaseInsensitive) == 0 &&
           a.key.compare(b.key, Qt::CaseInsensitive) == 0;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray input = Fuzz::Bytes(data, size);
    const qsizetype nul = input.indexOf('\0');
    const QByteArray file = nul < 0 ? input : input.first(nul);
    const QString value =
        nul < 0 ? QString() : WithoutDropped(QString::fromUtf8(input.sliced(nul + 1)));
    const Name &target = Names[size % Names.size()];

    const IniText before = IniText::Parse(file);
    // Reading keeps the file's own bytes.
    FUZZ_CHECK(before.Bytes() == file);
    for (const Name &name : Names) {
        if (const std::optional<QString> read = before.Value(name.section, name.key))
            CheckCut(*read);
    }

    IniText after = before;
    after.SetValue(target.section, target.key, value);
    const IniText reread = IniText::Parse(after.Bytes());
    // A GBK file whose only bytes outside UTF-8 were the old value reads as UTF-8 once they
    // are gone; the file's other bytes are the same, but they are now read as UTF-8. Never
    // the other way round: UTF-8 written into UTF-8 stays UTF-8.
    if (reread.encoding() != before.encoding()) {
        FUZZ_CHECK(before.encoding() == IniText::Encoding::Gbk);
        return 0;
    }
    // The written value reads back, and no other key changes.
    const QString stored = before.encoding() == IniText::Encoding::Gbk
                               ? StoredAsGbk(ReadBack(value))
                               : ReadBack(value);
    FUZZ_CHECK(reread.Value(target.section, target.key) == stored);
    for (const Name &name : Names) {
        if (!SameName(name, target))
            FUZZ_CHECK(reread.Value(name.section, name.key) ==
                       before.Value(name.section, name.key));
    }

    // The same through the file: what IniFile writes, a fresh IniFile reads.
    static const QString path = Fuzz::ScratchFolder() + u"/Params.ini"_s;
    Fuzz::WriteFile(path, file);
    try {
        IniFile(path).WriteString(target.section, target.key, value);
    } catch (const BoardError &error) {
        // The scratch file is always writable.
        std::fprintf(stderr, "write failed: %s\n", error.what());
        std::abort();
    }
    const QString missing = u"\u0001missing"_s;
    FUZZ_CHECK(IniFile(path).ReadString(target.section, target.key, missing) ==
               Ini::CutToCodePageBytes(stored));
    return 0;
}
