#pragma once

#include <QString>

// Paths of the stored pictures inside the program.
namespace Resources {
QString Path(const QString &folderAndName);
} // namespace Resources
