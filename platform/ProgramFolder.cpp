#include "platform/ProgramFolder.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

using namespace Qt::Literals::StringLiterals;

namespace ProgramFolder {

QString Path()
{
    return QDir::toNativeSeparators(QCoreApplication::applicationDirPath());
}

static QStringList Names(const QString &relative)
{
    QString unified = relative;
    unified.replace(u'\\', u'/');
    return unified.split(u'/', Qt::SkipEmptyParts);
}

QString Join(const QString &folder, const QString &relative)
{
    QString path = folder;
    for (const QString &name : Names(relative))
        path += QDir::separator() + name;
    return path;
}

QString JoinIgnoringCase(const QString &folder, const QString &relative)
{
    QString path = folder;
    for (const QString &name : Names(relative)) {
        QString chosen = name;
        if (!QFileInfo::exists(path + QDir::separator() + name)) {
            const QDir dir(path);
            const QStringList entries =
                dir.entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                              QDir::Name);
            for (const QString &entry : entries) {
                if (entry.compare(name, Qt::CaseInsensitive) == 0) {
                    chosen = entry;
                    break;
                }
            }
        }
        path += QDir::separator() + chosen;
    }
    return path;
}

} // namespace ProgramFolder
