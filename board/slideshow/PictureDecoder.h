#pragma once

#include <QImage>
#include <QString>

// Reads a slideshow picture from disk, in the format its extension names, into 32-bit RGB
// (transparent parts on black). Throws BoardError with the reason when the file is missing,
// unreadable, not of that format, or so large that decoding it would exhaust memory.
namespace PictureDecoder {

// Megabytes a decoded picture may take: 256 MB is 8192 x 8192 pixels of 4 bytes.
inline constexpr int kAllocationLimitMB = 256;

QImage DecodePicture(const QString &path);

} // namespace PictureDecoder
