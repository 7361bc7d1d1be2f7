#pragma once

#include <QString>

// Where the program's data, tools and temporary files are, and the keys the
// settings are stored under. Usable without an application object (the
// command line, libraries, tests).
namespace AppPaths {

// The settings' organisation key ("Sorvel").
QString companyKey();
// The product key the settings and folders are named after: "Sorvel" unless
// setProductKey() chose another.
QString defaultProductKey();
QString productKey();
void setProductKey(const QString &key);
// The name shown to people ("Sorvel DVD Slideshow").
QString productName();

// The folder holding the application's data (pattern/, silence.ac3, skins):
// $SORVEL_APPDIR when set, the executable's folder when it holds the data
// (build tree), else <prefix>/share/<product key in lower case>.
QString appDir();
QString resolveAppDir(const QString &productKey);
// An external program: the application folder first, then PATH. Empty
// when neither has it.
QString findTool(const QString &program);

// The user's own temporary folder: QDir::tempPath() + "/" + product key +
// "-" + user name, created 0700 and used only while it is a folder of the
// user's (never a link); otherwise a private "tmp" folder in the user's
// cache folder.
QString tempPath();
// The login name of the user running the program (its number without one).
QString userName();
// Makes path a folder only the user can enter: created 0700 when missing
// (with its parents), tightened to 0700 when it is the user's own. False
// when it is not a folder, is a symbolic link, or belongs to someone else.
bool ensurePrivateFolder(const QString &path);
// True when a file can be created in the folder (the folder must exist).
bool isFolderWritable(const QString &path);

} // namespace AppPaths
