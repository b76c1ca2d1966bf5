#pragma once

#include <QByteArray>
#include <QString>
#include <functional>

// Replaces a file's contents so that a crash or power cut at any instant leaves either the old
// file or the new one: the bytes go to a temporary file beside it, are synced, and the
// temporary file is renamed over the original, keeping its permissions and owner.
namespace AtomicFile {

// True when the file exists and may be written: its write permission is set and the folder
// lets a file be created beside it. The write bit is honoured even for the administrator,
// as a read-only attribute is.
bool MayReplace(const QString &path);

// False when anything fails; the original is then as it was and no temporary file remains.
// A symbolic link is followed: the file it points to is replaced.
bool Replace(const QString &path, const QByteArray &bytes);

// The temporary file that Replace uses for `path`. A stale one from an interrupted save is
// discarded by the next save.
QString TemporaryPath(const QString &path);

// The points between the steps of Replace, for the crash tests: the hook is called at each
// and may end the process there.
enum class Step { TemporaryCreated, Written, Synced, Renamed, Done };
void SetStepHookForTesting(std::function<void(Step)> hook);

} // namespace AtomicFile
