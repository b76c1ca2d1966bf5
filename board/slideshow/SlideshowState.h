#pragma once

#include <QString>
#include <QStringList>

// The slideshow's part of the main window's state. An empty ImageFiles is also what the
// timer finds when the window's creation stopped before the slideshow started.
struct SlideshowState
{
    QStringList ImageFiles; // names found in the folder, without folder
    QString ImageFolder;    // the listed folder, without a trailing separator
    QString CurrentImage;   // the picture whose transition was started last
    QString NextImage;      // the picture loaded into the control for the next transition
};
