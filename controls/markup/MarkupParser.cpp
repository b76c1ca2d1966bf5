#include "controls/markup/MarkupParser.h"

#include <QHash>
#include <limits>

using namespace Qt::Literals::StringLiterals;

namespace Markup {
namespace {

bool IsAsciiLetter(QChar c)
{
    return (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z');
}

bool IsBlank(QChar c)
{
    return c == u' ' || c == u'\t' || c == u'\r' || c == u'\n';
}

// A number attribute; anything that is not a plain whole number reads as 0 ("not given"),
// and numbers beyond int saturate instead of wrapping.
int ToNumber(const QString &value)
{
    bool ok = false;
    const qlonglong number = value.trimmed().toLongLong(&ok);
    if (!ok || number < 0)
        return 0;
    return int(qMin<qlonglong>(number, std::numeric_limits<int>::max()));
}

// The attributes of one tag, names in lower case; the first of a repeated name counts.
QHash<QString, QString> ReadAttributes(QStringView body)
{
    QHash<QString, QString> attributes;
    qsizetype i = 0;
    const qsizetype n = body.size();
    while (i < n) {
        while (i < n && (IsBlank(body[i]) || body[i] == u'/'))
            ++i;
        const qsizetype nameStart = i;
        while (i < n && !IsBlank(body[i]) && body[i] != u'=' && body[i] != u'/')
            ++i;
        const QString name = body.sliced(nameStart, i - nameStart).toString().toLower();
        while (i < n && IsBlank(body[i]))
            ++i;
        QString value;
        if (i < n && body[i] == u'=') {
            ++i;
            while (i < n && IsBlank(body[i]))
                ++i;
            if (i < n && (body[i] == u'"' || body[i] == u'\'')) {
                const QChar quote = body[i++];
                const qsizetype valueStart = i;
                while (i < n && body[i] != quote)
                    ++i;
                value = body.sliced(valueStart, i - valueStart).toString();
                if (i < n)
                    ++i;
            } else {
                const qsizetype valueStart = i;
                while (i < n && !IsBlank(body[i]))
                    ++i;
                value = body.sliced(valueStart, i - valueStart).toString();
                // "src=a.png/" is the self-closing slash, not part of the value.
                if (value.endsWith(u'/'))
                    value.chop(1);
            }
        }
        if (!name.isEmpty() && !attributes.contains(name))
            attributes.insert(name, value);
    }
    return attributes;
}

// Turns one tag into a node; false for tags the dialect does not know.
bool MakeNode(const QString &name, bool closing, QStringView rest, Node &node)
{
    if (name == u"b"_s) {
        node.kind = closing ? NodeKind::BoldOff : NodeKind::BoldOn;
        return true;
    }
    if (name == u"font"_s) {
        node.kind = closing ? NodeKind::FontEnd : NodeKind::Font;
        if (!closing) {
            const auto attributes = ReadAttributes(rest);
            node.face = attributes.value(u"face"_s).trimmed();
            node.size = ToNumber(attributes.value(u"size"_s));
            node.color = attributes.value(u"color"_s).trimmed();
        }
        return true;
    }
    if (name == u"br"_s) {
        node.kind = NodeKind::Break;
        return true;
    }
    if (name == u"ul"_s) {
        node.kind = closing ? NodeKind::ListClose : NodeKind::ListOpen;
        return true;
    }
    if (name == u"li"_s && !closing) {
        const auto attributes = ReadAttributes(rest);
        node.kind = NodeKind::ListItem;
        node.type = attributes.value(u"type"_s).trimmed();
        node.color = attributes.value(u"color"_s).trimmed();
        return true;
    }
    if (name == u"img"_s && !closing) {
        const auto attributes = ReadAttributes(rest);
        node.kind = NodeKind::Picture;
        node.src = attributes.value(u"src"_s).trimmed();
        node.width = ToNumber(attributes.value(u"width"_s));
        node.height = ToNumber(attributes.value(u"height"_s));
        node.align = attributes.value(u"align"_s).trimmed().toLower();
        return true;
    }
    return false;
}

// The character an entity at `at` (which holds '&') stands for, and its length; none when
// the '&' starts no entity that we know.
bool ReadEntity(QStringView text, qsizetype at, QString &decoded, qsizetype &length)
{
    static const QHash<QString, QString> named{{u"amp"_s, u"&"_s},
                                               {u"lt"_s, u"<"_s},
                                               {u"gt"_s, u">"_s},
                                               {u"quot"_s, u"\""_s},
                                               {u"apos"_s, u"'"_s},
                                               {u"nbsp"_s, QString(QChar(0xA0))},
                                               {u"yen"_s, QString(QChar(0xA5))}};
    // Entities are short: looking no further keeps a text full of '&' linear.
    constexpr qsizetype longest = 10;
    const qsizetype window = qMin(longest + 1, text.size() - at);
    const qsizetype semicolon = text.sliced(at, window).indexOf(u';');
    if (semicolon < 0)
        return false;
    const qsizetype end = at + semicolon;
    const QStringView name = text.sliced(at + 1, end - at - 1);
    if (name.startsWith(u'#')) {
        bool ok = false;
        const bool hex = name.size() > 1 && (name[1] == u'x' || name[1] == u'X');
        const uint code = hex ? name.sliced(2).toUInt(&ok, 16) : name.sliced(1).toUInt(&ok, 10);
        if (!ok || code == 0 || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF))
            return false;
        const char32_t c = code;
        decoded = QString::fromUcs4(&c, 1);
    } else {
        const auto found = named.constFind(name.toString().toLower());
        if (found == named.cend())
            return false;
        decoded = *found;
    }
    length = end - at + 1;
    return true;
}

class Parser
{
public:
    explicit Parser(QStringView markup) : m_markup(markup) {}

    Document Run()
    {
        const qsizetype n = m_markup.size();
        qsizetype i = 0;
        while (i < n) {
            if (m_markup[i] == u'<' && ReadTag(i))
                continue;
            AppendText(i);
        }
        FlushText();
        return std::move(m_document);
    }

private:
    // Reads the tag at `i` and moves past it; false when the '<' opens no tag.
    bool ReadTag(qsizetype &i)
    {
        const qsizetype n = m_markup.size();
        qsizetype p = i + 1;
        const bool closing = p < n && m_markup[p] == u'/';
        if (closing)
            ++p;
        if (p >= n || !IsAsciiLetter(m_markup[p]))
            return false;
        if (m_nextClose < i) {
            m_nextClose = m_markup.indexOf(u'>', i);
            if (m_nextClose < 0)
                m_nextClose = n; // no '>' any more: every later '<' is text
        }
        if (m_nextClose >= n)
            return false;
        const qsizetype nameStart = p;
        while (p < m_nextClose && (IsAsciiLetter(m_markup[p]) || m_markup[p].isDigit()))
            ++p;
        const QString name = m_markup.sliced(nameStart, p - nameStart).toString().toLower();
        Node node;
        if (MakeNode(name, closing, m_markup.sliced(p, m_nextClose - p), node)) {
            FlushText();
            m_document.append(std::move(node));
        }
        i = m_nextClose + 1;
        return true;
    }

    void AppendText(qsizetype &i)
    {
        const QChar c = m_markup[i];
        if (c == u'&') {
            QString decoded;
            qsizetype length = 0;
            if (ReadEntity(m_markup, i, decoded, length)) {
                m_text += decoded;
                i += length;
                return;
            }
        }
        m_text += IsBlank(c) ? QChar(u' ') : c;
        ++i;
    }

    void FlushText()
    {
        if (m_text.isEmpty())
            return;
        Node node;
        node.kind = NodeKind::Text;
        node.text = std::move(m_text);
        m_text.clear();
        m_document.append(std::move(node));
    }

    QStringView m_markup;
    Document m_document;
    QString m_text;
    qsizetype m_nextClose = -1;
};

} // namespace

Document Parse(QStringView markup)
{
    return Parser(markup).Run();
}

} // namespace Markup
