#pragma once

#include <QFont>

// The Windows faces the board was designed with, mapped to installed substitutes so that
// no Chinese character or sign ever shows as a box or a blank.
namespace Fonts {

// Registers the substitutes for 微软雅黑, 黑体, 宋体, 楷体_GB2312, Tahoma and MS Sans Serif.
// Idempotent; call once a QGuiApplication exists.
void InstallSubstitutes();

// A font of `family` with the given pixel height (the board's "character height").
QFont Pixel(const QString &family, int pixelHeight, bool bold = false);

// For texts with signs such as ℃: WenQuanYi Micro Hei has a blank glyph for it, which
// stops any fallback, so faces that draw it come first and the board's own face last.
QFont WithSigns(QFont font);

} // namespace Fonts
