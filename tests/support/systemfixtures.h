#pragma once

#include <QString>

// Real system conditions for tests that need them: a small or read-only
// file system, and file permissions that apply even to root. Both need
// root; ok() tells whether the machine allowed them.
namespace TestSupport {

// A tmpfs of the given size mounted on a fresh folder while it lives
// (read-only when asked: files written into `prepare` before are kept).
class TmpfsMount
{
public:
    explicit TmpfsMount(const QString &name, qint64 bytes);
    ~TmpfsMount();
    TmpfsMount(const TmpfsMount &) = delete;
    TmpfsMount &operator=(const TmpfsMount &) = delete;

    bool ok() const { return m_mounted; }
    QString path() const { return m_path; }
    QString error() const { return m_error; }
    // Turns the mounted file system read-only.
    bool makeReadOnly();

private:
    QString m_path;
    QString m_error;
    bool m_mounted = false;
};

// While it lives, this process obeys file permissions even when it runs as
// root (its file-access capabilities are off).
class FilePermissionsEnforced
{
public:
    FilePermissionsEnforced();
    ~FilePermissionsEnforced();
    FilePermissionsEnforced(const FilePermissionsEnforced &) = delete;
    FilePermissionsEnforced &operator=(const FilePermissionsEnforced &) = delete;
    bool ok() const { return m_ok; }

private:
    bool m_ok = false;
    unsigned m_saved[2] = {0, 0};
};

// For QProcess::setChildProcessModifier: the program started obeys file
// permissions even when run by root.
void enforceFilePermissionsInChild();

} // namespace TestSupport
