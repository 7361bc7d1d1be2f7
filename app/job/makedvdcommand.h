#pragma once

#include <QStringList>

// `sorvel make-dvd`: makes a DVD from photos and music on the command line,
// without a window or a display server. Returns the process exit code:
// 0 when the output is complete, 1 on failure, 2 on a usage error.
int runMakeDvdCommand(const QStringList &arguments);

// Registers the command with the application's command-line processing.
void registerMakeDvdCommand();
