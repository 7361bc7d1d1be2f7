#pragma once

#include <QString>
#include <QStringList>

#include <functional>
#include <optional>

// The program's own command-line commands ("sorvel make-dvd ..."): each
// runs without a window or a display server and returns the process exit
// code. Commands register themselves before the application starts; the
// start-up code runs the one the command line names.
namespace Commands {

// Gets the arguments after the command's name; returns the exit code.
using Handler = std::function<int(const QStringList &arguments)>;

void add(const QString &name, const QString &summary, Handler handler);
bool has(const QString &name);
// Runs the command of that name; nothing when there is none.
std::optional<int> run(const QString &name, const QStringList &arguments);
// "Usage: sorvel [COMMAND [OPTIONS]]" with every command and its summary.
QString usageText();

} // namespace Commands
