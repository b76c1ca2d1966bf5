#include "platform/Fonts.h"

#include <QStringList>

using namespace Qt::Literals::StringLiterals;

namespace Fonts {

void InstallSubstitutes()
{
    // Micro Hei draws ℃ (U+2103) as a blank, so Zen Hei and DejaVu Sans follow it.
    const QStringList chinese{u"WenQuanYi Micro Hei"_s, u"WenQuanYi Zen Hei"_s,
                              u"DejaVu Sans"_s};
    const QStringList heavy{u"WenQuanYi Zen Hei"_s, u"WenQuanYi Micro Hei"_s, u"DejaVu Sans"_s};
    QFont::insertSubstitutions(u"微软雅黑"_s, chinese);
    QFont::insertSubstitutions(u"Microsoft YaHei"_s, chinese);
    QFont::insertSubstitutions(u"黑体"_s, heavy);
    QFont::insertSubstitutions(u"SimHei"_s, heavy);
    QFont::insertSubstitutions(u"宋体"_s, heavy);
    QFont::insertSubstitutions(u"楷体_GB2312"_s, heavy);
    const QStringList latin{u"DejaVu Sans"_s, u"WenQuanYi Micro Hei"_s, u"WenQuanYi Zen Hei"_s};
    QFont::insertSubstitutions(u"Tahoma"_s, latin);
    QFont::insertSubstitutions(u"MS Sans Serif"_s, latin);
}

QFont Pixel(const QString &family, int pixelHeight, bool bold)
{
    QFont font(family);
    font.setPixelSize(pixelHeight);
    font.setBold(bold);
    return font;
}

QFont WithSigns(QFont font)
{
    font.setFamilies({u"WenQuanYi Zen Hei"_s, u"DejaVu Sans"_s, font.family()});
    return font;
}

} // namespace Fonts
