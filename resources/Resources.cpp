#include "resources/Resources.h"

namespace Resources {
QString Path(const QString &folderAndName)
{
    return QStringLiteral(":/") + folderAndName;
}
} // namespace Resources
