#include "framework/commands.h"

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
    QString text = QStringLiteral("Usage: sorvel [COMMAND [OPTIONS]]\n\n"
                                  "Without a command, starts the slideshow editor.\n\n"
                                  "Commands:\n");
    for (const auto &[name, command] : table())
        text += QStringLiteral("  %1  %2\n").arg(name, -10).arg(command.summary);
    text += QStringLiteral("\nOptions:\n"
                           "  -h, --help     show this help and exit\n"
                           "  --version      show the version and exit\n\n"
                           "Run 'sorvel COMMAND --help' for a command's options.\n");
    return text;
}

} // namespace Commands
