#include "controls/tiplabel/TipText.h"

#include <QTest>

using namespace Qt::Literals::StringLiterals;
using Positions = QList<qsizetype>;

class tst_TipText : public QObject
{
    Q_OBJECT
private slots:
    void read_data();
    void read();
};

// "&" hides itself and marks the next character; "&&" is a shown "&".
void tst_TipText::read_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("shown");
    QTest::addColumn<Positions>("underlined");
    QTest::newRow("plain") << u"温馨提示"_s << u"温馨提示"_s << Positions{};
    QTest::newRow("empty") << QString() << QString() << Positions{};
    QTest::newRow("marker first") << u"&Abc"_s << u"Abc"_s << Positions{0};
    QTest::newRow("marker before Chinese") << u"确认&A温&馨"_s << u"确认A温馨"_s << Positions{2, 4};
    QTest::newRow("double shows one") << u"A&&B"_s << u"A&B"_s << Positions{};
    QTest::newRow("only a double") << u"&&"_s << u"&"_s << Positions{};
    QTest::newRow("double then marker") << u"&&&x"_s << u"&x"_s << Positions{1};
    QTest::newRow("two markers") << u"&a&b"_s << u"ab"_s << Positions{0, 1};
    QTest::newRow("lone marker at the end") << u"谢谢&"_s << u"谢谢"_s << Positions{};
    QTest::newRow("marker before a surrogate pair") << u"&😀x"_s << u"😀x"_s << Positions{0};
}

void tst_TipText::read()
{
    QFETCH(QString, text);
    QFETCH(QString, shown);
    QFETCH(Positions, underlined);
    const TipText::Shown got = TipText::Read(text);
    QCOMPARE(got.text, shown);
    QCOMPARE(got.underlined, underlined);
}

QTEST_APPLESS_MAIN(tst_TipText)
#include "tst_tiptext.moc"
