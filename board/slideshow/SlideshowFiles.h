#pragma once

#include <QList>
#include <QString>
#include <QStringList>
#include <functional>
#include <optional>

// Which files the slideshow shows and in which order: pure operations, apart from the
// folder listing itself.
namespace SlideshowFiles {

// A picture format as the picture loader registers it: its file extension (empty for
// formats without one) and its description.
struct PictureFormat
{
    QString extension;
    QString description;
};

// The loader's formats in the order of their registration.
QList<PictureFormat> RegisteredFormats();

// One pattern "*.<ext>" per format with an extension, joined by ";", newest format first:
// "*.png;*.jpg;*.jpeg;*.bmp;*.ico;*.emf;*.wmf" for the loader's formats.
QString FileMask(const QList<PictureFormat> &formats);

// The folder "images" beside the program (matched without regard to case).
QString ImagesFolder(const QString &programFolder);

// The names of the ordinary files of `folder` (not its subfolders) matching the mask,
// extensions without regard to case; hidden files, folders and links to folders are
// skipped. Throws BoardError when the folder cannot be listed.
QStringList ListPictures(const QString &folder, const QString &mask);

// The folder with one trailing separator removed.
QString WithoutTrailingSeparator(const QString &folder);

// The full path of a picture: folder, one separator, name.
QString PicturePath(const QString &folder, const QString &name);

// The warning text for a folder without pictures.
QString NoPicturesText(const QString &folder);

// A random name from `files`, never `current` while another name exists; none when the
// list is empty. `random(n)` gives whole numbers from 0 to n - 1.
std::optional<QString> PickNextImage(const QStringList &files, const QString &current,
                                     const std::function<int(int)> &random);

} // namespace SlideshowFiles
