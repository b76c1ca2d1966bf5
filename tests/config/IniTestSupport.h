#pragma once

#include "config/GbkCodec.h"

#include <QByteArray>
#include <QFile>
#include <QString>

// Small helpers shared by the parameter-file tests.
namespace IniTest {

inline QByteArray InGbk(const QString &text)
{
    return Gbk::Encode(text);
}

inline QByteArray ReadBytes(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

inline bool WriteBytes(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate) &&
           file.write(bytes) == bytes.size();
}

inline QByteArray Fixture(const QString &name)
{
    return ReadBytes(QStringLiteral(ZORVANE_TEST_DATA "/config/") + name);
}

} // namespace IniTest
