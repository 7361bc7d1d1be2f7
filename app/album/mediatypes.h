#pragma once

// The one list of file names the program takes as photos and as audio
// clips. Every route that picks files by name uses it: the import dialogs'
// filters, folder import in the window, files and folders dropped on the
// strips, paths given on the command line or sent by a second start,
// `sorvel make-dvd` and "Edit Audio". A file whose name matches and that
// does not decode is reported by the import, never skipped in silence.

#include <QString>
#include <QStringList>

namespace MediaTypes {

// Wildcard patterns ("*.heic"), matched without regard to case.
const QStringList &photoPatterns();
const QStringList &audioPatterns();

// Whether a file name (not a path) matches the photo or the audio list.
bool isPhotoName(const QString &fileName);
bool isAudioName(const QString &fileName);

// The filter strings of a file dialog: "All Supported Files (...)" with
// every pattern, one entry per kind of file, then "All Files (*)".
QString photoDialogFilter();
QString audioDialogFilter();

} // namespace MediaTypes
