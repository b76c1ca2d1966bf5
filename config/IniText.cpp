#include "config/IniText.h"

#include "config/GbkCodec.h"

#include <QStringDecoder>

using namespace Qt::Literals::StringLiterals;

namespace {

const QByteArray kBom("\xEF\xBB\xBF");

// The profile functions trim ASCII blanks only; an ideographic space belongs to the text.
bool IsBlank(QChar c)
{
    return c == u' ' || c == u'\t' || c == u'\r' || c == u'\v' || c == u'\f';
}

QStringView Trimmed(QStringView text)
{
    qsizetype begin = 0;
    qsizetype end = text.size();
    while (begin < end && IsBlank(text[begin]))
        ++begin;
    while (end > begin && IsBlank(text[end - 1]))
        --end;
    return text.sliced(begin, end - begin);
}

bool IsQuote(QChar c)
{
    return c == u'"' || c == u'\'';
}

QStringView Unquoted(QStringView value)
{
    if (value.size() >= 2 && IsQuote(value.front()) && value.back() == value.front())
        return value.sliced(1, value.size() - 2);
    return value;
}

bool SameName(const QString &a, const QString &b)
{
    return a.compare(b, Qt::CaseInsensitive) == 0;
}

std::optional<QString> DecodeUtf8(QByteArrayView bytes)
{
    QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString text = decoder.decode(bytes);
    if (decoder.hasError())
        return std::nullopt;
    return text;
}

// How a value has to be written so that reading gives it back unchanged.
QString Stored(QString value)
{
    value.replace(u"\r\n"_s, u" "_s);
    value.replace(u'\r', u' ');
    value.replace(u'\n', u' ');
    if (value.isEmpty())
        return value;
    if (Trimmed(value).size() != value.size() || Unquoted(value).size() != value.size())
        return u'"' + value + u'"';
    return value;
}

} // namespace

IniText IniText::Parse(const QByteArray &bytes)
{
    IniText ini;
    QByteArrayView body(bytes);
    if (body.startsWith(kBom)) {
        ini.m_bom = kBom;
        body = body.sliced(kBom.size());
    }
    std::optional<QString> text = DecodeUtf8(body);
    if (!text) {
        ini.m_encoding = Encoding::Gbk;
        text = Gbk::Decode(body);
    }

    // A line feed is never part of a GBK character, so raw and decoded lines pair up.
    ini.m_lines.reserve(size_t(body.count('\n')) + 1);
    bool inSection = false;
    qsizetype rawAt = 0;
    qsizetype textAt = 0;
    while (rawAt < body.size()) {
        qsizetype rawEnd = body.indexOf('\n', rawAt);
        qsizetype textEnd = text->indexOf(u'\n', textAt);
        QByteArray ending = "\n";
        if (rawEnd < 0) {
            rawEnd = body.size();
            textEnd = text->size();
            ending.clear();
        }
        qsizetype contentEnd = rawEnd;
        if (!ending.isEmpty() && contentEnd > rawAt && body[contentEnd - 1] == '\r') {
            --contentEnd;
            ending = "\r\n";
        }
        const QStringView lineText = QStringView(*text).sliced(textAt, textEnd - textAt);
        Line line = ParseLine(body.sliced(rawAt, contentEnd - rawAt).toByteArray(), ending,
                              lineText, inSection);
        inSection = inSection || line.kind == Kind::Section;
        ini.m_lines.push_back(std::move(line));
        rawAt = rawEnd + 1;
        textAt = textEnd + 1;
    }
    return ini;
}

IniText::Line IniText::ParseLine(QByteArray raw, QByteArray ending, QStringView text,
                                 bool inSection)
{
    Line line;
    line.raw = std::move(raw);
    line.ending = std::move(ending);
    const QStringView content = Trimmed(text);
    if (content.isEmpty() || content.front() == u';')
        return line;
    if (content.front() == u'[') {
        const qsizetype close = content.indexOf(u']');
        line.kind = Kind::Section;
        line.name = Trimmed(content.sliced(1, (close < 0 ? content.size() : close) - 1)).toString();
        return line;
    }
    const qsizetype equals = content.indexOf(u'=');
    if (!inSection || equals < 0)
        return line;
    line.kind = Kind::Key;
    line.name = Trimmed(content.first(equals)).toString();
    line.value = Unquoted(Trimmed(content.sliced(equals + 1))).toString();
    // "=" and the blanks are single bytes in both encodings, and never inside a character.
    qsizetype at = line.raw.indexOf('=') + 1;
    while (at < line.raw.size() && IsBlank(QChar::fromLatin1(line.raw[at])))
        ++at;
    line.valueAt = at;
    return line;
}

std::optional<QString> IniText::Value(const QString &section, const QString &key) const
{
    const qsizetype at = FindKey(FindSection(section), key);
    if (at < 0)
        return std::nullopt;
    return m_lines[at].value;
}

void IniText::SetValue(const QString &section, const QString &key, const QString &value)
{
    const QString stored = Stored(value);
    const qsizetype sectionLine = FindSection(section);
    if (sectionLine < 0) {
        InsertLine(qsizetype(m_lines.size()), u'[' + section + u']');
        InsertLine(qsizetype(m_lines.size()), key + u'=' + stored);
        return;
    }
    const qsizetype keyLine = FindKey(sectionLine, key);
    if (keyLine >= 0) {
        Line &line = m_lines[keyLine];
        line.raw = line.raw.first(line.valueAt) + Encode(stored);
        line.value = Unquoted(Trimmed(stored)).toString();
        return;
    }
    // After the section's last line that holds anything, before the blank lines that often
    // separate it from the next section.
    qsizetype at = SectionEnd(sectionLine);
    while (at > sectionLine + 1 && m_lines[at - 1].kind == Kind::Other &&
           Trimmed(QString::fromLatin1(m_lines[at - 1].raw)).isEmpty())
        --at;
    InsertLine(at, key + u'=' + stored);
}

QByteArray IniText::Bytes() const
{
    QByteArray bytes = m_bom;
    for (const Line &line : m_lines)
        bytes += line.raw + line.ending;
    return bytes;
}

qsizetype IniText::FindSection(const QString &section) const
{
    for (qsizetype i = 0; i < qsizetype(m_lines.size()); ++i) {
        if (m_lines[i].kind == Kind::Section && SameName(m_lines[i].name, section))
            return i;
    }
    return -1;
}

qsizetype IniText::FindKey(qsizetype sectionLine, const QString &key) const
{
    if (sectionLine < 0)
        return -1;
    const qsizetype end = SectionEnd(sectionLine);
    for (qsizetype i = sectionLine + 1; i < end; ++i) {
        if (m_lines[i].kind == Kind::Key && SameName(m_lines[i].name, key))
            return i;
    }
    return -1;
}

qsizetype IniText::SectionEnd(qsizetype sectionLine) const
{
    qsizetype end = sectionLine + 1;
    while (end < qsizetype(m_lines.size()) && m_lines[end].kind != Kind::Section)
        ++end;
    return end;
}

QByteArray IniText::Encode(const QString &text) const
{
    return m_encoding == Encoding::Utf8 ? text.toUtf8() : Gbk::Encode(text);
}

QByteArray IniText::DefaultEnding() const
{
    for (const Line &line : m_lines) {
        if (!line.ending.isEmpty())
            return line.ending;
    }
    return m_encoding == Encoding::Gbk ? QByteArray("\r\n") : QByteArray("\n");
}

void IniText::InsertLine(qsizetype at, const QString &text)
{
    const QByteArray ending = DefaultEnding();
    if (at > 0 && m_lines[at - 1].ending.isEmpty())
        m_lines[at - 1].ending = ending;
    m_lines.insert(m_lines.begin() + at, ParseLine(Encode(text), ending, text, true));
}

namespace Ini {

QString CutToCodePageBytes(const QString &value, int maxBytes)
{
    // No character takes more than four bytes.
    if (value.size() * 4 <= maxBytes)
        return value;
    const QByteArray bytes = Gbk::Encode(value);
    if (bytes.size() <= maxBytes)
        return value;
    qsizetype end = 0;
    while (end < bytes.size()) {
        const int length = Gbk::CharLength(bytes, end);
        if (end + length > maxBytes)
            break;
        end += length;
    }
    return Gbk::Decode(QByteArrayView(bytes).first(end));
}

} // namespace Ini
