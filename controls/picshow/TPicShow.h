#pragma once

#include "controls/picshow/PicShowFrames.h"

#include <QElapsedTimer>
#include <QImage>
#include <QTimer>
#include <QWidget>
#include <functional>

// The slideshow control: shows its backdrop until the first transition, from then on the
// last frame it has drawn, and holds one picture for the next transition.
//
// A transition runs on the main thread but does not block it: StartTransition fixes the
// starting frame, raises OnStart and shows the first frame; a timer shows the others at
// least Delay milliseconds apart, so the rest of the program's events are handled between
// two frames. It does not decode files: the owner hands it decoded pictures.
class TPicShow : public QWidget
{
    Q_OBJECT
public:
    enum BevelCut { bvNone, bvLowered, bvRaised };
    using BgMode = PicShowFrames::BgMode;

    explicit TPicShow(QWidget *parent = nullptr);
    ~TPicShow() override;

    // The picture of the next transition; replacing it never affects a running one.
    const QImage &Picture() const { return m_picture; }
    void SetPicture(const QImage &picture);

    // 0 to 172; a value above 172 (or below 0) is ignored.
    int Style() const { return m_style; }
    void SetStyle(int style);
    QString StyleName() const;

    const QImage &BgPicture() const { return m_bgPicture; }
    void SetBgPicture(const QImage &picture);
    BgMode GetBgMode() const { return m_bgMode; }
    void SetBgMode(BgMode mode);

    bool Center() const { return m_center; }
    void SetCenter(bool center);
    bool Stretch() const { return m_stretch; }
    void SetStretch(bool stretch);
    bool Proportional() const { return m_proportional; }
    void SetProportional(bool proportional);
    // Percent of progress per frame.
    int Step() const { return m_step; }
    void SetStep(int step) { m_step = qBound(1, step, 100); }
    // Milliseconds at least between two frames.
    int Delay() const { return m_delay; }
    void SetDelay(int delay) { m_delay = qMax(0, delay); }
    bool OverDraw() const { return m_overDraw; }
    void SetOverDraw(bool overDraw) { m_overDraw = overDraw; }

    BevelCut BevelOuter() const { return m_bevelOuter; }
    void SetBevelOuter(BevelCut cut);
    BevelCut BevelInner() const { return m_bevelInner; }
    void SetBevelInner(BevelCut cut);
    int BevelWidth() const { return m_bevelWidth; }
    void SetBevelWidth(int width);

    bool TransitionRunning() const { return m_running; }
    // Does nothing without a picture or while a transition runs. A failure thrown by
    // OnStart ends the transition before its first frame and is passed on to the caller.
    void StartTransition();
    // Ends a running transition at once, keeping the frame reached.
    void StopTransition();

    // Raised by StartTransition after the starting frame is fixed, before the first frame.
    std::function<void()> OnStart;

    // What the area shows, at the size of the picture it comes from; null while the
    // backdrop alone shows.
    const QImage &ScreenFrame() const { return m_screen; }
    // Progress of the frame on screen, 0..100.
    int Progress() const { return m_progress; }
    // The area the pictures are drawn into: inside the bevels.
    QRect PictureArea() const;

signals:
    void frameShown(int progress);

protected:
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    void showNextFrame();
    void prepare();
    QImage startingFrame();
    void frameDue();
    void changed();
    const QImage &backdrop();
    QRect placeOf(const QSize &picture) const;
    void paintBevel(QPainter &painter, QRect &rect, BevelCut cut) const;

    QImage m_picture;
    QImage m_bgPicture;
    QImage m_backdrop;
    BgMode m_bgMode = PicShowFrames::bmStretched;
    int m_style = 1;
    bool m_center = true;
    bool m_stretch = true;
    bool m_proportional = false;
    int m_step = 4;
    int m_delay = 40;
    bool m_overDraw = true;
    BevelCut m_bevelOuter = bvRaised;
    BevelCut m_bevelInner = bvLowered;
    int m_bevelWidth = 1;

    // The running transition.
    bool m_running = false;
    quint64 m_transition = 0;
    int m_transitionStyle = 0;
    QImage m_incoming;
    QImage m_start;
    QImage m_screen;
    // The buffer of the frame before last, reused so that a transition neither copies nor
    // allocates a frame.
    QImage m_spare;
    // The starting frame of the next transition when it comes from the backdrop, made
    // while the control is idle.
    QImage m_preparedStart;
    int m_progress = 0;
    QTimer m_frameTimer;
    QElapsedTimer m_sinceFrame;
    // The still picture scaled smoothly once, for the seconds between transitions.
    QImage m_still;
    QRect m_stillPlace;
};
