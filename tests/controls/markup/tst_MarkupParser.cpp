#include "controls/markup/MarkupParser.h"

#include <QTest>

using namespace Qt::Literals::StringLiterals;
using Markup::NodeKind;

namespace {

// One line per document: "T[abc] B /B F[face|size|color] /F BR UL /UL LI[type|color]
// IMG[src|width|height|align]".
QString Summary(const Markup::Document &document)
{
    QStringList parts;
    for (const Markup::Node &node : document) {
        switch (node.kind) {
        case NodeKind::Text:
            parts << u"T[%1]"_s.arg(node.text);
            break;
        case NodeKind::BoldOn:
            parts << u"B"_s;
            break;
        case NodeKind::BoldOff:
            parts << u"/B"_s;
            break;
        case NodeKind::Font:
            parts << u"F[%1|%2|%3]"_s.arg(node.face).arg(node.size).arg(node.color);
            break;
        case NodeKind::FontEnd:
            parts << u"/F"_s;
            break;
        case NodeKind::Break:
            parts << u"BR"_s;
            break;
        case NodeKind::ListOpen:
            parts << u"UL"_s;
            break;
        case NodeKind::ListClose:
            parts << u"/UL"_s;
            break;
        case NodeKind::ListItem:
            parts << u"LI[%1|%2]"_s.arg(node.type, node.color);
            break;
        case NodeKind::Picture:
            parts << u"IMG[%1|%2|%3|%4]"_s.arg(node.src)
                         .arg(node.width)
                         .arg(node.height)
                         .arg(node.align);
            break;
        }
    }
    return parts.join(u' ');
}

} // namespace

class tst_MarkupParser : public QObject
{
    Q_OBJECT
private slots:
    void parse_data();
    void parse();
};

void tst_MarkupParser::parse_data()
{
    QTest::addColumn<QString>("markup");
    QTest::addColumn<QString>("summary");

    QTest::newRow("plain text") << u"商务 标间"_s << u"T[商务 标间]"_s;
    QTest::newRow("bold, closing in capitals") << u"<b>a</B>b"_s << u"B T[a] /B T[b]"_s;
    QTest::newRow("font face and size")
        << u"<font size=\"28\" face=\"黑体\">x</font>"_s << u"F[黑体|28|] T[x] /F"_s;
    QTest::newRow("attribute names ignore case")
        << u"<FONT Face=\"A\" SIZE=\"16\" Color=\"clRed\">"_s << u"F[A|16|clRed]"_s;
    QTest::newRow("breaks in every spelling") << u"<br/><BR><br />"_s << u"BR BR BR"_s;
    QTest::newRow("list with items") << u"<ul><li  type=\"SQUARE\" color=\"clRed\"> a</li></ul>"_s
                                     << u"UL LI[SQUARE|clRed] T[ a] /UL"_s;
    QTest::newRow("picture with size and align")
        << u"<IMG src=\"BJ.png\"  width=\"150\" height=\"60\" align=\"right\"/>"_s
        << u"IMG[BJ.png|150|60|right]"_s;
    QTest::newRow("self-closing picture") << u"<IMG src=\"3.png\"/>"_s << u"IMG[3.png|0|0|]"_s;

    QTest::newRow("unquoted attributes")
        << u"<img src=a.png width=5 height=6/>"_s << u"IMG[a.png|5|6|]"_s;
    QTest::newRow("single quotes") << u"<font face='A B' size='9'>"_s << u"F[A B|9|]"_s;
    QTest::newRow("attribute without value") << u"<img src width=\"4\">"_s << u"IMG[|4|0|]"_s;
    QTest::newRow("unterminated quote") << u"<font face=\"abc>x"_s << u"F[abc|0|] T[x]"_s;
    QTest::newRow("first of a repeated attribute")
        << u"<font size=\"1\" size=\"2\">"_s << u"F[|1|]"_s;
    QTest::newRow("size that is no number") << u"<font size=\"big\">"_s << u"F[|0|]"_s;
    QTest::newRow("size beyond int saturates")
        << u"<font size=\"99999999999999\">"_s << u"F[|2147483647|]"_s;
    QTest::newRow("negative size is not given") << u"<font size=\"-4\">"_s << u"F[|0|]"_s;

    QTest::newRow("unknown tags dropped") << u"a<i>b</i><table x=1>c"_s << u"T[abc]"_s;
    QTest::newRow("stray less-than") << u"1 < 2 <3 <"_s << u"T[1 < 2 <3 <]"_s;
    QTest::newRow("no closing bracket") << u"a<b c"_s << u"T[a<b c]"_s;
    QTest::newRow("tag ends at first bracket") << u"<b>>"_s << u"B T[>]"_s;
    QTest::newRow("empty tag") << u"<>x</>"_s << u"T[<>x</>]"_s;
    QTest::newRow("closing tags of pictures and items dropped") << u"</img></li>"_s << u""_s;

    QTest::newRow("known entities")
        << u"&lt;b&gt; &amp; &quot;&#65;&#x4e2d;"_s << u"T[<b> & \"A中]"_s;
    QTest::newRow("stray ampersands")
        << u"A&B &; &unknown; &#xZZ; &#0; &"_s << u"T[A&B &; &unknown; &#xZZ; &#0; &]"_s;
    QTest::newRow("entity without semicolon") << u"&amp &lt"_s << u"T[&amp &lt]"_s;
    QTest::newRow("line breaks read as spaces") << u"a\r\nb\tc"_s << u"T[a  b c]"_s;
}

void tst_MarkupParser::parse()
{
    QFETCH(QString, markup);
    QFETCH(QString, summary);
    QCOMPARE(Summary(Markup::Parse(markup)), summary);
}

QTEST_APPLESS_MAIN(tst_MarkupParser)
#include "tst_MarkupParser.moc"
