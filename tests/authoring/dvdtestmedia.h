#pragma once

#include <QList>
#include <QString>
#include <QStringList>

#include "testsupport.h"

// Inputs and probes for the DVD authoring tests: short DVD-compliant
// elementary streams made with the ffmpeg command line, named pipes that
// keep a tool waiting, the children of the test process, and an outline of
// an XML document.
namespace DvdTestMedia {

// MPEG-2 video of the DVD frame size: 720x576 at 25 fps (PAL) or 720x480
// at 30000/1001 (NTSC), 4:3.
bool makeVideo(const QString &path, bool pal, double seconds);
// Video of random pixels that overshoots the DVD buffer model in mplex.
bool makeNoiseVideo(const QString &path, double seconds);
// 48 kHz stereo AC-3.
bool makeAudio(const QString &path, double seconds);
// A named pipe nobody writes to: a tool that opens it waits forever.
bool makeFifo(const QString &path);

using TestSupport::childProcesses;

// One line per element in document order: two spaces per depth, the name,
// " key=value" for each attribute, and " : text" for element text.
QStringList xmlOutline(const QString &path);

using TestSupport::ScopedEnv;

} // namespace DvdTestMedia
