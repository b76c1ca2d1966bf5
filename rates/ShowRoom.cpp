#include "rates/ShowRoom.h"

#include "controls/GlassButton.h"
#include "platform/Errors.h"
#include "platform/FormMonitor.h"
#include "platform/Handler.h"
#include "platform/Messages.h"
#include "rates/EditorDecor.h"
#include "rates/RoomGrid.h"
#include "rates/RoomRates.h"
#include "rates/RoomStore.h"
#include "resources/Resources.h"

#include <QEvent>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QShowEvent>

using namespace Qt::Literals::StringLiterals;

namespace {

const QColor DarkGreen(0, 64, 0);

QLabel *Picture(const QString &resource, const QRect &geometry, QWidget *parent)
{
    auto *picture = new QLabel(parent);
    picture->setGeometry(geometry);
    picture->setPixmap(QPixmap(Resources::Path(resource)));
    picture->setScaledContents(true);
    return picture;
}

} // namespace

TShowRoomForm::TShowRoomForm(RoomStore &store, QWidget *owner)
    : QDialog(owner, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint
                         | Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint),
      m_store(store)
{
    setObjectName(u"ShowRoomForm"_s);
    setWindowTitle(u"房价设置"_s);
    setFixedSize(566, 380);
    createPanel();
    createStrips();
    createPages();
    createButtons();
}

void TShowRoomForm::createPanel()
{
    Panel1 = new QFrame(this);
    Panel1->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    Panel1->setGeometry(3, 3, 558, 374);
    Panel1->setFont(QFont(u"宋体"_s, 9));
    QPalette colours = Panel1->palette();
    colours.setColor(QPalette::WindowText, DarkGreen);
    colours.setColor(QPalette::Text, DarkGreen);
    colours.setColor(QPalette::ButtonText, DarkGreen);
    Panel1->setPalette(colours);
}

void TShowRoomForm::createStrips()
{
    const int width = Panel1->width() - 2;
    Picture(u"rates/TopStrip.png"_s, {1, 1, width, 26}, Panel1);
    Picture(u"rates/BottomStrip.png"_s, {1, 342, width, 31}, Panel1);
    Picture(u"rates/Icon.png"_s, {296, 1, 32, 32}, Panel1);
    auto *title = new ShadowTitle(u"展示房型信息设置...."_s, Panel1);
    title->setObjectName(u"Title"_s);
    title->setGeometry(326, 6, 204 + 2, 19 + 1);
}

void TShowRoomForm::createPages()
{
    PageControl1 = new RampPageControl(Panel1);
    PageControl1->setObjectName(u"PageControl1"_s);
    PageControl1->setGeometry(1, 27, 540, 309);
    auto *entryPage = new QWidget;
    auto *listPage = new QWidget;
    // White pages, as the current tab is drawn, in the manner of Windows 10.
    for (QWidget *page : {entryPage, listPage}) {
        QPalette white = PageControl1->palette();
        white.setColor(QPalette::Window, Qt::white);
        page->setPalette(white);
        page->setAutoFillBackground(true);
    }
    PageControl1->addTab(entryPage, u"展示房价设置"_s);
    PageControl1->addTab(listPage, u"设置的展示房型"_s);
    createEntryPage(entryPage);
    createListPage(listPage);
    PageControl1->setCurrentIndex(0);
}

void TShowRoomForm::createEntryPage(QWidget *page)
{
    auto *photo = new QLabel(page);
    photo->setGeometry(17, 18, 177, 240);
    photo->setAlignment(Qt::AlignCenter);
    photo->setPixmap(QPixmap(Resources::Path(u"rates/Photo.png"_s))
                         .scaled(photo->size(), Qt::KeepAspectRatio, Qt::SmoothTransformation));

    auto *box = new QGroupBox(u"展示信息数据"_s, page);
    box->setGeometry(208, 16, 321, 244);
    const struct
    {
        QString label;
        QString initial;
        int labelLeft, labelTop, editTop;
    } fields[] = {
        {u"房间类型"_s, u"商务标间"_s, 53, 48, 48}, {u"类型代码"_s, u"SW"_s, 52, 70, 72},
        {u"挂牌价"_s, u"0.00"_s, 52, 102, 96},      {u"执行价"_s, u"0.00"_s, 52, 134, 128},
        {u"会员价"_s, u"0.00"_s, 52, 166, 160},     {u"推荐指数"_s, u"1"_s, 52, 198, 193},
    };
    QLineEdit **edits[] = {&Edit1, &Edit2, &Edit3, &Edit4, &Edit5, &Edit6};
    QFont labelFont(u"宋体"_s, 9);
    for (int i = 0; i < 6; ++i) {
        auto *label = new QLabel(fields[i].label, box);
        label->setFont(labelFont);
        QPalette black = label->palette();
        black.setColor(QPalette::WindowText, Qt::black);
        label->setPalette(black);
        label->move(fields[i].labelLeft, fields[i].labelTop);
        label->adjustSize();
        QLineEdit *edit = new QLineEdit(fields[i].initial, box);
        edit->setObjectName(u"Edit%1"_s.arg(i + 1));
        edit->setGeometry(112, fields[i].editTop, 121, 20);
        *edits[i] = edit;
    }
    for (int i = 0; i + 1 < 6; ++i)
        QWidget::setTabOrder(*edits[i], *edits[i + 1]);
}

void TShowRoomForm::createListPage(QWidget *page)
{
    AdvStringGrid2 = new RoomGrid(page);
    AdvStringGrid2->setGeometry(0, 7, 537, 270);
    connect(AdvStringGrid2, &QTableWidget::cellDoubleClicked, this,
            [this] { RunHandler([this] { AdvStringGrid2DblClick(); }); });
}

void TShowRoomForm::createButtons()
{
    const struct
    {
        GlassButton **button;
        QString caption;
        QString name;
        int left;
        void (TShowRoomForm::*handler)();
    } buttons[] = {
        {&AdvGlassButton4, u"确认&A"_s, u"AdvGlassButton4"_s, 242,
         &TShowRoomForm::AdvGlassButton4Click},
        {&AdvGlassButton1, u"删除&D"_s, u"AdvGlassButton1"_s, 345,
         &TShowRoomForm::AdvGlassButton1Click},
        {&AdvGlassButton2, u"关闭&Q"_s, u"AdvGlassButton2"_s, 441,
         &TShowRoomForm::AdvGlassButton2Click},
    };
    for (const auto &entry : buttons) {
        auto *button = new GlassButton(entry.caption, Panel1);
        button->setObjectName(entry.name);
        button->setGeometry(entry.left, 338, 91, 28);
        // Enter in an entry field must not confirm by itself.
        button->setAutoDefault(false);
        connect(button, &QPushButton::clicked, this,
                [this, handler = entry.handler] { RunHandler([this, handler] { (this->*handler)(); }); });
        *entry.button = button;
    }
}

void TShowRoomForm::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    if (!event->spontaneous())
        RunHandler([this] { FormShow(); });
}

bool TShowRoomForm::event(QEvent *event)
{
    const bool handled = QDialog::event(event);
    if (event->type() == QEvent::WindowActivate)
        RunHandler([this] { FormActivate(); });
    return handled;
}

// Load: add mode, then the list read into the grid, one row per room type.
void TShowRoomForm::FormShow()
{
    EditMode = false;
    const QList<RoomListRow> rows = RoomRates::ReadList(m_store);
    AdvStringGrid2->SetRowCount(2);
    for (int r = 1; r <= rows.size(); ++r) {
        const RoomListRow &row = rows.at(r - 1);
        AdvStringGrid2->SetRowCount(r + 1);
        const QString cells[] = {row.code,   row.name,   row.listed,
                                 row.executed, row.member, row.index};
        for (int c = 1; c <= 6; ++c)
            AdvStringGrid2->SetCell(r, c, cells[c - 1]);
    }
}

void TShowRoomForm::FormActivate()
{
    SetFormMonitor(this, 0);
}

// Pick: the selected row goes into the fields; from now on confirm changes by its code.
void TShowRoomForm::AdvStringGrid2DblClick()
{
    const int r = AdvStringGrid2->SelectedRow();
    if (r < 1 || AdvStringGrid2->Cell(r, 1).isEmpty())
        return;
    EditMode = true;
    Edit1->setText(AdvStringGrid2->Cell(r, 2));
    Edit2->setText(AdvStringGrid2->Cell(r, 1));
    Edit3->setText(AdvStringGrid2->Cell(r, 3));
    Edit4->setText(AdvStringGrid2->Cell(r, 4));
    Edit5->setText(AdvStringGrid2->Cell(r, 5));
    Edit6->setText(AdvStringGrid2->Cell(r, 6));
    PageControl1->setCurrentIndex(0);
}

// Confirm: the first empty field stops it; otherwise add or change, then say so.
void TShowRoomForm::AdvGlassButton4Click()
{
    const RoomEntry entry = Entry();
    if (const std::optional<QString> missing = RoomRates::MissingFieldMessage(entry)) {
        Messages::Show(RoomRates::CheckCaption, *missing, Messages::Icon::Error, this);
        throw SilentAbort{};
    }
    if (!EditMode) {
        RoomRates::Add(m_store, entry);
        Messages::Show(RoomRates::CheckCaption, RoomRates::AddedText, Messages::Icon::Error, this);
        EmptyFields();
        return;
    }
    RoomRates::Change(m_store, entry);
    Messages::Show(RoomRates::CheckCaption, RoomRates::ChangedText, Messages::Icon::Error, this);
}

// Delete: only for a picked room type, after the staff confirm it; every row with the
// code in the code field goes. The list is read again, which also returns to add mode.
void TShowRoomForm::AdvGlassButton1Click()
{
    if (!EditMode)
        return;
    const QString code = Edit2->text();
    if (code.isEmpty()) {
        Messages::Show(RoomRates::CheckCaption, RoomRates::MissingCodeMessage(),
                       Messages::Icon::Error, this);
        throw SilentAbort{};
    }
    if (!Messages::Ask(RoomRates::DeleteCaption, RoomRates::DeleteQuestion(code), this))
        return;
    RoomRates::Delete(m_store, code);
    Messages::Show(RoomRates::CheckCaption, RoomRates::DeletedText, Messages::Icon::Error, this);
    EmptyFields();
    FormShow();
}

void TShowRoomForm::AdvGlassButton2Click()
{
    close();
}

RoomEntry TShowRoomForm::Entry() const
{
    return {Edit1->text(), Edit2->text(), Edit3->text(),
            Edit4->text(), Edit5->text(), Edit6->text()};
}

void TShowRoomForm::EmptyFields()
{
    for (QLineEdit *edit : {Edit1, Edit2, Edit3, Edit4, Edit5, Edit6})
        edit->clear();
}
