#include "controls/picshow/TPicShow.h"

#include "controls/picshow/PicShowEffects.h"

#include <QPaintEvent>
#include <QPainter>
#include <new>

TPicShow::TPicShow(QWidget *parent) : QWidget(parent)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
    m_frameTimer.setSingleShot(true);
    m_frameTimer.setTimerType(Qt::PreciseTimer);
    connect(&m_frameTimer, &QTimer::timeout, this, &TPicShow::frameDue);
}

TPicShow::~TPicShow()
{
    StopTransition();
}

void TPicShow::SetPicture(const QImage &picture)
{
    m_picture = picture.format() == QImage::Format_RGB32
                    ? picture
                    : picture.convertToFormat(QImage::Format_RGB32);
    if (!m_running)
        prepare();
}

// Fresh memory for a frame costs a page fault per page; the buffers for the next
// transition are therefore made while the control is idle, not between two frames.
void TPicShow::prepare()
{
    m_preparedStart = QImage();
    if (m_picture.isNull())
        return;
    if (m_spare.size() != m_picture.size()) {
        m_spare = QImage(m_picture.size(), QImage::Format_RGB32);
        m_spare.fill(Qt::black);
    }
    if (!m_overDraw || m_screen.size() != m_picture.size())
        m_preparedStart = startingFrame();
}

QImage TPicShow::startingFrame()
{
    return PicShowFrames::StartingFrame(m_screen, backdrop(), placeOf(m_picture.size()),
                                        m_picture.size(), m_overDraw);
}

void TPicShow::SetStyle(int style)
{
    if (style < 0 || style > PicShowEffects::LastStyle || style == m_style)
        return;
    m_style = style;
}

QString TPicShow::StyleName() const
{
    return PicShowEffects::StyleName(m_style);
}

void TPicShow::SetBgPicture(const QImage &picture)
{
    m_bgPicture = picture;
    m_backdrop = QImage();
    changed();
}

void TPicShow::SetBgMode(BgMode mode)
{
    m_bgMode = mode;
    m_backdrop = QImage();
    changed();
}

void TPicShow::SetCenter(bool center)
{
    m_center = center;
    changed();
}

void TPicShow::SetStretch(bool stretch)
{
    m_stretch = stretch;
    changed();
}

void TPicShow::SetProportional(bool proportional)
{
    m_proportional = proportional;
    changed();
}

void TPicShow::SetBevelOuter(BevelCut cut)
{
    m_bevelOuter = cut;
    changed();
}

void TPicShow::SetBevelInner(BevelCut cut)
{
    m_bevelInner = cut;
    changed();
}

void TPicShow::SetBevelWidth(int width)
{
    m_bevelWidth = qMax(0, width);
    changed();
}

void TPicShow::changed()
{
    m_still = QImage();
    if (!m_running)
        prepare();
    update();
}

QRect TPicShow::PictureArea() const
{
    const int bevels = (m_bevelOuter != bvNone ? 1 : 0) + (m_bevelInner != bvNone ? 1 : 0);
    return PicShowFrames::InnerRect(size(), bevels, m_bevelWidth);
}

QRect TPicShow::placeOf(const QSize &picture) const
{
    return PicShowFrames::PictureRect(PictureArea(), picture, m_center, m_stretch, m_proportional);
}

const QImage &TPicShow::backdrop()
{
    if (m_backdrop.size() != size().expandedTo(QSize(1, 1)))
        m_backdrop = PicShowFrames::Backdrop(m_bgPicture, size(), m_bgMode,
                                             palette().color(QPalette::Window));
    return m_backdrop;
}

void TPicShow::StartTransition()
{
    if (m_picture.isNull() || m_running)
        return;
    m_running = true;
    const quint64 transition = ++m_transition;
    m_transitionStyle = m_style;
    m_incoming = m_picture;
    m_start = m_preparedStart.size() == m_incoming.size() ? m_preparedStart : startingFrame();
    m_preparedStart = QImage();
    const bool alreadyShown = m_start.constBits() == m_screen.constBits();
    m_screen = m_start;
    m_progress = 0;
    if (!alreadyShown) {
        m_still = QImage();
        repaint();
    }
    try {
        if (OnStart)
            OnStart();
    } catch (...) {
        // The transition ends before its first frame; the area keeps the starting frame.
        if (transition == m_transition)
            StopTransition();
        throw;
    }
    if (m_running && transition == m_transition)
        showNextFrame();
}

void TPicShow::StopTransition()
{
    if (!m_running)
        return;
    m_frameTimer.stop();
    m_running = false;
    ++m_transition;
    m_incoming = QImage();
    m_spare = std::move(m_start);
    m_start = QImage();
    prepare();
    update();
}

void TPicShow::frameDue()
{
    if (!m_running)
        return;
    const qint64 waited = m_sinceFrame.elapsed();
    if (waited < m_delay) {
        m_frameTimer.start(int(m_delay - waited));
        return;
    }
    try {
        showNextFrame();
    } catch (const std::bad_alloc &) {
        // No memory for the frame: the area keeps the one it has.
        StopTransition();
    }
}

void TPicShow::showNextFrame()
{
    m_progress = qMin(100, m_progress + m_step);
    if (m_screen.constBits() == m_start.constBits()) {
        // The first frame: compose into the spare buffer rather than copying the start.
        m_screen = m_spare.size() == m_incoming.size() ? std::move(m_spare) : QImage();
        m_spare = QImage();
    }
    PicShowEffects::ComposeFrame(m_transitionStyle, m_start, m_incoming, m_progress, m_screen);
    if (m_progress >= 100) {
        m_running = false;
        m_spare = std::move(m_start);
        m_start = QImage();
        m_incoming = QImage();
        prepare();
    }
    m_still = QImage();
    repaint(placeOf(m_screen.size()));
    m_sinceFrame.start();
    emit frameShown(m_progress);
    if (m_running)
        m_frameTimer.start(m_delay);
    else
        QTimer::singleShot(m_delay, this, [this] { update(); }); // the smooth still, later
}

void TPicShow::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    m_still = QImage();
    if (!m_running)
        prepare();
}

void TPicShow::paintBevel(QPainter &painter, QRect &rect, BevelCut cut) const
{
    if (cut == bvNone)
        return;
    const QColor light = palette().color(QPalette::Light);
    const QColor dark = palette().color(QPalette::Dark);
    const QColor &topLeft = cut == bvRaised ? light : dark;
    const QColor &bottomRight = cut == bvRaised ? dark : light;
    for (int i = 0; i < m_bevelWidth && rect.width() > 1 && rect.height() > 1; ++i) {
        painter.fillRect(QRect(rect.left(), rect.top(), rect.width(), 1), topLeft);
        painter.fillRect(QRect(rect.left(), rect.top(), 1, rect.height()), topLeft);
        painter.fillRect(QRect(rect.left(), rect.bottom(), rect.width(), 1), bottomRight);
        painter.fillRect(QRect(rect.right(), rect.top(), 1, rect.height()), bottomRight);
        rect.adjust(1, 1, -1, -1);
    }
}

void TPicShow::paintEvent(QPaintEvent *event)
{
    QPainter painter(this);
    const QRect place = m_screen.isNull() ? QRect() : placeOf(m_screen.size());
    // The picture covers its place, so the backdrop is drawn only around it.
    const QRegion around = event->region().subtracted(place);
    if (!around.isEmpty()) {
        painter.setClipRegion(around);
        painter.drawImage(0, 0, backdrop());
        QRect bevel = rect();
        paintBevel(painter, bevel, m_bevelOuter);
        paintBevel(painter, bevel, m_bevelInner);
        painter.setClipping(false);
    }
    if (m_screen.isNull())
        return;
    const bool justEnded = m_sinceFrame.isValid() && m_sinceFrame.elapsed() < m_delay;
    if (m_running || justEnded || place.size() == m_screen.size()) {
        // Frames of a running transition are scaled the fast way; they last 40 ms.
        painter.drawImage(place, m_screen);
        return;
    }
    if (m_still.isNull() || m_stillPlace != place) {
        m_still = m_screen.scaled(place.size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
        m_stillPlace = place;
    }
    painter.drawImage(place.topLeft(), m_still);
}
