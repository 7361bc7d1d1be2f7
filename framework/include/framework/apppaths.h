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

// QDir::tempPath() + "/" + product key; created when missing.
QString tempPath();
// True when a file can be created in the folder (the folder must exist).
bool isFolderWritable(const QString &path);

} // namespace AppPaths
