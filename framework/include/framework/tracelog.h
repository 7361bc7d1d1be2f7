#pragma once

// The program's trace log: a small rotating text file in the system
// temporary folder named after the executable module ("<module>.1.log").
// When it reaches 8192 bytes it becomes "<module>.2.log" (replacing the
// older one) and a fresh ".1.log" starts, so the log never exceeds about
// 16 KiB in all. Used for cases that should not occur.

#include <QString>

// Appends one printf-formatted line (at most 1023 characters).
void traceLog(const char *format, ...)
#if defined(__GNUC__)
    __attribute__((format(printf, 1, 2)))
#endif
    ;

// Path of the current (".1.log") trace file; empty when the module name
// cannot be found.
QString traceLogPath();

// Writes a trace entry "<file>(<line>): in <function> : <time> <errno>"
// followed by an empty line.
void traceEntry(const char *sourceFile, int line, const char *function);

#define SORVEL_TRACE(sourceName) traceEntry(sourceName, __LINE__, Q_FUNC_INFO)
