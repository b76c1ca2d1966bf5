#include "IniTestSupport.h"
#include "config/AtomicFile.h"
#include "config/StartupParams.h"
#include "platform/Errors.h"

#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::Literals::StringLiterals;
using IniTest::InGbk;
using IniTest::ReadBytes;
using IniTest::WriteBytes;

class tst_StartupParams : public QObject
{
    Q_OBJECT

private:
    QString Folder() const { return QDir::toNativeSeparators(m_dir->path()); }
    QString Path() const { return m_dir->filePath(u"Params.ini"_s); }
    std::unique_ptr<QTemporaryDir> m_dir;

private slots:
    void init();
    void oldBoardFiles_data();
    void oldBoardFiles();
    void missingKeys_data();
    void missingKeys();
    void withoutParamsIni();
    void readOnlyParamsIni();
};

void tst_StartupParams::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid());
}

// Files as installed on the old boards and by hand: after a start only the basename line
// differs, byte for byte, and the values follow the reader's rules.
void tst_StartupParams::oldBoardFiles_data()
{
    QTest::addColumn<QString>("fixture");
    QTest::addColumn<QByteArray>("basenameLine");
    QTest::addColumn<QString>("basenameKey");
    QTest::addColumn<bool>("gbk");
    QTest::addColumn<QString>("cityCode");
    QTest::addColumn<QString>("constr");
    QTest::addColumn<QString>("basePath");
    QTest::addColumn<QString>("picAlong");
    QTest::addColumn<QString>("moveMsg");

    QTest::newRow("GBK, CRLF") << u"Params_gbk_crlf.ini"_s << "BaseName=D:\\Board\r\n"_ba
                               << u"BaseName"_s << true << u"101270101"_s
                               << u"Provider=Microsoft.ACE.OLEDB.12.0;Data Source="_s
                               << u"\\Database.accdb"_s << u"0"_s
                               << u"温馨提示:欢迎光临嶽麓山庄，会员积分奬励请咨询前台，谢谢！"_s;
    QTest::newRow("UTF-8, LF") << u"Params_utf8_lf.ini"_s << "basename=/opt/board\n"_ba
                               << u"basename"_s << false << u"101280101"_s
                               << u"Provider=SQLite;Data Source="_s << u"/Database.accdb"_s
                               << u"1"_s
                               << u"温馨提示:请各位亲们保管好自己的贵重物品，以防遗失，谢谢！"_s;
}

void tst_StartupParams::oldBoardFiles()
{
    QFETCH(QString, fixture);
    QFETCH(QByteArray, basenameLine);
    QFETCH(QString, basenameKey);
    QFETCH(bool, gbk);
    QFETCH(QString, cityCode);
    QFETCH(QString, constr);
    QFETCH(QString, basePath);
    QFETCH(QString, picAlong);
    QFETCH(QString, moveMsg);
    const QByteArray before = IniTest::Fixture(fixture);
    QVERIFY(before.contains(basenameLine));
    QVERIFY(WriteBytes(Path(), before));

    StartupParams params;
    ReadStartupParams(Folder(), params);

    QCOMPARE(params.CityCode, cityCode);
    QCOMPARE(params.ConnStr, constr + Folder() + basePath);
    QCOMPARE(params.BasePath, basePath);
    QCOMPARE(params.PicAlong, picAlong);
    QCOMPARE(params.MoveMsg, moveMsg);

    const QString ending = basenameLine.endsWith("\r\n") ? u"\r\n"_s : u"\n"_s;
    const QString newLine = basenameKey + u'=' + Folder() + ending;
    QByteArray expected = before;
    expected.replace(basenameLine, gbk ? InGbk(newLine) : newLine.toUtf8());
    QCOMPARE(ReadBytes(Path()), expected);
}

// Defaults apply to missing sections and keys only; an empty Code stays empty.
void tst_StartupParams::missingKeys_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<QString>("cityCode");
    QTest::addColumn<QString>("picAlong");
    QTest::addColumn<QByteArray>("after");

    QTest::newRow("no City section, no connection section")
        << "[MoveShow]\r\nMsg=hi\r\n"_ba << u"101270101"_s << u"0"_s
        << "[MoveShow]\r\nMsg=hi\r\n[connection]\r\nbasename=<folder>\r\n"_ba;
    QTest::newRow("empty Code, Along 2")
        << "[City]\nCode=\n[connection]\nconstr=X\n[PicAlong]\nAlong=2\n"_ba << u""_s << u"2"_s
        << "[City]\nCode=\n[connection]\nconstr=X\nbasename=<folder>\n[PicAlong]\nAlong=2\n"_ba;
}

void tst_StartupParams::missingKeys()
{
    QFETCH(QByteArray, file);
    QFETCH(QString, cityCode);
    QFETCH(QString, picAlong);
    QFETCH(QByteArray, after);
    QVERIFY(WriteBytes(Path(), file));

    StartupParams params;
    ReadStartupParams(Folder(), params);
    QCOMPARE(params.CityCode, cityCode);
    QCOMPARE(params.PicAlong, picAlong);
    QVERIFY(params.ConnStr.endsWith(Folder()));
    QCOMPARE(ReadBytes(Path()), after.replace("<folder>", Folder().toUtf8()));
}

// Without the file nothing is read or written, and the file is not created.
void tst_StartupParams::withoutParamsIni()
{
    StartupParams params;
    ReadStartupParams(Folder(), params);
    QCOMPARE(params.CityCode, QString());
    QCOMPARE(params.ConnStr, QString());
    QCOMPARE(params.BasePath, QString());
    QCOMPARE(params.PicAlong, u"0"_s);
    QCOMPARE(params.MoveMsg, QString());
    QVERIFY(QDir(m_dir->path()).isEmpty(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot));
}

// The failed write of basename ends the read: the file is unchanged and MoveMsg is not read,
// and the error carries the file's full path for the default error report.
void tst_StartupParams::readOnlyParamsIni()
{
    const QByteArray before = IniTest::Fixture(u"Params_gbk_crlf.ini"_s);
    QVERIFY(WriteBytes(Path(), before));
    QVERIFY(QFile::setPermissions(Path(), QFileDevice::ReadOwner | QFileDevice::ReadGroup));

    StartupParams params;
    try {
        ReadStartupParams(Folder(), params);
        QFAIL("the start-up read succeeded on a read-only file");
    } catch (const BoardError &error) {
        QCOMPARE(error.text(),
                 u"Unable to write to "_s + Folder() + QDir::separator() + u"Params.ini"_s);
    }
    QCOMPARE(params.CityCode, u"101270101"_s);
    QCOMPARE(params.PicAlong, u"0"_s);
    QVERIFY(params.ConnStr.startsWith(u"Provider=Microsoft.ACE.OLEDB.12.0;Data Source="_s));
    QCOMPARE(params.MoveMsg, QString());
    QCOMPARE(ReadBytes(Path()), before);
    QVERIFY(!QFileInfo::exists(AtomicFile::TemporaryPath(Path())));
}

QTEST_GUILESS_MAIN(tst_StartupParams)
#include "tst_StartupParams.moc"
