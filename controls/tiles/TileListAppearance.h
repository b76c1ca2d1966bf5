#pragma once

#include "controls/markup/MarkupStyle.h"

#include <QColor>

// How the room tile list looks on the board: a flat list background and tiles with a thin
// border, lightly rounded, that turn warm when pointed at or selected.
struct TileFill
{
    QColor top; // a solid fill has top == bottom
    QColor bottom;
};

struct TileListAppearance
{
    QColor background{0xD8, 0xD8, 0xE6};
    TileFill normal{QColor(0xE1, 0xE2, 0xEC, 180), QColor(0xE1, 0xE2, 0xEC, 180)};
    TileFill hovered{QColor(0xFF, 0xFD, 0xEB, 220), QColor(0xFF, 0xEC, 0xAC)};
    TileFill selected{QColor(0xFB, 0xE6, 0x94), QColor(0xEE, 0x95, 0x15)};
    QColor border{0x7C, 0x7C, 0x94};
    qreal cornerRadius = 2;
    Markup::FontSpec baseFont{QStringLiteral("Tahoma"), 11, false};
    QColor baseColor{Qt::black};
};
