#pragma once

#include <QList>
#include <QString>

// The tiles' small HTML-like markup as a flat sequence of nodes. Flat on purpose: the
// dialect's tags need no nesting to be drawn (</font> returns to the base font, not to an
// enclosing one), and unclosed or stray tags cost nothing.
namespace Markup {

enum class NodeKind {
    Text,      // text: the decoded characters
    BoldOn,    // <b>
    BoldOff,   // </b>
    Font,      // <font face size color>
    FontEnd,   // </font>
    Break,     // <br/>
    ListOpen,  // <ul>
    ListClose, // </ul>
    ListItem,  // <li type color>
    Picture,   // <img src width height align>
};

struct Node
{
    NodeKind kind = NodeKind::Text;
    QString text;  // Text
    QString face;  // Font; empty: keep the current family
    int size = 0;  // Font, in points; 0: keep the current size
    QString color; // Font and ListItem, as written ("clRed", "#FF0000"); empty: not given
    QString type;  // ListItem
    QString src;   // Picture
    int width = 0; // Picture; both at least 1: drawn scaled to width by height
    int height = 0;
    QString align; // Picture: "top" and "middle" move it within its line

    friend bool operator==(const Node &, const Node &) = default;
};

using Document = QList<Node>;

} // namespace Markup
