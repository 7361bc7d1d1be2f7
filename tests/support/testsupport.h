#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

// Helpers shared by the test programs.
namespace TestSupport {

// A fresh folder for one test case under the test's own temporary area.
QString freshDir(const QString &name);
// Runs a program with arguments; returns its exit code (-1 when it could not
// start). Output goes to *output when given.
int run(const QString &program, const QStringList &arguments, QByteArray *output = nullptr,
        int timeoutMs = 120000);
// Generates a media file with the ffmpeg command-line tool from lavfi
// sources (test input only).
bool ffmpeg(const QStringList &arguments);
// A DVD-compliant MPEG-2 elementary stream of a test pattern (720 x 576 at
// 25 fps or 720 x 480 at 30000/1001, 4:3, DVD buffer).
bool makeDvdVideo(const QString &path, bool pal, double seconds);
// A stereo 48 kHz AC-3 stream of a 440 Hz tone at 192 kbit/s.
bool makeAc3(const QString &path, double seconds);
// Path of a program built by the project (in the application folder).
QString builtProgram(const QString &name);
// The processes whose parent is this test ("pid (name)"), running or not
// yet reaped: a run that ended must have left none.
QStringList childProcesses();
// A folder with an "mplex" that runs the real one, but whose output ends
// only `seconds` after mplex itself: dvdauthor, reading it, does not end
// before, so a run stays in its "Creating DVD..." step that long. Put the
// folder first in PATH (the program looks there after its own folder).
// Empty when mplex is not installed.
QString slowEndingMultiplexerFolder(double seconds);

// Writes an executable shell script (the body follows "#!/bin/sh"), for
// tests that put a tool of their own in PATH.
bool writeShellScript(const QString &path, const QByteArray &body);

// Sets an environment variable for the life of the object (PATH with a
// tool of the test's own, say), so that a failing check cannot leave it
// set for the tests that follow.
class ScopedEnv
{
public:
    ScopedEnv(const char *name, const QString &value);
    ~ScopedEnv();
    ScopedEnv(const ScopedEnv &) = delete;
    ScopedEnv &operator=(const ScopedEnv &) = delete;

private:
    const char *m_name;
    QByteArray m_old;
    bool m_had;
};

} // namespace TestSupport
