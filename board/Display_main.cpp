#include "board/Display_main.h"

#include "about/Aboutus.h"
#include "board/ScreenCheck.h"
#include "board/clock/Clock.h"
#include "board/clock/HeaderLayout.h"
#include "board/clock/TipLineStep.h"
#include "board/slideshow/Slideshow.h"
#include "board/tiles/BuildRoomTiles.h"
#include "board/tiles/TileText.h"
#include "board/weather/WeatherClient.h"
#include "board/weather/WeatherUpdater.h"
#include "config/IniFile.h"
#include "config/StartupParams.h"
#include "config/sysParams.h"
#include "controls/PictureBox.h"
#include "controls/ReflectionLabel.h"
#include "controls/picshow/TPicShow.h"
#include "controls/tiles/TileList.h"
#include "controls/tiplabel/TipLabel.h"
#include "platform/Errors.h"
#include "platform/FormMonitor.h"
#include "platform/Fonts.h"
#include "platform/Handler.h"
#include "platform/Messages.h"
#include "platform/Monitors.h"
#include "platform/ProgramFolder.h"
#include "platform/Taskbar.h"
#include "rates/ShowRoom.h"
#include "resources/Resources.h"

#include <QApplication>
#include <QCursor>
#include <QDateTime>
#include <QEventLoop>
#include <QFileInfo>
#include <QGuiApplication>
#include <QImageReader>
#include <QLabel>
#include <QMenu>
#include <QMouseEvent>
#include <QScopeGuard>
#include <QScreen>
#include <QTimer>
#include <QWindow>

using namespace Qt::Literals::StringLiterals;

namespace {

constexpr int kHeaderHeight = 103;
constexpr int kFooterHeight = 54;
constexpr int kTileListWidth = 851;

const QString kYaHei = u"微软雅黑"_s;

QLabel *MakeLabel(QWidget *parent, const QString &name, const QString &text, int pixelHeight,
                  const QPoint &at)
{
    auto *label = new QLabel(text, parent);
    label->setObjectName(name);
    label->setFont(Fonts::Pixel(kYaHei, pixelHeight, true));
    label->setAttribute(Qt::WA_TranslucentBackground);
    label->move(at);
    label->adjustSize();
    return label;
}

PictureBox *MakePicture(QWidget *parent, const QString &name, const QRect &geometry)
{
    auto *picture = new PictureBox(parent);
    picture->setObjectName(name);
    picture->setGeometry(geometry);
    return picture;
}

// A banner or logo: a missing (or non-file) entry is skipped and keeps the element as it is;
// one that cannot be decoded leaves the element without a picture. The format is taken from
// the content, whatever the extension says.
void LoadPictureInto(PictureBox *element, const QString &path)
{
    const QFileInfo info(path);
    if (!info.isFile())
        return;
    QImageReader reader(path);
    reader.setDecideFormatFromContent(true);
    element->setPicture(reader.read());
}

} // namespace

TDisplay_mainForm::TDisplay_mainForm(const QString &programFolder, const BoardPace &pace)
    : QWidget(nullptr, Qt::Window | Qt::FramelessWindowHint), m_folder(programFolder)
{
    setObjectName(u"Display_mainForm"_s);
    setWindowTitle(Messages::ProgramTitle());
    setWindowIcon(QIcon(Resources::Path(u"shell/icon.png"_s)));
    setFont(Fonts::Pixel(kYaHei, 10, true));
    setAutoFillBackground(true);
    QPalette grey = palette();
    grey.setColor(QPalette::Window, QColor(0x80, 0x80, 0x80));
    setPalette(grey);
    setGeometry(6, 85, 1344, 593);

    createHeader();
    createFooter();
    createMiddle();
    createTray();
    createTimers(pace);
    layoutBands();
    RunHandler([this] { FormCreate(); });
}

TDisplay_mainForm::~TDisplay_mainForm()
{
    FormDestroy();
    if (CoolTrayIcon)
        CoolTrayIcon->hide();
}

void TDisplay_mainForm::createHeader()
{
    AdvPanel2 = MakePicture(this, u"AdvPanel2"_s, QRect(0, 0, width(), kHeaderHeight));
    AdvPanel2->setPicture(QImage(Resources::Path(u"shell/header.jpg"_s)));
    AdvGDIPPicture3 = MakePicture(AdvPanel2, u"AdvGDIPPicture3"_s, QRect(0, 0, 361, 103));
    AdvGDIPPicture3->setPicture(QImage(Resources::Path(u"shell/logo.png"_s)));

    AdvReflectionLabel1 = new ReflectionLabel(AdvPanel2);
    AdvReflectionLabel1->setObjectName(u"AdvReflectionLabel1"_s);
    AdvReflectionLabel1->setFont(Fonts::Pixel(kYaHei, 32, true));
    AdvReflectionLabel1->setGeometry(600, 4, 393, 57);
    AdvReflectionLabel1->setText(u"2016-12-26 星期一"_s);
    AdvReflectionLabel2 = new ReflectionLabel(AdvPanel2);
    AdvReflectionLabel2->setObjectName(u"AdvReflectionLabel2"_s);
    AdvReflectionLabel2->setFont(Fonts::Pixel(kYaHei, 32, true));
    AdvReflectionLabel2->setGeometry(709, 55, 153, 60);
    AdvReflectionLabel2->setText(u"20:12:45"_s);

    Label1 = MakeLabel(AdvPanel2, u"Label1"_s, u"成都今日"_s, 21, {968, 34});
    AdvGDIPPicture1 = MakePicture(AdvPanel2, u"AdvGDIPPicture1"_s, QRect(1063, 4, 100, 73));
    Label2 = MakeLabel(AdvPanel2, u"Label2"_s, u"4~13℃"_s, 21, {1077, 75});
    Label2->setFont(Fonts::WithSigns(Label2->font()));
    Label2->adjustSize();
    Label4 = MakeLabel(AdvPanel2, u"Label4"_s, u"明日"_s, 21, {1179, 33});
    AdvGDIPPicture2 = MakePicture(AdvPanel2, u"AdvGDIPPicture2"_s, QRect(1222, 4, 100, 73));
    Label5 = MakeLabel(AdvPanel2, u"Label5"_s, u"4~13℃"_s, 21, {1243, 76});
    Label5->setFont(Fonts::WithSigns(Label5->font()));
    Label5->adjustSize();

    const WeatherPanel weather{Label1, Label2, Label4, Label5, AdvGDIPPicture1, AdvGDIPPicture2};
    ShowInitialWeather(weather);
    IdHTTP1 = new WeatherUpdater(weather, this);
    IdHTTP1->setObjectName(u"IdHTTP1"_s);
    // The move to the display monitor follows only a weather update that ran to its end.
    connect(IdHTTP1, &WeatherUpdater::finished, this, [this](bool completed) {
        if (completed)
            RunHandler([this] { Button1Click(); });
    });

    // Never visible: its click is the move to the display monitor.
    Button1 = new QWidget(AdvPanel2);
    Button1->setObjectName(u"Button1"_s);
    Button1->setGeometry(349, 8, 20, 17);
    Button1->hide();
}

void TDisplay_mainForm::createFooter()
{
    AdvPanel1 = new QWidget(this);
    AdvPanel1->setObjectName(u"AdvPanel1"_s);
    Image2 = MakePicture(AdvPanel1, u"Image2"_s, QRect(0, 0, width(), kFooterHeight));
    Label3 = new TipLabel(u"温馨提示:请各位亲们保管好自己的贵重物品，以防遗失，谢谢！"_s, AdvPanel1);
    Label3->setObjectName(u"Label3"_s);
    Label3->setFont(Fonts::Pixel(kYaHei, 29, true));
    QPalette red = Label3->palette();
    red.setColor(QPalette::WindowText, Qt::red);
    Label3->setPalette(red);
    Label3->setAttribute(Qt::WA_TranslucentBackground);
    Label3->move(0, 8);
    Label3->adjustSize();
}

void TDisplay_mainForm::createMiddle()
{
    AdvSmoothTileList1 = new TileList(this);
    AdvSmoothTileList1->setObjectName(u"AdvSmoothTileList1"_s);
    Tiles::LoadTilePictures(GDIPPictureContainer1);
    AdvSmoothTileList1->setPictureContainer(&GDIPPictureContainer1);
    PicShow = new TPicShow(this);
    PicShow->setObjectName(u"PicShow"_s);
    m_slideshow = std::make_unique<Slideshow>(*PicShow, m_random, Slides, this);
}

void TDisplay_mainForm::createTimers(const BoardPace &pace)
{
    const auto make = [this](const QString &name, int interval, void (TDisplay_mainForm::*tick)()) {
        auto *timer = new QTimer(this);
        timer->setObjectName(name);
        timer->setInterval(interval);
        connect(timer, &QTimer::timeout, this, [this, tick] { RunHandler([this, tick] { (this->*tick)(); }); });
        timer->start();
        return timer;
    };
    Timer1 = make(u"Timer1"_s, pace.clockMs, &TDisplay_mainForm::Timer1Timer);
    // A 1 ms timer ticked every 10 ms on the boards this pace was made for; ask for 10 ms.
    Timer2 = make(u"Timer2"_s, pace.tipLineMs, &TDisplay_mainForm::Timer2Timer);
    Timer2->setTimerType(Qt::PreciseTimer);
    Timer = make(u"Timer"_s, pace.slideMs, &TDisplay_mainForm::TimerTimer);
    Timer3 = make(u"Timer3"_s, pace.refreshMs, &TDisplay_mainForm::Timer3Timer);
}

void TDisplay_mainForm::createTray()
{
    AdvPopupMenu1 = new QMenu(this);
    AdvPopupMenu1->setObjectName(u"AdvPopupMenu1"_s);
    AdvPopupMenu1->setFont(Fonts::Pixel(kYaHei, 12));
    // Office 2003 blue: a pale blue gradient gutter and an amber highlight.
    AdvPopupMenu1->setStyleSheet(
        u"QMenu { background: #F6F6F6; border: 1px solid #002D96; padding: 2px; }"
        "QMenu::item { padding: 5px 28px 5px 30px; color: black; }"
        "QMenu::item:selected { background: qlineargradient(x1:0, y1:0, x2:0, y2:1,"
        " stop:0 #FFF4CC, stop:1 #FFD58C); border: 1px solid #000080; }"
        "QMenu::separator { height: 1px; background: #6A8CCB; margin: 2px 4px; }"_s);
    const auto item = [this](const QString &name, const QString &caption,
                             void (TDisplay_mainForm::*handler)()) {
        QAction *action = AdvPopupMenu1->addAction(caption);
        action->setObjectName(name);
        connect(action, &QAction::triggered, this,
                [this, handler] { RunHandler([this, handler] { (this->*handler)(); }); });
        return action;
    };
    N1 = item(u"N1"_s, u"房价展示窗口..."_s, &TDisplay_mainForm::N1Click);
    N2 = item(u"N2"_s, u"房价设置"_s, &TDisplay_mainForm::N2Click);
    N3 = item(u"N3"_s, u"参数设置"_s, &TDisplay_mainForm::N3Click);
    N5 = item(u"N5"_s, u"关于与技术帮助"_s, &TDisplay_mainForm::N5Click);
    N4 = item(u"N4"_s, u"退出展示系统"_s, &TDisplay_mainForm::N4Click);

    CoolTrayIcon = new QSystemTrayIcon(windowIcon(), this);
    CoolTrayIcon->setObjectName(u"CoolTrayIcon"_s);
    CoolTrayIcon->setToolTip(u"Zorvane...."_s);
    // No context menu is set: the menu opens on the press of either button, at the pointer.
    connect(CoolTrayIcon, &QSystemTrayIcon::activated, this,
            [this](QSystemTrayIcon::ActivationReason reason) { PopupTrayMenu(reason); });
    CoolTrayIcon->show();
}

void TDisplay_mainForm::PopupTrayMenu(QSystemTrayIcon::ActivationReason reason)
{
    if (reason == QSystemTrayIcon::Trigger || reason == QSystemTrayIcon::Context)
        AdvPopupMenu1->popup(QCursor::pos());
}

void TDisplay_mainForm::mousePressEvent(QMouseEvent *event)
{
    // A bare kiosk session may have no tray at all; staff must still reach the menu.
    if (event->button() == Qt::RightButton && !QSystemTrayIcon::isSystemTrayAvailable()) {
        AdvPopupMenu1->popup(event->globalPosition().toPoint());
        return;
    }
    QWidget::mousePressEvent(event);
}

void TDisplay_mainForm::resizeEvent(QResizeEvent *event)
{
    // Delivered before the window is painted at its new size.
    RunHandler([this] { FormCanResize(width()); });
    layoutBands();
    QWidget::resizeEvent(event);
}

void TDisplay_mainForm::moveEvent(QMoveEvent *event)
{
    RunHandler([this] { FormCanResize(width()); });
    QWidget::moveEvent(event);
}

void TDisplay_mainForm::FormCanResize(int newWidth)
{
    const HeaderLayout::HeaderLefts lefts = HeaderLayout::Compute(
        newWidth, {AdvReflectionLabel1->text(), AdvReflectionLabel2->text(), Label1->text(),
                   Label2->text(), Label4->text(), Label5->text()});
    const auto place = [](QWidget *element, int left) { element->move(left, element->y()); };
    place(AdvReflectionLabel1, lefts.date);
    place(AdvReflectionLabel2, lefts.time);
    place(Label1, lefts.todayCaption);
    place(Label2, lefts.todayTemps);
    place(Label4, lefts.tomorrowCaption);
    place(Label5, lefts.tomorrowTemps);
    place(AdvGDIPPicture1, lefts.todayIcon);
    place(AdvGDIPPicture2, lefts.tomorrowIcon);
}

void TDisplay_mainForm::layoutBands()
{
    const int w = width();
    const int middleHeight = std::max(0, height() - kHeaderHeight - kFooterHeight);
    AdvPanel2->setGeometry(0, 0, w, kHeaderHeight);
    AdvPanel1->setGeometry(0, height() - kFooterHeight, w, kFooterHeight);
    Image2->setGeometry(0, 0, w, kFooterHeight);
    AdvSmoothTileList1->setGeometry(0, kHeaderHeight, kTileListWidth, middleHeight);
    const int showLeft = AdvSmoothTileList1->isHidden() ? 0 : kTileListWidth;
    PicShow->setGeometry(showLeft, kHeaderHeight, std::max(0, w - showLeft), middleHeight);
}

void TDisplay_mainForm::FormCreate()
{
    Label3->move(0, Label3->y());
    BasePath.clear();
    MoveMsg.clear();
    PicAlong = u"0"_s;
    if (!FatalChecks())
        return;

    StartupParams params{CityCode, ConnStr, BasePath, PicAlong, MoveMsg};
    {
        // Whatever the read took before a failure stays in the window's fields.
        const auto keep = qScopeGuard([&] {
            CityCode = params.CityCode;
            ConnStr = params.ConnStr;
            BasePath = params.BasePath;
            PicAlong = params.PicAlong;
            MoveMsg = params.MoveMsg;
        });
        ReadStartupParams(m_folder, params);
    }
    m_weatherHost = Weather::ServiceHost(
        IniFile(ProgramFolder::Join(m_folder, u"\\Params.ini"_s))
            .ReadString(u"Weather"_s, u"Host"_s, Weather::DefaultHost()));
    ADOConnection1.Open(ConnStr);
    Label3->setText(MoveMsg);
    Label3->adjustSize();
    LoadBannersAndLogo();
    AdvSmoothTileList1->setVisible(Tiles::TileListVisible(PicAlong));
    layoutBands();
    Tiles::BuildRoomTiles(ADOConnection1, *AdvSmoothTileList1);
    m_slideshow->Start(m_folder);
}

bool TDisplay_mainForm::FatalChecks()
{
    if (!Screenpixel()) {
        Messages::Show(u"显示器分辨率...."_s,
                       u"请把电脑显示器与电视机的分辨率设置成一致.....,谢谢！"_s);
        m_startupEnded = true;
        return false;
    }
    if (!QFileInfo::exists(ProgramFolder::Join(m_folder, u"\\Database.accdb"_s))) {
        Messages::Show(u"数据文件缺失...."_s,
                       u"系统缺失数据文件,请查看当前目录下是否存在Database.accdb文件.....,谢谢！"_s);
        m_startupEnded = true;
        return false;
    }
    return true;
}

void TDisplay_mainForm::LoadBannersAndLogo()
{
    LoadPictureInto(Image2, ProgramFolder::JoinIgnoringCase(m_folder, u"\\box\\Botbanner.Jpg"_s));
    LoadPictureInto(AdvPanel2, ProgramFolder::JoinIgnoringCase(m_folder, u"\\box\\Topbanner.Jpg"_s));
    LoadPictureInto(AdvGDIPPicture3, ProgramFolder::JoinIgnoringCase(m_folder, u"\\box\\Logo.png"_s));
}

bool TDisplay_mainForm::Screenpixel() const
{
    return ScreenCheck::MonitorsAgree(Monitors::Rects());
}

void TDisplay_mainForm::FirstShow()
{
    RunHandler([this] { FormShow(); });
    // The board goes on screen once the first weather outcome is in (and with it the move
    // to the display monitor), or when the request's own limits have long run out.
    if (IdHTTP1->IsRunning()) {
        QEventLoop wait;
        connect(IdHTTP1, &WeatherUpdater::finished, &wait, &QEventLoop::quit);
        QTimer::singleShot(20000, &wait, &QEventLoop::quit);
        wait.exec();
    }
    // The header is laid out from the texts it shows, so show today's date and time, not
    // the design texts, before the board is first seen at its full width.
    RunHandler([this] { ShowClock(); });
    // Maximised on the monitor the board stands on; without a window manager only the
    // monitor's own geometry followed by show covers it exactly.
    QScreen *screen = QGuiApplication::screenAt(geometry().topLeft());
    if (!screen)
        screen = QGuiApplication::primaryScreen();
    if (screen)
        setGeometry(screen->geometry());
    winId();
    Taskbar::Skip(windowHandle());
    showFullScreen();
}

void TDisplay_mainForm::FormShow()
{
    if (m_weatherHost.isEmpty())
        m_weatherHost = Weather::DefaultHost();
    IdHTTP1->Start(m_weatherHost, CityCode);
}

void TDisplay_mainForm::Button1Click()
{
    if (Monitors::Rects().size() >= 2)
        SetFormMonitor(this, 1);
}

void TDisplay_mainForm::Timer1Timer()
{
    m_random.Randomize();
    const int drawn = m_random.Next(40);
    const int hour = ShowClock().hour();
    if (Clock::TileToggleDue(drawn, hour, PicAlong)) {
        const bool hide = !AdvSmoothTileList1->isHidden();
        AdvSmoothTileList1->setVisible(!hide);
        layoutBands();
        if (hide)
            repaint();
    }
}

QTime TDisplay_mainForm::ShowClock()
{
    const QDateTime now = QDateTime::currentDateTime();
    AdvReflectionLabel2->setText(Clock::FormatTimeText(now.time()));
    AdvReflectionLabel1->setText(Clock::FormatDateText(now.date()));
    return now.time();
}

void TDisplay_mainForm::Timer2Timer()
{
    // The move itself repaints the label's old and new places in the footer, nothing more.
    Clock::StepTipLine(Label3, width());
}

void TDisplay_mainForm::TimerTimer()
{
    if (m_slideshow)
        m_slideshow->TimerTimer();
}

void TDisplay_mainForm::Timer3Timer()
{
    FormShow();
}

void TDisplay_mainForm::FormDestroy()
{
    // The control is a child and goes after this; it must not call back into the slideshow.
    m_slideshow.reset();
    Slides.ImageFiles.clear();
}

void TDisplay_mainForm::N1Click()
{
    show();
    raise();
    activateWindow();
}

void TDisplay_mainForm::N2Click()
{
    TShowRoomForm editor(ADOConnection1, this);
    editor.exec();
}

void TDisplay_mainForm::N3Click()
{
    TsysParamsForm dialog(m_folder, this);
    dialog.exec();
}

void TDisplay_mainForm::N5Click()
{
    TAboutusForm about(this);
    about.exec();
}

void TDisplay_mainForm::N4Click()
{
    QCoreApplication::quit();
}
