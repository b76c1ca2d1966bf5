#pragma once

#include <QString>

namespace ProgramFolder {

// The folder of the running executable, without a trailing separator.
QString Path();

// Joins a folder and a relative path written with backslashes ("\box\Logo.png"), using
// the platform's separator.
QString Join(const QString &folder, const QString &relative);

// Like Join, but each name below the folder is matched without regard to case, as on the
// file system the board was designed for. The exact spelling wins when it exists; a name
// that matches nothing is kept as written.
QString JoinIgnoringCase(const QString &folder, const QString &relative);

} // namespace ProgramFolder
