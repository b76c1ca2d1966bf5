#include "controls/picshow/PicShowFrames.h"

#include <QPainter>

namespace PicShowFrames {

QRect InnerRect(const QSize &control, int bevels, int bevelWidth)
{
    const int inset = qMax(0, bevels * bevelWidth);
    return QRect(QPoint(0, 0), control).adjusted(inset, inset, -inset, -inset);
}

QRect PictureRect(const QRect &area, const QSize &picture, bool center, bool stretch,
                  bool proportional)
{
    QSize size = picture;
    if (stretch && !picture.isEmpty())
        size = proportional ? picture.scaled(area.size(), Qt::KeepAspectRatio) : area.size();
    if (!center)
        return QRect(area.topLeft(), size);
    return QRect(area.left() + (area.width() - size.width()) / 2,
                 area.top() + (area.height() - size.height()) / 2, size.width(), size.height());
}

QImage Backdrop(const QImage &picture, const QSize &control, BgMode mode, const QColor &fill)
{
    QImage backdrop(control.expandedTo(QSize(1, 1)), QImage::Format_RGB32);
    backdrop.fill(fill);
    if (picture.isNull() || mode == bmNone)
        return backdrop;
    QPainter painter(&backdrop);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    switch (mode) {
    case bmTiled:
        for (int y = 0; y < control.height(); y += picture.height())
            for (int x = 0; x < control.width(); x += picture.width())
                painter.drawImage(x, y, picture);
        break;
    case bmStretched:
        painter.drawImage(backdrop.rect(), picture);
        break;
    case bmCentered:
        painter.drawImage((control.width() - picture.width()) / 2,
                          (control.height() - picture.height()) / 2, picture);
        break;
    case bmNone:
        break;
    }
    return backdrop;
}

QImage StartingFrame(const QImage &onScreen, const QImage &backdrop, const QRect &place,
                     const QSize &pictureSize, bool overDraw)
{
    if (overDraw && !onScreen.isNull() && onScreen.size() == pictureSize)
        return onScreen;
    const QRect behind = place.intersected(backdrop.rect());
    if (behind.isEmpty() || pictureSize.isEmpty()) {
        QImage black(pictureSize, QImage::Format_RGB32);
        black.fill(Qt::black);
        return black;
    }
    // The fast scaling: this frame shows for one transition only, and a smooth one of a
    // 2160p picture would hold up the transition's first frame.
    return backdrop.copy(behind)
        .scaled(pictureSize, Qt::IgnoreAspectRatio, Qt::FastTransformation)
        .convertToFormat(QImage::Format_RGB32);
}

} // namespace PicShowFrames
