#pragma once

#include <QLocale>
#include <QString>
#include <QStringList>

// The language the program speaks. Catalogues are named "sorvel_<code>.qm"
// (codes "de", "pt_BR"...) in the program's translations folder; the source
// texts are English, the code "en". The language is the one chosen in
// Preferences or, for "System Default" (an empty choice), the first of the
// desktop's wishes (LANGUAGE, then LC_ALL, LC_MESSAGES, LANG) that the
// program speaks.
namespace UiLanguage {

// The source language of every text, spoken without a catalogue.
QString sourceLanguage();

// The desktop's wishes in order: each entry of LANGUAGE (colon-separated),
// then LC_ALL, LC_MESSAGES and LANG, without encoding and modifier
// ("de_DE.UTF-8@euro" gives "de_DE"); "C" and "POSIX" are no wish.
QStringList environmentLanguages();

// The codes of the catalogues in folder (from "sorvel_<code>.qm"), sorted.
QStringList availableLanguages(const QString &folder);

// The language to speak: choice when it is available (or the source
// language), otherwise the first wish that matches an available code
// exactly ("pt_BR"), by its language alone ("de_AT" gives "de", "pt"
// gives "pt_BR"), or is the source language. The source language when
// nothing matches.
QString choose(const QString &choice, const QStringList &wishes, const QStringList &available);

// The locale for numbers, sizes and dates with the language spoken: the
// system's when it has that language (its own country's conventions),
// otherwise the language's own.
QLocale formatsLocale(const QString &language, const QLocale &system);

// The language's name in itself, capitalised as in a list ("Deutsch",
// "Português (Brasil)").
QString nativeName(const QString &language);

// The language the program speaks now (the source language until
// setCurrent is called).
QString current();
void setCurrent(const QString &language);

} // namespace UiLanguage
