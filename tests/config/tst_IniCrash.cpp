#include "CrashStates.h"
#include "IniTestSupport.h"
#include "config/AtomicFile.h"
#include "config/IniFile.h"

#include <QProcess>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTest>
#include <QThread>

using namespace Qt::Literals::StringLiterals;
using IniTest::ReadBytes;
using IniTest::WriteBytes;

// A save killed at any instant leaves the old file or the new one, never a broken one, and
// whatever it leaves behind does not disturb the next save.
class tst_IniCrash : public QObject
{
    Q_OBJECT

private:
    QString Path() const { return m_dir->filePath(u"Params.ini"_s); }
    void CheckNextSave();
    std::unique_ptr<QTemporaryDir> m_dir;
    QByteArray m_old;
    QByteArray m_new;

private slots:
    void init();
    void killedBetweenSteps_data();
    void killedBetweenSteps();
    void killedAtRandomInstants();
};

void tst_IniCrash::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid());
    QVERIFY(WriteBytes(Path(), IniTest::Fixture(u"Params_gbk_crlf.ini"_s)));
    IniFile(Path()).WriteString(u"MoveShow"_s, u"Msg"_s, CrashStates::New());
    m_new = ReadBytes(Path());
    IniFile(Path()).WriteString(u"MoveShow"_s, u"Msg"_s, CrashStates::Old());
    m_old = ReadBytes(Path());
    QVERIFY(m_old != m_new);
}

void tst_IniCrash::CheckNextSave()
{
    IniFile(Path()).WriteString(u"MoveShow"_s, u"Msg"_s, u"下一次"_s);
    QCOMPARE(IniFile(Path()).ReadString(u"MoveShow"_s, u"Msg"_s, QString()), u"下一次"_s);
    QVERIFY(!QFile::exists(AtomicFile::TemporaryPath(Path())));
}

void tst_IniCrash::killedBetweenSteps_data()
{
    QTest::addColumn<int>("step");
    QTest::addColumn<bool>("replaced");
    QTest::newRow("temporary file created") << int(AtomicFile::Step::TemporaryCreated) << false;
    QTest::newRow("written") << int(AtomicFile::Step::Written) << false;
    QTest::newRow("synced") << int(AtomicFile::Step::Synced) << false;
    QTest::newRow("renamed") << int(AtomicFile::Step::Renamed) << true;
    QTest::newRow("done") << int(AtomicFile::Step::Done) << true;
}

void tst_IniCrash::killedBetweenSteps()
{
    QFETCH(int, step);
    QFETCH(bool, replaced);
    QProcess child;
    child.start(QStringLiteral(INI_SAVE_CHILD), {Path(), u"step"_s, QString::number(step)});
    QVERIFY(child.waitForFinished(20000));
    QCOMPARE(child.exitStatus(), QProcess::CrashExit);
    QCOMPARE(ReadBytes(Path()), replaced ? m_new : m_old);
    CheckNextSave();
}

void tst_IniCrash::killedAtRandomInstants()
{
    int olds = 0;
    int news = 0;
    int leftovers = 0;
    for (int round = 0; round < 60; ++round) {
        QProcess child;
        child.start(QStringLiteral(INI_SAVE_CHILD), {Path(), u"loop"_s});
        QVERIFY(child.waitForReadyRead(20000));
        QThread::usleep(QRandomGenerator::global()->bounded(20000));
        child.kill();
        QVERIFY(child.waitForFinished(20000));

        const QByteArray left = ReadBytes(Path());
        QVERIFY2(left == m_old || left == m_new, qPrintable(u"round %1"_s.arg(round)));
        (left == m_old ? olds : news)++;
        leftovers += QFile::exists(AtomicFile::TemporaryPath(Path()));
    }
    qInfo("killed 60 saving processes: %d left the old text, %d the new, %d a temporary file", olds,
          news, leftovers);
    CheckNextSave();
}

QTEST_GUILESS_MAIN(tst_IniCrash)
#include "tst_IniCrash.moc"
