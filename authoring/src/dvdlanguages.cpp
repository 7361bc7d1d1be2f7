#include "authoring/dvdlanguages.h"

namespace {
struct CodeName {
    const char *code;
    const char *name;
};

// (code, name) pairs, ending with an empty code.
// clang-format off
const CodeName kLanguages[] = {
    {"AB", "Abkhazian"}, {"AA", "Afar"}, {"AF", "Afrikaans"}, {"SQ", "Albanian"},
    {"AM", "Amharic, Ameharic"}, {"AR", "Arabic"}, {"HY", "Armenian"}, {"AS", "Assamese"},
    {"AY", "Aymara"}, {"AZ", "Azerbaijani"}, {"BA", "Bashkir"}, {"EU", "Basque"},
    {"BN", "Bengali, Bangla"}, {"DZ", "Bhutani"}, {"BH", "Bihari"}, {"BI", "Bislama"},
    {"BR", "Breton"}, {"BG", "Bulgarian"}, {"MY", "Burmese"}, {"BE", "Byelorussian"},
    {"KM", "Cambodian"}, {"CA", "Catalan"}, {"ZH", "Chinese"}, {"CO", "Corsican"},
    {"HR", "Hrvatski (Croatian)"}, {"CS", "Czech (Ceske)"}, {"DA", "Dansk (Danish)"},
    {"NL", "Dutch (Nederlands)"}, {"EN", "English"}, {"EO", "Esperanto"}, {"ET", "Estonian"},
    {"FO", "Faroese"}, {"FJ", "Fiji"}, {"FI", "Finnish"}, {"FR", "French"}, {"FY", "Frisian"},
    {"GL", "Galician"}, {"KA", "Georgian"}, {"DE", "Deutsch (German)"}, {"EL", "Greek"},
    {"KL", "Greenlandic"}, {"GN", "Guarani"}, {"GU", "Gujarati"}, {"HA", "Hausa"},
    {"IW", "Hebrew"}, {"HI", "Hindi"}, {"HU", "Hungarian"}, {"IS", "Islenka (Icelandic)"},
    {"IN", "Indonesian"}, {"IA", "Interlingua"}, {"IE", "Interlingue"}, {"IK", "Inupiak"},
    {"GA", "Irish"}, {"IT", "Italian"}, {"JA", "Japanese"}, {"JW", "Javanese"},
    {"KN", "Kannada"}, {"KS", "Kashmiri"}, {"KK", "Kazakh"}, {"RW", "Kinyarwanda"},
    {"KY", "Kirghiz"}, {"RN", "Kirundi"}, {"KO", "Korean"}, {"KU", "Kurdish"},
    {"LO", "Laothian"}, {"LA", "Latin"}, {"LV", "Latvian, Lettish"}, {"LN", "Lingala"},
    {"LT", "Lithuanian"}, {"MK", "Macedonian"}, {"MG", "Malagasy"}, {"MS", "Malay"},
    {"ML", "Malayalam"}, {"MT", "Maltese"}, {"MI", "Maori"}, {"MR", "Marathi"},
    {"MO", "Moldavian"}, {"MN", "Mongolian"}, {"NA", "Nauru"}, {"NE", "Nepali"},
    {"NO", "Norwegian (Norsk)"}, {"OC", "Occitan"}, {"OR", "Oriya"}, {"OM", "Afan (Oromo)"},
    {"PA", "Panjabi"}, {"PS", "Pashto, Pushto"}, {"FA", "Persian"}, {"PL", "Polish"},
    {"PT", "Portuguese"}, {"QU", "Quechua"}, {"RM", "Rhaeto-Romance"}, {"RO", "Romanian"},
    {"RU", "Russian"}, {"SM", "Samoan"}, {"SG", "Sangho"}, {"SA", "Sanskrit"},
    {"GD", "Scots Gaelic"}, {"SH", "Serbo-Crotain"}, {"ST", "Sesotho"}, {"SR", "Serbian"},
    {"TN", "Setswana"}, {"SN", "Shona"}, {"SD", "Sindhi"}, {"SI", "Singhalese"},
    {"SS", "Siswati"}, {"SK", "Slovak"}, {"SL", "Slovenian"}, {"SO", "Somali"},
    {"ES", "Spanish (Espanol)"}, {"SU", "Sundanese"}, {"SW", "Swahili"},
    {"SV", "Svenska (Swedish)"}, {"TL", "Tagalog"}, {"TG", "Tajik"}, {"TT", "Tatar"},
    {"TA", "Tamil"}, {"TE", "Telugu"}, {"TH", "Thai"}, {"BO", "Tibetian"}, {"TI", "Tigrinya"},
    {"TO", "Tonga"}, {"TS", "Tsonga"}, {"TR", "Turkish"}, {"TK", "Turkmen"}, {"TW", "Twi"},
    {"UK", "Ukranian"}, {"UR", "Urdu"}, {"UZ", "Uzbek"}, {"VI", "Vietnamese"},
    {"VO", "Volapuk"}, {"CY", "Welsh"}, {"WO", "Wolof"}, {"JI", "Yiddish"}, {"YO", "Yoruba"},
    {"XH", "Xhosa"}, {"ZU", "Zulu"}, {"", ""},
};
// clang-format on
} // namespace

class DvdLanguages::Data : public QSharedData
{
public:
    QVector<QPair<QString, QString>> entries; // (name, code)
};

DvdLanguages::DvdLanguages() : d(new Data)
{
    for (const CodeName *p = kLanguages; p->code[0] != '\0'; ++p)
        d->entries.append(qMakePair(QString::fromLatin1(p->name), QString::fromLatin1(p->code)));
}

DvdLanguages::DvdLanguages(const DvdLanguages &other) = default;
DvdLanguages &DvdLanguages::operator=(const DvdLanguages &other) = default;
DvdLanguages::~DvdLanguages() = default;

QString DvdLanguages::languageCode(const QString &name) const
{
    for (const auto &entry : d->entries) {
        if (entry.first == name)
            return entry.second;
    }
    return QString();
}

QString DvdLanguages::languageName(const QString &locale) const
{
    QString code = locale.section(QLatin1Char('_'), 0, 0).section(QLatin1Char('-'), 0, 0).toUpper();
    // The table keeps the 1988 codes of the languages renamed since.
    static const QPair<const char *, const char *> kRenamed[] = {
        {"HE", "IW"}, {"ID", "IN"}, {"YI", "JI"}, {"JV", "JW"}};
    for (const auto &renamed : kRenamed) {
        if (code == QLatin1String(renamed.first))
            code = QLatin1String(renamed.second);
    }
    if (code.size() != 2)
        return QString();
    for (const auto &entry : d->entries) {
        if (entry.second == code)
            return entry.first;
    }
    return QString();
}

QStringList DvdLanguages::languageList() const
{
    QStringList names;
    names.reserve(d->entries.size());
    for (const auto &entry : d->entries)
        names.append(entry.first);
    return names;
}

DvdLanguages g_DVDLanguages;
