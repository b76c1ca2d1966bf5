#include "config/AtomicFile.h"

#include <QFileInfo>

#ifdef Q_OS_UNIX
#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#else
#include <QFile>
#include <QSaveFile>
#endif

using namespace Qt::Literals::StringLiterals;

namespace AtomicFile {
namespace {

std::function<void(Step)> &Hook()
{
    static std::function<void(Step)> hook;
    return hook;
}

void Reached(Step step)
{
    if (Hook())
        Hook()(step);
}

// The file that is really replaced: a link's target, so that the link survives.
QString Target(const QString &path)
{
    const QString canonical = QFileInfo(path).canonicalFilePath();
    return canonical.isEmpty() ? path : canonical;
}

#ifdef Q_OS_UNIX
bool MayWriteEntry(const QByteArray &path)
{
    struct stat st;
    return ::stat(path.constData(), &st) == 0 && (st.st_mode & 0222) != 0 &&
           ::access(path.constData(), W_OK) == 0;
}

bool WriteAll(int fd, const QByteArray &bytes)
{
    const char *p = bytes.constData();
    qsizetype left = bytes.size();
    while (left > 0) {
        const ssize_t n = ::write(fd, p, size_t(left));
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return false;
        p += n;
        left -= n;
    }
    return true;
}

void SyncFolder(const QByteArray &folder)
{
    const int fd = ::open(folder.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd >= 0) {
        ::fsync(fd);
        ::close(fd);
    }
}
#endif

} // namespace

QString TemporaryPath(const QString &path)
{
    return Target(path) + u".tmp"_s;
}

void SetStepHookForTesting(std::function<void(Step)> hook)
{
    Hook() = std::move(hook);
}

#ifdef Q_OS_UNIX

bool MayReplace(const QString &path)
{
    const QFileInfo target(Target(path));
    return target.isFile() && MayWriteEntry(QFile::encodeName(target.filePath())) &&
           MayWriteEntry(QFile::encodeName(target.absolutePath()));
}

bool Replace(const QString &path, const QByteArray &bytes)
{
    if (!MayReplace(path))
        return false;
    const QFileInfo target(Target(path));
    const QByteArray finalName = QFile::encodeName(target.filePath());
    const QByteArray tempName = QFile::encodeName(TemporaryPath(path));
    struct stat original;
    if (::stat(finalName.constData(), &original) != 0)
        return false;

    // A temporary file left by a crash is stale by definition: nothing else writes there.
    ::unlink(tempName.constData());
    const int fd = ::open(tempName.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0600);
    if (fd < 0)
        return false;
    Reached(Step::TemporaryCreated);
    bool ok = WriteAll(fd, bytes);
    Reached(Step::Written);
    ok = ok && ::fsync(fd) == 0;
    // The owner first, as changing it may clear the set-id bits that fchmod then restores.
    // Only the administrator may give a file away; for anyone else this fails harmlessly.
    if (ok) {
        [[maybe_unused]] const int owned = ::fchown(fd, original.st_uid, original.st_gid);
    }
    ok = ok && ::fchmod(fd, original.st_mode & 07777) == 0;
    ok = ::close(fd) == 0 && ok;
    Reached(Step::Synced);
    if (!ok || ::rename(tempName.constData(), finalName.constData()) != 0) {
        ::unlink(tempName.constData());
        return false;
    }
    Reached(Step::Renamed);
    SyncFolder(QFile::encodeName(target.absolutePath()));
    Reached(Step::Done);
    return true;
}

#else

bool MayReplace(const QString &path)
{
    const QFileInfo target(Target(path));
    return target.isFile() && target.isWritable() && QFileInfo(target.absolutePath()).isWritable();
}

bool Replace(const QString &path, const QByteArray &bytes)
{
    if (!MayReplace(path))
        return false;
    QSaveFile file(Target(path));
    if (!file.open(QIODevice::WriteOnly))
        return false;
    Reached(Step::TemporaryCreated);
    const bool written = file.write(bytes) == bytes.size();
    Reached(Step::Written);
    if (!written) {
        file.cancelWriting();
        return false;
    }
    Reached(Step::Synced);
    const bool committed = file.commit();
    if (committed) {
        Reached(Step::Renamed);
        Reached(Step::Done);
    }
    return committed;
}

#endif

} // namespace AtomicFile
