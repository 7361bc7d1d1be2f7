#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

// Checks made on a path before anything opens it. Opening a named pipe
// blocks until a writer comes, a device may never end, and a socket cannot
// be read at all: only regular files are taken as photos, clips or
// projects.
namespace FileCheck {

// Why a file cannot be read as a photo, a clip or a project, said without
// opening it: empty for a regular file (or a link to one) that can be read;
// otherwise "missing", "a folder", "a named pipe (FIFO)", "a device", "a
// socket", "cannot be read: Permission denied".
QString refusal(const QString &path);

// A raw file name as bytes that a person can read: printable ASCII as it
// is, every other byte as \xNN ("caf\xe9.jpg").
QString escapedName(const QByteArray &rawName);

// Whether a file name's bytes survive decoding into a QString and encoding
// back (a name that is not valid in the local 8-bit encoding does not, and
// no file function could open the decoded name).
bool nameRoundTrips(const QByteArray &rawName);

// The files in folder whose names cannot be decoded (nameRoundTrips is
// false) and that would match one of the name patterns, as escaped full
// paths: no QString can name them, so a listing through QDir passes them
// over in silence.
QStringList undecodableNames(const QString &folder, const QStringList &patterns);

} // namespace FileCheck
