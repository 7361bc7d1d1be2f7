#include "framework/commands.h"

#include <QCoreApplication>

#include <map>

namespace {
struct Command {
    QString summary;
    Commands::Handler handler;
};

std::map<QString, Command> &table()
{
    static std::map<QString, Command> commands;
    return commands;
}
} // namespace

namespace Commands {

void add(const QString &name, const QString &summary, Handler handler)
{
    table()[name] = Command{summary, std::move(handler)};
}

bool has(const QString &name)
{
    return table().count(name) != 0;
}

std::optional<int> run(const QString &name, const QStringList &arguments)
{
    const auto it = table().find(name);
    if (it == table().end())
        return std::nullopt;
    return it->second.handler(arguments);
}

QString usageText()
{
    auto tr = [](const char *text) { return QCoreApplication::translate("Commands", text); };
    QString text = tr("Usage: sorvel [COMMAND [OPTIONS]]") + QStringLiteral("\n\n");
    text += tr("Without a command, starts the slideshow editor.") + QStringLiteral("\n\n");
    text += tr("Commands:") + QLatin1Char('\n');
    // The summaries are registered untranslated (QT_TRANSLATE_NOOP in the
    // "Commands" context) before any catalogue is loaded.
    for (const auto &[name, command] : table())
        text += QStringLiteral("  %1  %2\n").arg(name, -10).arg(tr(command.summary.toUtf8().constData()));
    text += QLatin1Char('\n') + tr("Options:") + QLatin1Char('\n');
    text += QStringLiteral("  -h, --help     %1\n").arg(tr("show this help and exit"));
    text += QStringLiteral("  --version      %1\n\n").arg(tr("show the version and exit"));
    text += tr("Run 'sorvel COMMAND --help' for a command's options.") + QLatin1Char('\n');
    return text;
}

} // namespace Commands
