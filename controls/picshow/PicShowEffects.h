#pragma once

#include <QImage>
#include <QString>

// The slideshow control's transition effects. Each one is a pure function of the starting
// frame, the new picture and the progress in percent; it composes the frame at the new
// picture's size and never looks at the screen. Style 0 ("Custom") keeps the starting
// frame until 100 %.
namespace PicShowEffects {

inline constexpr int CustomStyle = 0;
inline constexpr int LastStyle = 172;

// The catalogue name of a style, "" outside 0..172.
QString StyleName(int style);

// Composes the frame of `style` at `progress` (0..100) into `frame`, reusing its buffer
// when it already has the new picture's size. The starting frame is scaled to the new
// picture's size when it differs. Progress 0 gives the starting frame, 100 the new picture.
void ComposeFrame(int style, const QImage &start, const QImage &next, int progress, QImage &frame);

// The same, returning a new frame.
QImage Frame(int style, const QImage &start, const QImage &next, int progress);

} // namespace PicShowEffects
