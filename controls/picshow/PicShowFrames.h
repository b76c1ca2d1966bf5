#pragma once

#include <QColor>
#include <QImage>
#include <QRect>

// Where the slideshow control puts its backdrop and pictures, and which frame a transition
// starts from; the widget only paints what these give.
namespace PicShowFrames {

enum BgMode { bmNone, bmTiled, bmStretched, bmCentered };

// The area inside `bevels` bevels of `bevelWidth` pixels each.
QRect InnerRect(const QSize &control, int bevels, int bevelWidth);

// The place of a picture in the area: stretched over all of it (keeping the aspect ratio
// when proportional), else at its own size, centred or at the top left.
QRect PictureRect(const QRect &area, const QSize &picture, bool center, bool stretch,
                  bool proportional);

// The backdrop over the whole control; without a picture, or in bmNone, the fill colour.
QImage Backdrop(const QImage &picture, const QSize &control, BgMode mode, const QColor &fill);

// The OverDraw rule: with OverDraw on, a transition starts from the frame on screen when it
// has the new picture's size in pixels; otherwise from the part of the backdrop behind the
// picture's place, scaled to the new picture's size. `onScreen` is null while the backdrop
// alone shows.
QImage StartingFrame(const QImage &onScreen, const QImage &backdrop, const QRect &place,
                     const QSize &pictureSize, bool overDraw);

} // namespace PicShowFrames
