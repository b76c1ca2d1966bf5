#include "IniTestSupport.h"
#include "config/AtomicFile.h"
#include "config/IniFile.h"
#include "platform/Errors.h"

#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::Literals::StringLiterals;
using IniTest::InGbk;
using IniTest::ReadBytes;
using IniTest::WriteBytes;

class tst_IniFile : public QObject
{
    Q_OBJECT

private:
    QString Path() const { return m_dir->filePath(u"Params.ini"_s); }
    std::unique_ptr<QTemporaryDir> m_dir;

private slots:
    void init();
    void cleanup();
    void readRules_data();
    void readRules();
    void missingFileReadsDefaults();
    void writeRules_data();
    void writeRules();
    void unwritable_data();
    void unwritable();
    void keepsPermissionsAndFollowsLinks();
    void staleTemporaryFile_data();
    void staleTemporaryFile();
};

void tst_IniFile::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid());
}

void tst_IniFile::cleanup()
{
    // A test may leave the folder read-only; the temporary directory must still go.
    QFile::setPermissions(m_dir->path(),
                          QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    m_dir.reset();
}

// The rules of the private-profile reader, which hand-edited and old boards' files rely on.
void tst_IniFile::readRules_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<QString>("section");
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("expected");

    const QString wen = u"温"_s;
    QTest::newRow("names ignore case")
        << "[city]\r\nCODE=1\r\n"_ba << u"City"_s << u"Code"_s << u"1"_s;
    QTest::newRow("blanks around value")
        << "[s]\n\tk =  v w \t\n"_ba << u"s"_s << u"k"_s << u"v w"_s;
    QTest::newRow("blanks around section") << "  [ s ]  \nk=v"_ba << u"s"_s << u"k"_s << u"v"_s;
    QTest::newRow("double quotes") << "[s]\nk= \" v \" \n"_ba << u"s"_s << u"k"_s << u" v "_s;
    QTest::newRow("single quotes") << "[s]\nk='v'\n"_ba << u"s"_s << u"k"_s << u"v"_s;
    QTest::newRow("one pair of quotes only")
        << "[s]\nk=\"\"v\"\"\n"_ba << u"s"_s << u"k"_s << u"\"v\""_s;
    QTest::newRow("unmatched quote kept") << "[s]\nk=\"v'\n"_ba << u"s"_s << u"k"_s << u"\"v'"_s;
    QTest::newRow("value after first equals") << "[s]\nk=a=b\n"_ba << u"s"_s << u"k"_s << u"a=b"_s;
    QTest::newRow("empty value is not the default") << "[s]\nk=\n"_ba << u"s"_s << u"k"_s << u""_s;
    QTest::newRow("missing key") << "[s]\nj=1\n"_ba << u"s"_s << u"k"_s << u"<default>"_s;
    QTest::newRow("missing section") << "[t]\nk=1\n"_ba << u"s"_s << u"k"_s << u"<default>"_s;
    QTest::newRow("key outside any section")
        << "k=1\n[s]\n"_ba << u"s"_s << u"k"_s << u"<default>"_s;
    QTest::newRow("comment line") << "[s]\n ;k=1\n"_ba << u"s"_s << u"k"_s << u"<default>"_s;
    QTest::newRow("first duplicate key") << "[s]\nk=1\nK=2\n"_ba << u"s"_s << u"k"_s << u"1"_s;
    QTest::newRow("first duplicate section")
        << "[s]\nk=1\n[S]\nk=2\nj=3\n"_ba << u"s"_s << u"j"_s << u"<default>"_s;
    QTest::newRow("no final line break") << "[s]\r\nk=v"_ba << u"s"_s << u"k"_s << u"v"_s;
    QTest::newRow("ideographic space is text")
        << "[s]\nk=\u3000v\u3000\n"_ba << u"s"_s << u"k"_s << u"\u3000v\u3000"_s;
    QTest::newRow("UTF-8 byte-order mark")
        << "\xEF\xBB\xBF[s]\nk=v\n"_ba << u"s"_s << u"k"_s << u"v"_s;
    QTest::newRow("UTF-8 Chinese")
        << u"[移动]\nk=温馨提示\n"_s.toUtf8() << u"移动"_s << u"k"_s << u"温馨提示"_s;
    QTest::newRow("GBK Chinese") << InGbk(u"[s]\r\nk=温馨提示\r\n"_s) << u"s"_s << u"k"_s
                                 << u"温馨提示"_s;
    // 嶽 and 乚 end in the bytes of "[" and "]": a byte-wise reader mistakes them.
    QTest::newRow("GBK brackets inside characters")
        << InGbk(u"[嶽麓]\r\nk=乚\r\n嶽=1\r\n"_s) << u"嶽麓"_s << u"k"_s << u"乚"_s;

    QTest::newRow("2047 bytes kept")
        << "[s]\nk=" + QByteArray(2047, 'x') << u"s"_s << u"k"_s << QString(2047, u'x');
    QTest::newRow("2048 bytes cut")
        << "[s]\nk=" + QByteArray(2048, 'x') << u"s"_s << u"k"_s << QString(2047, u'x');
    QTest::newRow("3000-byte GBK tip cut between characters")
        << InGbk(u"[MoveShow]\r\nMsg="_s + wen.repeated(1500)) << u"MoveShow"_s << u"Msg"_s
        << wen.repeated(1023);
    QTest::newRow("GBK cut on an odd byte")
        << InGbk(u"[MoveShow]\r\nMsg=a"_s + wen.repeated(1500)) << u"MoveShow"_s << u"Msg"_s
        << u"a"_s + wen.repeated(1023);
    QTest::newRow("UTF-8 tip cut by its GBK length")
        << (u"[MoveShow]\nMsg="_s + wen.repeated(1500)).toUtf8() << u"MoveShow"_s << u"Msg"_s
        << wen.repeated(1023);
    QTest::newRow("cut after the quotes go")
        << "[s]\nk=\"" + QByteArray(2047, 'x') + "\"" << u"s"_s << u"k"_s << QString(2047, u'x');
}

void tst_IniFile::readRules()
{
    QFETCH(QByteArray, file);
    QFETCH(QString, section);
    QFETCH(QString, key);
    QFETCH(QString, expected);
    QVERIFY(WriteBytes(Path(), file));
    QCOMPARE(IniFile(Path()).ReadString(section, key, u"<default>"_s), expected);
}

void tst_IniFile::missingFileReadsDefaults()
{
    const IniFile ini(Path());
    QCOMPARE(ini.ReadString(u"City"_s, u"Code"_s, u"101270101"_s), u"101270101"_s);
    QVERIFY(!QFileInfo::exists(Path()));
}

// A write changes the one line it must and keeps every other byte, line ending and the
// byte-order mark; what it writes reads back unchanged.
void tst_IniFile::writeRules_data()
{
    QTest::addColumn<QByteArray>("before");
    QTest::addColumn<QString>("section");
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("value");
    QTest::addColumn<QByteArray>("after");
    QTest::addColumn<QString>("readBack");

    QTest::newRow("in place, spelling and spacing kept")
        << "; c\n[S]\r\n Key =  old  \r\nj=2\n"_ba << u"s"_s << u"key"_s << u"new"_s
        << "; c\n[S]\r\n Key =  new\r\nj=2\n"_ba << u"new"_s;
    QTest::newRow("quoted value replaced whole")
        << "[s]\nk=\"a b\"  \n"_ba << u"s"_s << u"k"_s << u"c"_s << "[s]\nk=c\n"_ba << u"c"_s;
    QTest::newRow("empty value keeps the key")
        << "[s]\nk=v\n"_ba << u"s"_s << u"k"_s << u""_s << "[s]\nk=\n"_ba << u""_s;
    QTest::newRow("missing key before the blank lines")
        << "[a]\r\nx=1\r\n\r\n[b]\r\ny=2\r\n"_ba << u"a"_s << u"k"_s << u"v"_s
        << "[a]\r\nx=1\r\nk=v\r\n\r\n[b]\r\ny=2\r\n"_ba << u"v"_s;
    QTest::newRow("missing key in an empty section")
        << "[a]\n\n[b]\n"_ba << u"A"_s << u"k"_s << u"v"_s << "[a]\nk=v\n\n[b]\n"_ba << u"v"_s;
    QTest::newRow("missing section at the end") << "[a]\r\nx=1\r\n"_ba << u"b"_s << u"k"_s << u"v"_s
                                                << "[a]\r\nx=1\r\n[b]\r\nk=v\r\n"_ba << u"v"_s;
    QTest::newRow("last line gets its ending")
        << "[a]\nx=1"_ba << u"b"_s << u"k"_s << u"v"_s << "[a]\nx=1\n[b]\nk=v\n"_ba << u"v"_s;
    QTest::newRow("empty file") << ""_ba << u"s"_s << u"k"_s << u"v"_s << "[s]\nk=v\n"_ba << u"v"_s;
    QTest::newRow("first duplicate key")
        << "[s]\nk=1\nk=2\n"_ba << u"s"_s << u"K"_s << u"9"_s << "[s]\nk=9\nk=2\n"_ba << u"9"_s;
    QTest::newRow("first duplicate section") << "[s]\nk=1\n[s]\nj=2\n"_ba << u"s"_s << u"j"_s
                                             << u"3"_s << "[s]\nk=1\nj=3\n[s]\nj=2\n"_ba << u"3"_s;
    QTest::newRow("blanks kept by quoting")
        << "[s]\nk=1\n"_ba << u"s"_s << u"k"_s << u" a "_s << "[s]\nk=\" a \"\n"_ba << u" a "_s;
    QTest::newRow("quotes kept by quoting")
        << "[s]\nk=1\n"_ba << u"s"_s << u"k"_s << u"'a'"_s << "[s]\nk=\"'a'\"\n"_ba << u"'a'"_s;
    QTest::newRow("line breaks become blanks")
        << "[s]\nk=1\n"_ba << u"s"_s << u"k"_s << u"a\r\nb\nc"_s << "[s]\nk=a b c\n"_ba
        << u"a b c"_s;
    QTest::newRow("GBK stays GBK")
        << InGbk(u"; 说明\r\n[s]\r\nk=旧\r\n"_s) << u"s"_s << u"k"_s << u"新的"_s
        << InGbk(u"; 说明\r\n[s]\r\nk=新的\r\n"_s) << u"新的"_s;
    QTest::newRow("GBK brackets inside characters")
        << InGbk(u"[s]\r\nk=乚\r\n[嶽]\r\n"_s) << u"嶽"_s << u"j"_s << u"嶽乚"_s
        << InGbk(u"[s]\r\nk=乚\r\n[嶽]\r\nj=嶽乚\r\n"_s) << u"嶽乚"_s;
    QTest::newRow("beyond GBK in GB18030 form")
        << InGbk(u"[s]\r\nk=旧\r\n"_s) << u"s"_s << u"k"_s << u"温😀"_s
        << InGbk(u"[s]\r\nk="_s) + "\xCE\xC2\x94\x39\xFC\x36\r\n"
        << u"温😀"_s;
    QTest::newRow("UTF-8 byte-order mark kept")
        << "\xEF\xBB\xBF[s]\nk=1\n"_ba << u"s"_s << u"k"_s << u"温"_s
        << "\xEF\xBB\xBF[s]\nk=\xE6\xB8\xA9\n"_ba << u"温"_s;
}

void tst_IniFile::writeRules()
{
    QFETCH(QByteArray, before);
    QFETCH(QString, section);
    QFETCH(QString, key);
    QFETCH(QString, value);
    QFETCH(QByteArray, after);
    QFETCH(QString, readBack);
    QVERIFY(WriteBytes(Path(), before));

    IniFile ini(Path());
    ini.WriteString(section, key, value);
    QCOMPARE(ReadBytes(Path()), after);
    QCOMPARE(ini.ReadString(section, key, u"<default>"_s), readBack);
    QCOMPARE(IniFile(Path()).ReadString(section, key, u"<default>"_s), readBack);
    QVERIFY(!QFileInfo::exists(AtomicFile::TemporaryPath(Path())));
}

// The platform's writer fails on a read-only file even where a rename would succeed; and the
// program never creates Params.ini.
void tst_IniFile::unwritable_data()
{
    QTest::addColumn<QString>("how");
    QTest::newRow("read-only file") << u"file"_s;
    QTest::newRow("folder forbids writing") << u"folder"_s;
    QTest::newRow("missing file") << u"missing"_s;
}

void tst_IniFile::unwritable()
{
    QFETCH(QString, how);
    const QByteArray before = InGbk(u"[connection]\r\nbasename=D:\\Board\r\n"_s);
    if (how != u"missing"_s)
        QVERIFY(WriteBytes(Path(), before));
    if (how == u"file"_s)
        QVERIFY(QFile::setPermissions(Path(), QFileDevice::ReadOwner | QFileDevice::ReadOther));
    if (how == u"folder"_s)
        QVERIFY(
            QFile::setPermissions(m_dir->path(), QFileDevice::ReadOwner | QFileDevice::ExeOwner));
    const QStringList entries = QDir(m_dir->path()).entryList(QDir::AllEntries | QDir::Hidden);

    IniFile ini(Path());
    try {
        ini.WriteString(u"connection"_s, u"basename"_s, u"/opt/board"_s);
        QFAIL("the write succeeded");
    } catch (const BoardError &error) {
        QCOMPARE(error.text(), u"Unable to write to "_s + Path());
    }
    QCOMPARE(QDir(m_dir->path()).entryList(QDir::AllEntries | QDir::Hidden), entries);
    if (how != u"missing"_s) {
        QCOMPARE(ReadBytes(Path()), before);
        QCOMPARE(ini.ReadString(u"connection"_s, u"basename"_s, QString()), u"D:\\Board"_s);
    }
}

void tst_IniFile::keepsPermissionsAndFollowsLinks()
{
    const QString real = m_dir->filePath(u"real.ini"_s);
    QVERIFY(WriteBytes(real, "[s]\nk=1\n"));
    const auto permissions =
        QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ReadGroup;
    QVERIFY(QFile::setPermissions(real, permissions));
    const QFileDevice::Permissions before = QFile::permissions(real);
    QVERIFY(QFile::link(real, Path()));

    IniFile(Path()).WriteString(u"s"_s, u"k"_s, u"2"_s);
    QVERIFY(QFileInfo(Path()).isSymLink());
    QCOMPARE(ReadBytes(real), "[s]\nk=2\n"_ba);
    QCOMPARE(QFile::permissions(real), before);
}

// A temporary file left behind by an interrupted save never stops the next one.
void tst_IniFile::staleTemporaryFile_data()
{
    QTest::addColumn<bool>("readOnly");
    QTest::newRow("stale file") << false;
    QTest::newRow("stale read-only file") << true;
}

void tst_IniFile::staleTemporaryFile()
{
    QFETCH(bool, readOnly);
    QVERIFY(WriteBytes(Path(), "[s]\nk=1\n"));
    const QString stale = AtomicFile::TemporaryPath(Path());
    QVERIFY(WriteBytes(stale, QByteArray(100000, 'x')));
    if (readOnly)
        QVERIFY(QFile::setPermissions(stale, QFileDevice::ReadOwner));

    IniFile(Path()).WriteString(u"s"_s, u"k"_s, u"2"_s);
    QCOMPARE(ReadBytes(Path()), "[s]\nk=2\n"_ba);
    QVERIFY(!QFileInfo::exists(stale));
}

QTEST_GUILESS_MAIN(tst_IniFile)
#include "tst_IniFile.moc"
