#include "framework/uilanguage.h"

#include <QDir>

namespace {

QString g_current;

QString stripEncoding(QString name)
{
    const int dot = name.indexOf(QLatin1Char('.'));
    if (dot >= 0)
        name.truncate(dot);
    const int at = name.indexOf(QLatin1Char('@'));
    if (at >= 0)
        name.truncate(at);
    return name.trimmed();
}

QString languagePart(const QString &code)
{
    const int sep = code.indexOf(QLatin1Char('_'));
    return (sep < 0 ? code : code.left(sep)).toLower();
}

} // namespace

namespace UiLanguage {

QString sourceLanguage()
{
    return QStringLiteral("en");
}

QStringList environmentLanguages()
{
    QStringList wishes;
    auto add = [&wishes](const QString &raw) {
        const QString name = stripEncoding(raw).replace(QLatin1Char('-'), QLatin1Char('_'));
        if (name.isEmpty() || name == QLatin1String("C") || name == QLatin1String("POSIX") ||
            wishes.contains(name))
            return;
        wishes.append(name);
    };
    const QString language = qEnvironmentVariable("LANGUAGE");
    for (const QString &entry : language.split(QLatin1Char(':'), Qt::SkipEmptyParts))
        add(entry);
    for (const char *variable : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
        const QString value = qEnvironmentVariable(variable);
        if (!value.isEmpty()) {
            add(value);
            // LC_ALL overrides the others, as it does for the C library.
            if (qstrcmp(variable, "LC_ALL") == 0)
                break;
        }
    }
    return wishes;
}

QStringList availableLanguages(const QString &folder)
{
    QStringList codes;
    const QStringList files =
        QDir(folder).entryList({QStringLiteral("sorvel_*.qm")}, QDir::Files | QDir::Readable, QDir::Name);
    for (const QString &file : files) {
        const QString code = file.mid(7, file.size() - 7 - 3);
        // English has a catalogue for its plural forms only.
        if (code != sourceLanguage())
            codes.append(code);
    }
    return codes;
}

QString choose(const QString &choice, const QStringList &wishes, const QStringList &available)
{
    if (!choice.isEmpty() && (choice == sourceLanguage() || available.contains(choice)))
        return choice;
    for (const QString &wish : wishes) {
        if (available.contains(wish))
            return wish;
        const QString language = languagePart(wish);
        if (language == sourceLanguage())
            return sourceLanguage();
        for (const QString &code : available) {
            if (languagePart(code) == language)
                return code;
        }
    }
    return sourceLanguage();
}

QLocale formatsLocale(const QString &language, const QLocale &system)
{
    const QLocale spoken(language);
    if (system.language() == spoken.language())
        return system;
    return spoken;
}

QString nativeName(const QString &language)
{
    // Qt names "en" after its default country ("American English"); the
    // source texts are plain English.
    if (language == sourceLanguage())
        return QStringLiteral("English");
    const QLocale locale(language);
    QString name = locale.nativeLanguageName();
    if (language.contains(QLatin1Char('_')))
        name += QStringLiteral(" (%1)").arg(locale.nativeTerritoryName());
    if (!name.isEmpty())
        name[0] = name.at(0).toUpper();
    return name.isEmpty() ? language : name;
}

QString current()
{
    return g_current.isEmpty() ? sourceLanguage() : g_current;
}

void setCurrent(const QString &language)
{
    g_current = language;
}

} // namespace UiLanguage
