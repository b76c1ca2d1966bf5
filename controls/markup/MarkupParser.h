#pragma once

#include "controls/markup/MarkupDocument.h"

#include <QStringView>

namespace Markup {

// Reads any text into a document; it never fails. Tag and attribute names are matched
// without regard to case; values may stand in double, single or no quotes. Unknown tags are
// dropped, a '<' that opens no tag and an '&' that starts no known entity stay as text, and
// line breaks and tabs in text read as spaces. A tag ends at its first '>'. Runs in time
// linear in the length of the text.
Document Parse(QStringView markup);

} // namespace Markup
