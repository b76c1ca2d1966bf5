#pragma once

#include "controls/markup/MarkupSources.h"

#include <QImage>
#include <QList>
#include <QString>

// Named pictures in the order they were added (`GDIPPictureContainer1`). A name is found
// without regard to the case of A to Z, the first match winning; a name with a colon is
// never looked up.
class PictureContainer : public Markup::Pictures
{
public:
    void Add(const QString &name, const QImage &picture);
    int Count() const { return int(m_items.size()); }
    QString NameAt(int index) const { return m_items.at(index).name; }
    std::optional<QImage> Find(const QString &name) const override;

private:
    struct Item
    {
        QString name;
        QImage picture;
    };
    QList<Item> m_items;
};
