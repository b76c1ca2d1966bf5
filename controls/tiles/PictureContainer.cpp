#include "controls/tiles/PictureContainer.h"

namespace {

// Only A to Z fold: the names are ASCII file names, and other letters must match exactly.
bool SameName(const QString &a, const QString &b)
{
    if (a.size() != b.size())
        return false;
    for (qsizetype i = 0; i < a.size(); ++i) {
        char16_t x = a[i].unicode();
        char16_t y = b[i].unicode();
        if (x >= u'a' && x <= u'z')
            x -= u'a' - u'A';
        if (y >= u'a' && y <= u'z')
            y -= u'a' - u'A';
        if (x != y)
            return false;
    }
    return true;
}

} // namespace

void PictureContainer::Add(const QString &name, const QImage &picture)
{
    m_items.append({name, picture});
}

std::optional<QImage> PictureContainer::Find(const QString &name) const
{
    if (name.contains(u':'))
        return std::nullopt;
    for (const Item &item : m_items) {
        if (SameName(item.name, name))
            return item.picture;
    }
    return std::nullopt;
}
