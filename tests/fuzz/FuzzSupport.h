#pragma once

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QString>
#include <QTemporaryDir>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

// What the fuzz targets share: turning libFuzzer's bytes into Qt values, a scratch folder in
// memory for the readers that take a path, and a check that stops the run with a reason.
namespace Fuzz {

inline QByteArray Bytes(const uint8_t *data, size_t size)
{
    return QByteArray(reinterpret_cast<const char *>(data), qsizetype(size));
}

// A folder on tmpfs where there is one, since files are rewritten at every input; removed
// when the run ends.
inline QString ScratchFolder()
{
    const QString shm = QStringLiteral("/dev/shm");
    const QString base = QDir(shm).exists() ? shm : QDir::tempPath();
    static QTemporaryDir folder(base + QStringLiteral("/zorvane-fuzz-XXXXXX"));
    if (!folder.isValid())
        std::abort();
    return folder.path();
}

inline void WriteFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(bytes) != bytes.size())
        std::abort();
}

// A broken invariant is a finding: libFuzzer keeps the input when the process aborts.
#define FUZZ_CHECK(condition)                                                                      \
    do {                                                                                           \
        if (!(condition)) {                                                                        \
            std::fprintf(stderr, "invariant broken: %s (%s:%d)\n", #condition, __FILE__,           \
                         __LINE__);                                                                \
            std::abort();                                                                          \
        }                                                                                          \
    } while (false)

} // namespace Fuzz
