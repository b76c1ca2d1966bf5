#include "controls/tiplabel/TipText.h"

namespace TipText {

Shown Read(const QString &text)
{
    Shown shown;
    shown.text.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text.at(i) != u'&') {
            shown.text += text.at(i);
            continue;
        }
        if (++i >= text.size())
            break;
        if (text.at(i) != u'&')
            shown.underlined.append(shown.text.size());
        shown.text += text.at(i);
    }
    return shown;
}

} // namespace TipText
