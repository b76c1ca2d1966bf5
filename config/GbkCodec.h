#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringView>

// GBK (code page 936), the code page of the files written on the old boards. Characters that
// GBK lacks are written in GB18030's four-byte form, which extends GBK without changing any of
// its two-byte codes, so nothing typed is ever replaced by a question mark.
namespace Gbk {

// Bytes that are neither GBK nor GB18030 become U+FFFD, one per byte.
QString Decode(QByteArrayView bytes);

QByteArray Encode(QStringView text);

// Length of the character starting at `bytes[at]`: 1, 2 or 4 (a truncated or stray byte
// counts as 1).
int CharLength(QByteArrayView bytes, qsizetype at);

} // namespace Gbk
