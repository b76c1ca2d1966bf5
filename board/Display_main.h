#pragma once

#include "board/BoardPace.h"
#include "board/BoardRandom.h"
#include "board/slideshow/SlideshowState.h"
#include "controls/tiles/PictureContainer.h"
#include "rates/RoomStore.h"

#include <QStringList>
#include <QTime>
#include <QSystemTrayIcon>
#include <QWidget>
#include <memory>

class QAction;
class QLabel;
class QMenu;
class QTimer;
class PictureBox;
class ReflectionLabel;
class Slideshow;
class TileList;
class TipLabel;
class TPicShow;
class WeatherUpdater;

// The board: a borderless window covering the display monitor. It assembles the parts and
// routes the timers and the tray menu; each part's behaviour lives in its own folder.
class TDisplay_mainForm : public QWidget
{
    Q_OBJECT
public:
    // Builds the elements, starts the timers and runs the creation sequence.
    explicit TDisplay_mainForm(const QString &programFolder, const BoardPace &pace = {});
    ~TDisplay_mainForm() override;

    // A fatal start-up check ended the start-up: the board must never be shown.
    bool StartupEnded() const { return m_startupEnded; }
    // Shows the board for the first time: the show sequence, then on screen maximised.
    void FirstShow();

    bool Screenpixel() const;
    void FormShow();
    void Button1Click();

    // The tray menu's commands.
    void N1Click();
    void N2Click();
    void N3Click();
    void N5Click();
    void N4Click();

    // The window's state, under the names every part uses.
    // ImageFiles, ImageFolder, CurrentImage and NextImage.
    SlideshowState Slides;
    QString PicAlong = QStringLiteral("0");
    QString CityCode;
    QString ConnStr;
    QString BasePath;
    QString MoveMsg;

    // Header.
    PictureBox *AdvPanel2 = nullptr;
    PictureBox *AdvGDIPPicture3 = nullptr;
    ReflectionLabel *AdvReflectionLabel1 = nullptr;
    ReflectionLabel *AdvReflectionLabel2 = nullptr;
    QLabel *Label1 = nullptr;
    PictureBox *AdvGDIPPicture1 = nullptr;
    QLabel *Label2 = nullptr;
    QLabel *Label4 = nullptr;
    PictureBox *AdvGDIPPicture2 = nullptr;
    QLabel *Label5 = nullptr;
    QWidget *Button1 = nullptr;
    // Footer.
    QWidget *AdvPanel1 = nullptr;
    PictureBox *Image2 = nullptr;
    TipLabel *Label3 = nullptr;
    // Middle band.
    TileList *AdvSmoothTileList1 = nullptr;
    TPicShow *PicShow = nullptr;

    QTimer *Timer1 = nullptr;
    QTimer *Timer2 = nullptr;
    QTimer *Timer = nullptr;
    QTimer *Timer3 = nullptr;
    RoomStore ADOConnection1;
    PictureContainer GDIPPictureContainer1;
    QSystemTrayIcon *CoolTrayIcon = nullptr;
    QMenu *AdvPopupMenu1 = nullptr;
    QAction *N1 = nullptr;
    QAction *N2 = nullptr;
    QAction *N3 = nullptr;
    QAction *N5 = nullptr;
    QAction *N4 = nullptr;

protected:
    void resizeEvent(QResizeEvent *event) override;
    void moveEvent(QMoveEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;

private:
    void createHeader();
    void createFooter();
    void createMiddle();
    void createTimers(const BoardPace &pace);
    void createTray();
    void layoutBands();
    void FormCanResize(int newWidth);

    void FormCreate();
    bool FatalChecks();
    void LoadBannersAndLogo();
    void Timer1Timer();
    QTime ShowClock();
    void Timer2Timer();
    void TimerTimer();
    void Timer3Timer();
    void FormDestroy();
    void PopupTrayMenu(QSystemTrayIcon::ActivationReason reason);

    QString m_folder;
    QString m_weatherHost;
    WeatherUpdater *IdHTTP1 = nullptr;
    BoardRandom m_random;
    std::unique_ptr<Slideshow> m_slideshow;
    bool m_startupEnded = false;
};
