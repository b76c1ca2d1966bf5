// The room-rate editor on a real SQLite file, its boxes recorded instead of shown.
#include "platform/Fonts.h"
#include "platform/Messages.h"
#include "platform/Monitors.h"
#include "rates/RoomGrid.h"
#include "rates/RoomRates.h"
#include "rates/RoomSchema.h"
#include "rates/RoomStore.h"
#include "rates/ShowRoom.h"

#include <QApplication>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <memory>

using namespace Qt::Literals::StringLiterals;

class tst_ShowRoom : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void cleanup();

    void emptyTable_headerAndOneEmptyRow_pickDoesNothing();
    void load_listsRowsAsTheDatabaseRendersThem();
    void confirmUntouched_addsDefaultRoomThenAsksForName();
    void confirm_firstEmptyFieldStopsIt_data();
    void confirm_firstEmptyFieldStopsIt();
    void confirm_blanksAreNotEmpty();
    void confirm_noNumber_showsDatabaseErrorKeepsFields();
    void pickAndChange_updatesRowsKeepsFieldsAndList();
    void change_withEditedCode_changesNothingButReportsSuccess();
    void delete_inAddModeDoesNothing();
    void delete_afterPickAndYes_removesRowsAndReloads();
    void delete_answeredNo_keepsRows();
    void listReadFails_dialogStillOpens();
    void activate_movesToFirstMonitor();
    void screenshot_listPageWithDemoRooms();

private:
    std::unique_ptr<TShowRoomForm> OpenDialog();
    QLineEdit *Edit(int n) const;
    void Click(const QString &button);
    void Pick(const QString &code);
    RoomGrid *Grid() const;
    QStringList FieldTexts() const;
    int Count(const QString &where = QString());

    std::unique_ptr<QTemporaryDir> m_dir;
    std::unique_ptr<RoomStore> m_store;
    std::unique_ptr<TShowRoomForm> m_dialog;
    QList<Messages::Shown> m_boxes;
    bool m_answer = true;
};

void tst_ShowRoom::initTestCase()
{
    Fonts::InstallSubstitutes();
    Messages::SetPresenterForTesting([this](const Messages::Shown &box) {
        m_boxes << box;
        return m_answer;
    });
}

void tst_ShowRoom::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    const QString file = m_dir->filePath(u"Database.accdb"_s);
    QFile(file).open(QIODevice::WriteOnly);
    const QString connStr = u"Provider=SQLite;Data Source="_s + file;
    m_store = std::make_unique<RoomStore>();
    m_store->Open(connStr);
    RoomSchema::CreateTable(*m_store, connStr);
    m_boxes.clear();
    m_answer = true;
}

void tst_ShowRoom::cleanup()
{
    m_dialog.reset();
    m_store.reset();
    m_dir.reset();
}

std::unique_ptr<TShowRoomForm> tst_ShowRoom::OpenDialog()
{
    auto dialog = std::make_unique<TShowRoomForm>(*m_store, nullptr);
    dialog->show();
    return dialog;
}

QLineEdit *tst_ShowRoom::Edit(int n) const
{
    return m_dialog->findChild<QLineEdit *>(u"Edit%1"_s.arg(n));
}

RoomGrid *tst_ShowRoom::Grid() const
{
    return m_dialog->findChild<RoomGrid *>(u"AdvStringGrid2"_s);
}

void tst_ShowRoom::Click(const QString &button)
{
    auto *target = m_dialog->findChild<QPushButton *>(button);
    QVERIFY(target);
    QTest::mouseClick(target, Qt::LeftButton);
}

// A double-click on the row with the code, as staff do it on the list page.
void tst_ShowRoom::Pick(const QString &code)
{
    m_dialog->findChild<QTabWidget *>(u"PageControl1"_s)->setCurrentIndex(1);
    RoomGrid *grid = Grid();
    for (int r = 1; r < grid->RowCount(); ++r) {
        if (grid->Cell(r, 1) != code)
            continue;
        const QPoint at = grid->visualRect(grid->model()->index(r - 1, 2)).center();
        QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, at);
        QTest::mouseDClick(grid->viewport(), Qt::LeftButton, {}, at);
        return;
    }
    QFAIL(qPrintable(u"no row with code "_s + code));
}

QStringList tst_ShowRoom::FieldTexts() const
{
    QStringList texts;
    for (int n = 1; n <= 6; ++n)
        texts << Edit(n)->text();
    return texts;
}

int tst_ShowRoom::Count(const QString &where)
{
    m_store->Read(u"Select Code From Room "_s + where);
    return m_store->RecordCount();
}

void tst_ShowRoom::emptyTable_headerAndOneEmptyRow_pickDoesNothing()
{
    m_dialog = OpenDialog();
    QCOMPARE(Grid()->RowCount(), 2);
    QCOMPARE(Grid()->Cell(0, 2), u"      房型"_s);
    QCOMPARE(Grid()->Cell(1, 1), QString());
    const QStringList before = FieldTexts();
    m_dialog->findChild<QTabWidget *>(u"PageControl1"_s)->setCurrentIndex(1);
    const QPoint at = Grid()->visualRect(Grid()->model()->index(0, 1)).center();
    QTest::mouseDClick(Grid()->viewport(), Qt::LeftButton, {}, at);
    QVERIFY(!m_dialog->IsEditMode());
    QCOMPARE(FieldTexts(), before);
    QCOMPARE(m_dialog->findChild<QTabWidget *>(u"PageControl1"_s)->currentIndex(), 1);
    QVERIFY(m_boxes.isEmpty());
}

void tst_ShowRoom::load_listsRowsAsTheDatabaseRendersThem()
{
    RoomSchema::AddSampleRooms(*m_store);
    m_dialog = OpenDialog();
    const QList<RoomEntry> rooms = RoomSchema::SampleRooms();
    QCOMPARE(Grid()->RowCount(), rooms.size() + 1);
    for (int r = 1; r <= rooms.size(); ++r) {
        const RoomEntry &room = rooms.at(r - 1);
        QCOMPARE(Grid()->Cell(r, 0), QString());
        const QStringList row{Grid()->Cell(r, 1), Grid()->Cell(r, 2), Grid()->Cell(r, 3),
                              Grid()->Cell(r, 4), Grid()->Cell(r, 5), Grid()->Cell(r, 6)};
        QCOMPARE(row, (QStringList{room.code, room.name, room.listed, room.executed,
                                   room.member, room.index}));
    }
    QVERIFY(!m_dialog->IsEditMode());
}

void tst_ShowRoom::confirmUntouched_addsDefaultRoomThenAsksForName()
{
    m_dialog = OpenDialog();
    Click(u"AdvGlassButton4"_s);
    m_store->Read(RoomStatements::TileRead);
    QCOMPARE(m_store->RecordCount(), 1);
    QCOMPARE(m_store->TextAt(1), u"商务标间"_s);
    QCOMPARE(m_store->TextAt(2), u"SW"_s);
    QCOMPARE(m_store->NumberAt(3), 0.0);
    QCOMPARE(m_store->NumberAt(4), 0.0);
    QCOMPARE(m_store->NumberAt(5), 0.0);
    QCOMPARE(m_store->TextAt(6), u"1"_s);
    QCOMPARE(m_boxes.size(), 1);
    QCOMPARE(m_boxes.at(0).caption, u"数据校验...."_s);
    QCOMPARE(m_boxes.at(0).text, u"确认成功.....,谢谢！"_s);
    QCOMPARE(m_boxes.at(0).icon, Messages::Icon::Error);
    QCOMPARE(FieldTexts(), QStringList(6, QString()));
    QVERIFY(!m_dialog->IsEditMode());

    Click(u"AdvGlassButton4"_s);
    QCOMPARE(m_boxes.size(), 2);
    QCOMPARE(m_boxes.at(1).text, u"请输入展示房型名称.....,谢谢！"_s);
    QCOMPARE(Count(), 1);
}

// Only the first empty field is named, nothing is written, and the dialog stays as it was.
void tst_ShowRoom::confirm_firstEmptyFieldStopsIt_data()
{
    QTest::addColumn<QList<int>>("emptied");
    QTest::addColumn<QString>("message");
    QTest::newRow("executed") << QList<int>{4} << u"请输入展示房型执行价.....,谢谢！"_s;
    QTest::newRow("name and executed") << QList<int>{1, 4} << u"请输入展示房型名称.....,谢谢！"_s;
    QTest::newRow("code") << QList<int>{2, 6} << u"请输入展示房型代码.....,谢谢！"_s;
    QTest::newRow("listed") << QList<int>{3} << u"请输入展示房型挂牌价.....,谢谢！"_s;
    QTest::newRow("member") << QList<int>{5, 6} << u"请输入展示房会员价.....,谢谢！"_s;
    QTest::newRow("index") << QList<int>{6} << u"请输入展示房性价比.....,谢谢！"_s;
}

void tst_ShowRoom::confirm_firstEmptyFieldStopsIt()
{
    QFETCH(QList<int>, emptied);
    QFETCH(QString, message);
    // Without the table any statement would fail with a second box.
    m_store->Execute({u"Drop Table Room"_s}, {});
    m_dialog = OpenDialog();
    m_boxes.clear();
    for (int n : emptied)
        Edit(n)->clear();
    const QStringList before = FieldTexts();
    Click(u"AdvGlassButton4"_s);
    QCOMPARE(m_boxes.size(), 1);
    QCOMPARE(m_boxes.at(0).caption, u"数据校验...."_s);
    QCOMPARE(m_boxes.at(0).text, message);
    QCOMPARE(FieldTexts(), before);
    QVERIFY(m_dialog->isVisible());
}

void tst_ShowRoom::confirm_blanksAreNotEmpty()
{
    m_dialog = OpenDialog();
    Edit(1)->setText(u"   "_s);
    Click(u"AdvGlassButton4"_s);
    QCOMPARE(m_boxes.size(), 1);
    QCOMPARE(m_boxes.at(0).text, u"确认成功.....,谢谢！"_s);
    m_store->Read(RoomStatements::ListRead);
    QCOMPARE(m_store->TextByName(u"Roomname"_s), u"   "_s);
}

void tst_ShowRoom::confirm_noNumber_showsDatabaseErrorKeepsFields()
{
    m_dialog = OpenDialog();
    Edit(3)->setText(u"abc"_s);
    const QStringList before = FieldTexts();
    Click(u"AdvGlassButton4"_s);
    QCOMPARE(m_boxes.size(), 1);
    QCOMPARE(m_boxes.at(0).caption, Messages::ProgramTitle());
    QVERIFY(!m_boxes.at(0).text.isEmpty());
    QVERIFY(!m_boxes.at(0).text.contains(u"成功"_s));
    QCOMPARE(FieldTexts(), before);
    QCOMPARE(Count(), 0);

    Edit(3)->setText(u"399"_s);
    Click(u"AdvGlassButton4"_s);
    QCOMPARE(m_boxes.last().text, u"确认成功.....,谢谢！"_s);
    QCOMPARE(Count(), 1);
}

// Both rows with the code change; the list keeps showing what it read at the opening.
void tst_ShowRoom::pickAndChange_updatesRowsKeepsFieldsAndList()
{
    RoomSchema::AddSampleRooms(*m_store);
    RoomRates::Add(*m_store, {u"标准间(二)"_s, u"BJ"_s, u"1"_s, u"2"_s, u"3"_s, u"2"_s});
    m_dialog = OpenDialog();
    Pick(u"BJ"_s);
    QVERIFY(m_dialog->IsEditMode());
    QCOMPARE(m_dialog->findChild<QTabWidget *>(u"PageControl1"_s)->currentIndex(), 0);
    QCOMPARE(FieldTexts(), (QStringList{u"标准间"_s, u"BJ"_s, u"388"_s, u"268"_s, u"238"_s, u"4"_s}));

    Edit(3)->setText(u"399.00"_s);
    Click(u"AdvGlassButton4"_s);
    QCOMPARE(m_boxes.size(), 1);
    QCOMPARE(m_boxes.at(0).text, u"修改确认成功.....,谢谢！"_s);
    QCOMPARE(FieldTexts().at(2), u"399.00"_s);
    QVERIFY(m_dialog->IsEditMode());
    m_store->Read(u"Select Roomname,Stdprice,Saleprice,Flag From Room Where Code='BJ'"_s);
    QCOMPARE(m_store->RecordCount(), 2);
    for (int r = 0; r < 2; ++r, m_store->Next()) {
        QCOMPARE(m_store->TextAt(0), u"标准间"_s);
        QCOMPARE(m_store->NumberAt(1), 399.0);
        QCOMPARE(m_store->NumberAt(2), 268.0);
        QCOMPARE(m_store->TextAt(3), u"4"_s);
    }
    QCOMPARE(Grid()->Cell(1, 3), u"388"_s);
}

void tst_ShowRoom::change_withEditedCode_changesNothingButReportsSuccess()
{
    RoomSchema::AddSampleRooms(*m_store);
    m_dialog = OpenDialog();
    Pick(u"DJ"_s);
    Edit(2)->setText(u"NOPE"_s);
    Edit(3)->setText(u"1"_s);
    Click(u"AdvGlassButton4"_s);
    QCOMPARE(m_boxes.size(), 1);
    QCOMPARE(m_boxes.at(0).text, u"修改确认成功.....,谢谢！"_s);
    QCOMPARE(Count(u"Where Stdprice=1"_s), 0);
    QCOMPARE(Count(), RoomSchema::SampleRooms().size());
}

void tst_ShowRoom::delete_inAddModeDoesNothing()
{
    RoomSchema::AddSampleRooms(*m_store);
    m_dialog = OpenDialog();
    Edit(2)->setText(u"BJ"_s);
    Click(u"AdvGlassButton1"_s);
    QVERIFY(m_boxes.isEmpty());
    QCOMPARE(Count(), RoomSchema::SampleRooms().size());
}

void tst_ShowRoom::delete_afterPickAndYes_removesRowsAndReloads()
{
    RoomSchema::AddSampleRooms(*m_store);
    RoomRates::Add(*m_store, {u"标准间(二)"_s, u"BJ"_s, u"1"_s, u"2"_s, u"3"_s, u"2"_s});
    m_dialog = OpenDialog();
    Pick(u"BJ"_s);
    Click(u"AdvGlassButton1"_s);
    QCOMPARE(m_boxes.size(), 2);
    QCOMPARE(m_boxes.at(0).icon, Messages::Icon::Question);
    QVERIFY(m_boxes.at(0).text.contains(u"BJ"_s));
    QCOMPARE(m_boxes.at(1).caption, u"数据校验...."_s);
    QCOMPARE(m_boxes.at(1).text, u"删除成功.....,谢谢！"_s);
    QCOMPARE(Count(u"Where Code='BJ'"_s), 0);
    QCOMPARE(Count(), RoomSchema::SampleRooms().size() - 1);
    QCOMPARE(FieldTexts(), QStringList(6, QString()));
    QVERIFY(!m_dialog->IsEditMode());
    QCOMPARE(Grid()->RowCount(), RoomSchema::SampleRooms().size());
}

void tst_ShowRoom::delete_answeredNo_keepsRows()
{
    RoomSchema::AddSampleRooms(*m_store);
    m_dialog = OpenDialog();
    Pick(u"TF"_s);
    m_answer = false;
    Click(u"AdvGlassButton1"_s);
    QCOMPARE(m_boxes.size(), 1);
    QCOMPARE(Count(u"Where Code='TF'"_s), 1);
    QVERIFY(m_dialog->IsEditMode());
    QCOMPARE(FieldTexts().at(1), u"TF"_s);
}

void tst_ShowRoom::listReadFails_dialogStillOpens()
{
    m_store->Execute({u"Drop Table Room"_s}, {});
    m_dialog = OpenDialog();
    QVERIFY(m_dialog->isVisible());
    QCOMPARE(m_boxes.size(), 1);
    QCOMPARE(m_boxes.at(0).caption, Messages::ProgramTitle());
    QVERIFY2(m_boxes.at(0).text.contains(u"Room"_s), qPrintable(m_boxes.at(0).text));
    QCOMPARE(Grid()->RowCount(), 2);
}

void tst_ShowRoom::activate_movesToFirstMonitor()
{
    Monitors::SetSourceForTesting([] {
        return QList<QRect>{{300, 200, 1920, 1080}, {2220, 200, 1920, 1080}};
    });
    m_dialog = OpenDialog();
    m_dialog->move(2500, 400);
    QEvent activate(QEvent::WindowActivate);
    QApplication::sendEvent(m_dialog.get(), &activate);
    Monitors::SetSourceForTesting({});
    QCOMPARE(m_dialog->pos(), QPoint(300, 200));
    QCOMPARE(m_dialog->size(), QSize(566, 380));
}

// Not a check: the picture that docs/room-editor.png is taken from.
void tst_ShowRoom::screenshot_listPageWithDemoRooms()
{
    RoomSchema::AddSampleRooms(*m_store);
    m_dialog = OpenDialog();
    m_dialog->findChild<QTabWidget *>(u"PageControl1"_s)->setCurrentIndex(1);
    Grid()->selectRow(2);
    QVERIFY(m_dialog->grab().save(QCoreApplication::applicationDirPath() + u"/room-editor.png"_s));
    m_dialog->findChild<QTabWidget *>(u"PageControl1"_s)->setCurrentIndex(0);
    QVERIFY(m_dialog->grab().save(QCoreApplication::applicationDirPath()
                                  + u"/room-editor-entry.png"_s));
}

QTEST_MAIN(tst_ShowRoom)
#include "tst_showroom.moc"
