#pragma once

#include <QImage>

// Pictures drawn by code for the slideshow: the backdrop that ships with the board, and two
// sample pictures that differ everywhere, for checking the transition effects by eye.
namespace SlideArt {

// A lake at dusk, 420 x 276 like the backdrop photograph the board always had.
QImage Backdrop();

// Sample picture `which` (0 or 1) at the given size: flat shapes and stripes, so that
// every effect's geometry shows and the pages compress well.
QImage Sample(int which, const QSize &size);

} // namespace SlideArt
