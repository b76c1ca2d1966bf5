#include "board/slideshow/SlideshowFiles.h"

#include "platform/Errors.h"
#include "platform/ProgramFolder.h"

#include <QDir>
#include <QFileInfo>
#include <algorithm>

using namespace Qt::Literals::StringLiterals;

namespace SlideshowFiles {

QList<PictureFormat> RegisteredFormats()
{
    // The loader builds in metafiles, icons and bitmaps; the JPEG codec adds "jpeg" and
    // "jpg", the PNG codec "PNG", stored lower-cased; OLE pictures have no extension.
    return {
        {u"wmf"_s, u"Metafiles"_s},
        {u"emf"_s, u"Enhanced Metafiles"_s},
        {u"ico"_s, u"Icons"_s},
        {u"bmp"_s, u"Bitmaps"_s},
        {u"jpeg"_s, u"JPEG Image File"_s},
        {u"jpg"_s, u"JPEG Image File"_s},
        {u"PNG"_s.toLower(), u"Portable Network Graphics"_s},
        {QString(), u"OLE pictures"_s},
    };
}

QString FileMask(const QList<PictureFormat> &formats)
{
    QString mask;
    for (auto it = formats.crbegin(); it != formats.crend(); ++it) {
        if (it->extension.isEmpty())
            continue;
        mask += u"%1*.%2"_s.arg(mask.isEmpty() ? QString() : u";"_s, it->extension);
    }
    return mask;
}

QString ImagesFolder(const QString &programFolder)
{
    return ProgramFolder::JoinIgnoringCase(programFolder, u"\\images"_s);
}

QStringList ListPictures(const QString &folder, const QString &mask)
{
    const QDir dir(folder);
    if (folder.isEmpty() || !dir.exists())
        throw BoardError(u"Cannot open the folder %1: it does not exist."_s.arg(
            QDir::toNativeSeparators(folder)));
    if (!QFileInfo(folder).isReadable())
        throw BoardError(u"Cannot open the folder %1: access is denied."_s.arg(
            QDir::toNativeSeparators(folder)));
    // Without QDir::Hidden and QDir::System, dot files, sockets and dangling links stay
    // out; QDir::Files leaves out folders and links to folders.
    // Files that cannot be read are listed: they fail, visibly, when they are chosen.
    return dir.entryList(mask.split(u';', Qt::SkipEmptyParts), QDir::Files, QDir::Name);
}

QString WithoutTrailingSeparator(const QString &folder)
{
    if (!folder.isEmpty() && (folder.endsWith(u'\\') || folder.endsWith(u'/')))
        return folder.chopped(1);
    return folder;
}

QString PicturePath(const QString &folder, const QString &name)
{
    return folder + QDir::separator() + name;
}

QString NoPicturesText(const QString &folder)
{
    return QDir::toNativeSeparators(folder) +
           u"\r\nThe specified folder does not contain any supported image file."_s;
}

std::optional<QString> PickNextImage(const QStringList &files, const QString &current,
                                     const std::function<int(int)> &random)
{
    const int n = int(files.size());
    if (n == 0)
        return std::nullopt;
    // A list holding nothing but `current` (a listing never repeats a name, but a list
    // handed in might) must not loop for ever.
    const bool another = std::any_of(files.cbegin(), files.cend(),
                                     [&](const QString &name) { return name != current; });
    for (;;) {
        const int i = std::clamp(random(n), 0, n - 1);
        if (n < 2 || !another || files[i] != current)
            return files[i];
    }
}

} // namespace SlideshowFiles
