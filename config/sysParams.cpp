#include "config/sysParams.h"

#include "config/IniFile.h"
#include "controls/GlassButton.h"
#include "platform/FormMonitor.h"
#include "platform/Handler.h"
#include "platform/ProgramFolder.h"

#include <QCheckBox>
#include <QFileInfo>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QShowEvent>

using namespace Qt::Literals::StringLiterals;

namespace {

// The installation's own front-desk number and extension follow the fixed opening words.
const QString kGreeting =
    u"各位小主您们好，欢迎您下榻酒店，有事请咨询前台，电话028-85561234转8001。"_s;

QLineEdit *AddField(QWidget *box, const QString &name, const QString &caption, int labelTop,
                    const QRect &field)
{
    auto *label = new QLabel(caption, box);
    label->setGeometry(32, labelTop, 60, 13);
    auto *edit = new QLineEdit(box);
    edit->setObjectName(name);
    edit->setGeometry(field);
    label->setBuddy(edit);
    return edit;
}

} // namespace

TsysParamsForm::TsysParamsForm(const QString &programFolder, QWidget *owner)
    : QDialog(owner, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                         Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint),
      m_programFolder(programFolder)
{
    setObjectName(u"sysParamsForm"_s);
    setWindowTitle(u"系统参数设置"_s);
    QFont font(u"MS Sans Serif"_s);
    font.setPointSize(8);
    setFont(font);
    setFixedSize(530, 212);
    createControls();
    createTabOrder();
}

void TsysParamsForm::createControls()
{
    auto *group = new QGroupBox(u"系统执行参数"_s, this);
    group->setObjectName(u"GroupBox1"_s);
    group->setGeometry(4, 2, 523, 207);

    Edit1 = AddField(group, u"Edit1"_s, u"区域编号"_s, 28, {96, 24, 185, 21});
    Edit2 = AddField(group, u"Edit2"_s, u"数据驱动"_s, 52, {96, 50, 329, 21});
    Edit3 = AddField(group, u"Edit3"_s, u"数据路径"_s, 78, {96, 77, 225, 21});
    Edit4 = AddField(group, u"Edit4"_s, u"读取方式"_s, 106, {96, 102, 305, 21});
    Edit5 = AddField(group, u"Edit5"_s, u"温馨提示"_s, 132, {96, 130, 417, 21});
    Edit2->setReadOnly(true);
    Edit4->setReadOnly(true);
    Edit5->setText(kGreeting);
    Edit5->setCursorPosition(0);

    AdvOfficeCheckBox1 = new QCheckBox(u"展示图片可以单独显示"_s, group);
    AdvOfficeCheckBox1->setObjectName(u"AdvOfficeCheckBox1"_s);
    AdvOfficeCheckBox1->setGeometry(96, 154, 147, 20);

    auto *confirm = new GlassButton(u"确认&A"_s, group);
    confirm->setObjectName(u"AdvGlassButton4"_s);
    confirm->setGeometry(226, 173, 91, 28);
    confirm->setAutoDefault(false);
    connect(confirm, &QPushButton::clicked, this,
            [this] { RunHandler([this] { AdvGlassButton4Click(); }); });
    AdvGlassButton4 = confirm;

    auto *close = new GlassButton(u"关闭&Q"_s, group);
    close->setObjectName(u"AdvGlassButton2"_s);
    close->setGeometry(326, 173, 91, 28);
    close->setAutoDefault(false);
    connect(close, &QPushButton::clicked, this,
            [this] { RunHandler([this] { AdvGlassButton2Click(); }); });
    AdvGlassButton2 = close;
}

void TsysParamsForm::createTabOrder()
{
    const QList<QWidget *> order{Edit1, AdvGlassButton4, AdvGlassButton2, Edit2,
                                 Edit3, Edit4,           Edit5,           AdvOfficeCheckBox1};
    for (qsizetype i = 1; i < order.size(); ++i)
        setTabOrder(order[i - 1], order[i]);
    Edit1->setFocus();
}

QString TsysParamsForm::ParamsPath() const
{
    return ProgramFolder::Join(m_programFolder, u"\\Params.ini"_s);
}

void TsysParamsForm::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    if (!event->spontaneous())
        RunHandler([this] { FormShow(); });
}

bool TsysParamsForm::event(QEvent *event)
{
    if (event->type() == QEvent::WindowActivate)
        RunHandler([this] { FormActivate(); });
    return QDialog::event(event);
}

void TsysParamsForm::FormShow()
{
    if (!QFileInfo::exists(ParamsPath()))
        return;
    const IniFile ini(ParamsPath());
    Edit1->setText(ini.ReadString(u"City"_s, u"Code"_s, u"101270101"_s));
    Edit2->setText(ini.ReadString(u"connection"_s, u"constr"_s, QString()));
    Edit3->setText(ini.ReadString(u"connection"_s, u"basename"_s, QString()));
    Edit4->setText(ini.ReadString(u"connection"_s, u"basepath"_s, QString()));
    Edit5->setText(ini.ReadString(u"MoveShow"_s, u"Msg"_s, QString()));
    AdvOfficeCheckBox1->setChecked(ini.ReadString(u"PicAlong"_s, u"Along"_s, u"0"_s) != u"0"_s);
    for (QLineEdit *edit : {Edit1, Edit2, Edit3, Edit4, Edit5})
        edit->setCursorPosition(0);
}

void TsysParamsForm::FormActivate()
{
    SetFormMonitor(this, 0);
}

void TsysParamsForm::AdvGlassButton4Click()
{
    if (QFileInfo::exists(ParamsPath())) {
        // A failed write throws: the writes after it are not made and the dialog stays open.
        IniFile ini(ParamsPath());
        ini.WriteString(u"City"_s, u"Code"_s, Edit1->text());
        ini.WriteString(u"MoveShow"_s, u"Msg"_s, Edit5->text());
        ini.WriteString(u"PicAlong"_s, u"Along"_s,
                        AdvOfficeCheckBox1->isChecked() ? u"1"_s : u"0"_s);
    }
    accept();
}

void TsysParamsForm::AdvGlassButton2Click()
{
    reject();
}
