#pragma once

#include <QStringList>

#include "job/makedvdoptions.h"

// `sorvel make-dvd`: makes a DVD from photos and music on the command line,
// without a window or a display server. Returns the process exit code:
// 0 when the output is complete, 1 on failure, 2 on a usage error.
int runMakeDvdCommand(const QStringList &arguments);
// `sorvel make-video`: the same inputs and slideshow options, an MP4 file
// as the output (--to, --size, --shape, --fps, --quality). The same exit
// codes.
int runMakeVideoCommand(const QStringList &arguments);
int runMakeCommand(MakeCommand command, const QStringList &arguments);

// Registers the commands with the application's command-line processing.
void registerMakeDvdCommand();
