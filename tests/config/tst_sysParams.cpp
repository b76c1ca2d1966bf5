#include "IniTestSupport.h"
#include "config/IniFile.h"
#include "config/sysParams.h"
#include "platform/Fonts.h"
#include "platform/Messages.h"
#include "platform/Monitors.h"

#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::Literals::StringLiterals;
using IniTest::ReadBytes;
using IniTest::WriteBytes;

class tst_sysParams : public QObject
{
    Q_OBJECT

private:
    QString Path() const { return m_dir->filePath(u"Params.ini"_s); }
    QString Folder() const { return QDir::toNativeSeparators(m_dir->path()); }
    std::unique_ptr<TsysParamsForm> Open();
    template <class T> static T *Child(QWidget *form, const QString &name)
    {
        T *child = form->findChild<T *>(name);
        Q_ASSERT(child);
        return child;
    }
    static void Click(QWidget *form, const QString &button)
    {
        QTest::mouseClick(Child<QPushButton>(form, button), Qt::LeftButton);
    }

    std::unique_ptr<QTemporaryDir> m_dir;
    QList<Messages::Shown> m_shown;

private slots:
    void initTestCase();
    void init();
    void cleanup();
    void layoutAndTexts();
    void withoutParamsIni();
    void loadsTheFile();
    void along_data();
    void along();
    void emptiedCodeSavesEmpty();
    void dataPathIsNotSaved();
    void closeSavesNothing();
    void failedWriteKeepsDialogOpen();
    void activationMovesToFirstMonitor();
};

const QByteArray kFile = "[City]\r\nCode=101270101\r\n[connection]\r\n"
                         "constr=Provider=SQLite;Data Source=\r\nbasename=/opt/board\r\n"
                         "basepath=/Database.accdb\r\n[PicAlong]\r\nAlong=0\r\n"
                         "[MoveShow]\r\nMsg=\xE6\xB8\xA9\xE9\xA6\xA8\r\n";

void tst_sysParams::initTestCase()
{
    Fonts::InstallSubstitutes();
}

void tst_sysParams::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid());
    m_shown.clear();
    Messages::SetPresenterForTesting([this](const Messages::Shown &shown) {
        m_shown.append(shown);
        return true;
    });
}

void tst_sysParams::cleanup()
{
    Messages::SetPresenterForTesting({});
    Monitors::SetSourceForTesting({});
}

std::unique_ptr<TsysParamsForm> tst_sysParams::Open()
{
    auto form = std::make_unique<TsysParamsForm>(Folder(), nullptr);
    form->show();
    return form;
}

void tst_sysParams::layoutAndTexts()
{
    TsysParamsForm form(Folder(), nullptr);
    QCOMPARE(form.windowTitle(), u"系统参数设置"_s);
    QCOMPARE(form.size(), QSize(530, 212));
    QCOMPARE(Child<QGroupBox>(&form, u"GroupBox1"_s)->title(), u"系统执行参数"_s);
    QCOMPARE(Child<QGroupBox>(&form, u"GroupBox1"_s)->geometry(), QRect(4, 2, 523, 207));
    QCOMPARE(Child<QLineEdit>(&form, u"Edit1"_s)->geometry(), QRect(96, 24, 185, 21));
    QCOMPARE(Child<QLineEdit>(&form, u"Edit5"_s)->geometry(), QRect(96, 130, 417, 21));
    QCOMPARE(Child<QCheckBox>(&form, u"AdvOfficeCheckBox1"_s)->text(), u"展示图片可以单独显示"_s);
    QCOMPARE(Child<QPushButton>(&form, u"AdvGlassButton4"_s)->text(), u"确认&A"_s);
    QCOMPARE(Child<QPushButton>(&form, u"AdvGlassButton4"_s)->geometry(), QRect(226, 173, 91, 28));
    QCOMPARE(Child<QPushButton>(&form, u"AdvGlassButton2"_s)->text(), u"关闭&Q"_s);
    QVERIFY(Child<QLineEdit>(&form, u"Edit2"_s)->isReadOnly());
    QVERIFY(Child<QLineEdit>(&form, u"Edit4"_s)->isReadOnly());
    QVERIFY(!Child<QLineEdit>(&form, u"Edit3"_s)->isReadOnly());

    QStringList labels;
    for (const QLabel *label : form.findChildren<QLabel *>())
        labels << label->text();
    QCOMPARE(labels, (QStringList{u"区域编号"_s, u"数据驱动"_s, u"数据路径"_s, u"读取方式"_s,
                                  u"温馨提示"_s}));

    // Tab order: region code, the two buttons, then the fields from top to bottom.
    QStringList order;
    QWidget *w = Child<QLineEdit>(&form, u"Edit1"_s);
    for (int i = 0; i < 8; ++i, w = w->nextInFocusChain()) {
        while (w->focusPolicy() == Qt::NoFocus)
            w = w->nextInFocusChain();
        order << w->objectName();
    }
    QCOMPARE(order, (QStringList{u"Edit1"_s, u"AdvGlassButton4"_s, u"AdvGlassButton2"_s, u"Edit2"_s,
                                 u"Edit3"_s, u"Edit4"_s, u"Edit5"_s, u"AdvOfficeCheckBox1"_s}));
}

// Without Params.ini the fields keep their first contents and confirming creates no file.
void tst_sysParams::withoutParamsIni()
{
    auto form = Open();
    QCOMPARE(Child<QLineEdit>(form.get(), u"Edit1"_s)->text(), QString());
    QVERIFY(Child<QLineEdit>(form.get(), u"Edit5"_s)
                ->text()
                .startsWith(u"各位小主您们好，欢迎您下榻酒店，有事请咨询前台，电话"_s));
    QVERIFY(!Child<QCheckBox>(form.get(), u"AdvOfficeCheckBox1"_s)->isChecked());
    form->grab().save(QDir::temp().filePath(u"zorvane_sysParams_fresh.png"_s));

    Click(form.get(), u"AdvGlassButton4"_s);
    QVERIFY(!form->isVisible());
    QCOMPARE(form->result(), int(QDialog::Accepted));
    QVERIFY(QDir(m_dir->path()).isEmpty(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot));
    QVERIFY(m_shown.isEmpty());
}

void tst_sysParams::loadsTheFile()
{
    QVERIFY(WriteBytes(Path(), kFile));
    auto form = Open();
    QCOMPARE(Child<QLineEdit>(form.get(), u"Edit1"_s)->text(), u"101270101"_s);
    QCOMPARE(Child<QLineEdit>(form.get(), u"Edit2"_s)->text(), u"Provider=SQLite;Data Source="_s);
    QCOMPARE(Child<QLineEdit>(form.get(), u"Edit3"_s)->text(), u"/opt/board"_s);
    QCOMPARE(Child<QLineEdit>(form.get(), u"Edit4"_s)->text(), u"/Database.accdb"_s);
    QCOMPARE(Child<QLineEdit>(form.get(), u"Edit5"_s)->text(), u"温馨"_s);
    form->grab().save(QDir::temp().filePath(u"zorvane_sysParams_loaded.png"_s));
}

// Any Along but "0" shows ticked, and the box saves "1" or "0".
void tst_sysParams::along_data()
{
    QTest::addColumn<QByteArray>("along");
    QTest::addColumn<bool>("ticked");
    QTest::addColumn<QString>("saved");
    QTest::newRow("2") << "Along=2"_ba << true << u"1"_s;
    QTest::newRow("1") << "Along=1"_ba << true << u"1"_s;
    QTest::newRow("0") << "Along=0"_ba << false << u"0"_s;
    QTest::newRow("missing") << "Other=0"_ba << false << u"0"_s;
}

void tst_sysParams::along()
{
    QFETCH(QByteArray, along);
    QFETCH(bool, ticked);
    QFETCH(QString, saved);
    QVERIFY(WriteBytes(Path(), QByteArray(kFile).replace("Along=0", along)));
    auto form = Open();
    QCOMPARE(Child<QCheckBox>(form.get(), u"AdvOfficeCheckBox1"_s)->isChecked(), ticked);
    Click(form.get(), u"AdvGlassButton4"_s);
    QVERIFY(!form->isVisible());
    QCOMPARE(IniFile(Path()).ReadString(u"PicAlong"_s, u"Along"_s, u"<none>"_s), saved);
}

void tst_sysParams::emptiedCodeSavesEmpty()
{
    QVERIFY(WriteBytes(Path(), kFile));
    auto form = Open();
    Child<QLineEdit>(form.get(), u"Edit1"_s)->clear();
    Click(form.get(), u"AdvGlassButton4"_s);
    QVERIFY(ReadBytes(Path()).contains("[City]\r\nCode=\r\n"));
    QCOMPARE(IniFile(Path()).ReadString(u"City"_s, u"Code"_s, u"101270101"_s), QString());
}

// Typing in the data path changes nothing in the file; the read-only fields take no typing.
void tst_sysParams::dataPathIsNotSaved()
{
    QVERIFY(WriteBytes(Path(), kFile));
    auto form = Open();
    QTest::keyClicks(Child<QLineEdit>(form.get(), u"Edit3"_s), u"/elsewhere"_s);
    QTest::keyClicks(Child<QLineEdit>(form.get(), u"Edit2"_s), u"x"_s);
    QCOMPARE(Child<QLineEdit>(form.get(), u"Edit2"_s)->text(), u"Provider=SQLite;Data Source="_s);
    Click(form.get(), u"AdvGlassButton4"_s);
    QCOMPARE(ReadBytes(Path()), kFile);
}

void tst_sysParams::closeSavesNothing()
{
    QVERIFY(WriteBytes(Path(), kFile));
    auto form = Open();
    Child<QLineEdit>(form.get(), u"Edit1"_s)->setText(u"101010100"_s);
    Click(form.get(), u"AdvGlassButton2"_s);
    QVERIFY(!form->isVisible());
    QCOMPARE(form->result(), int(QDialog::Rejected));
    QCOMPARE(ReadBytes(Path()), kFile);
}

// The failed first write is reported once with the full path; the tip and the switch are not
// written and the dialog stays open.
void tst_sysParams::failedWriteKeepsDialogOpen()
{
    QVERIFY(WriteBytes(Path(), kFile));
    QVERIFY(QFile::setPermissions(Path(), QFileDevice::ReadOwner));
    auto form = Open();
    Child<QLineEdit>(form.get(), u"Edit1"_s)->setText(u"101010100"_s);
    Child<QLineEdit>(form.get(), u"Edit5"_s)->setText(u"新的提示"_s);
    Child<QCheckBox>(form.get(), u"AdvOfficeCheckBox1"_s)->setChecked(true);
    Click(form.get(), u"AdvGlassButton4"_s);

    QCOMPARE(m_shown.size(), 1);
    QCOMPARE(m_shown[0].caption, Messages::ProgramTitle());
    QCOMPARE(m_shown[0].text,
             u"Unable to write to "_s + Folder() + QDir::separator() + u"Params.ini"_s);
    QCOMPARE(m_shown[0].icon, Messages::Icon::Error);
    QVERIFY(form->isVisible());
    QCOMPARE(ReadBytes(Path()), kFile);
}

// Every activation puts the dialog's corner on the first monitor's corner.
void tst_sysParams::activationMovesToFirstMonitor()
{
    Monitors::SetSourceForTesting([] {
        return QList<QRect>{{1920, 0, 1920, 1080}, {0, 0, 1920, 1080}};
    });
    auto form = Open();
    for (const QPoint elsewhere : {QPoint(300, 200), QPoint(10, 700)}) {
        form->move(elsewhere);
        QEvent activate(QEvent::WindowActivate);
        QApplication::sendEvent(form.get(), &activate);
        QCOMPARE(form->pos(), QPoint(1920, 0));
    }
}

QTEST_MAIN(tst_sysParams)
#include "tst_sysParams.moc"
