#pragma once

#include "controls/picshow/EffectCanvas.h"

// The effects grouped by how they draw. Each function composes the style it knows and
// returns false for any other style.
namespace PicShowEffects {

// Expands, slides, reveals, pushes and squeezes along one axis or from a corner.
bool ComposeSlide(int style, Canvas &canvas);
// Fronts that run across the picture: curved and V reveals, zigzags, bars, shreds,
// criss-crosses, blinds.
bool ComposeWipe(int style, Canvas &canvas);
// Shapes: ellipses, diamonds, diagonals, bow ties, sweeps, stars, pivots and the pieces
// of the shreds.
bool ComposeShape(int style, Canvas &canvas);
// Effects that look at single pixels: fade, dissolve, speckle, pixelate, channel mix.
bool ComposePixel(int style, Canvas &canvas);

} // namespace PicShowEffects
