#pragma once

#include "config/IniText.h"

#include <QString>

// Params.ini and its like, opened on a full path for the span of one operation. The file is
// read once, at the first use; every write starts again from the file as it is on disk and
// replaces it as a whole (see AtomicFile), so a crash never leaves half a file.
//
// It never creates a file: writing to a file that does not exist fails like any other
// failed write.
class IniFile
{
public:
    explicit IniFile(QString path);

    const QString &path() const { return m_path; }

    // The key's value, at most 2047 bytes of it in the system's code page, cut between
    // characters; `def` only when the file, the section or the key is missing.
    QString ReadString(const QString &section, const QString &key, const QString &def) const;

    // Throws BoardError("Unable to write to " + path) and changes nothing when the file is
    // missing, read-only, in a folder that forbids writing, or the save fails.
    void WriteString(const QString &section, const QString &key, const QString &value);

private:
    const IniText &Text() const;
    [[noreturn]] void FailWrite() const;

    QString m_path;
    mutable std::optional<IniText> m_text;
};
