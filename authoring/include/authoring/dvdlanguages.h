#pragma once

#include "authoring/authoring_global.h"

#include <QPair>
#include <QSharedDataPointer>
#include <QString>
#include <QStringList>
#include <QVector>

// Maps the language names used for audio streams to the two-letter codes
// (ISO 639, 1988 form, upper case) that a DVD's authoring description
// carries. Copies share the table.
class AUTHORING_EXPORT DvdLanguages
{
public:
    DvdLanguages();
    DvdLanguages(const DvdLanguages &other);
    DvdLanguages &operator=(const DvdLanguages &other);
    ~DvdLanguages();

    // The code of the first entry whose name equals name exactly; empty if
    // none does.
    QString languageCode(const QString &name) const;
    // The name of the entry for a language given as a locale code ("de",
    // "pt_BR", "he" for the table's "IW"); empty for a language the table
    // does not hold.
    QString languageName(const QString &locale) const;
    // All names in table order.
    QStringList languageList() const;

private:
    class Data;
    QSharedDataPointer<Data> d;
};

// The library's table, built when the library loads.
extern AUTHORING_EXPORT DvdLanguages g_DVDLanguages;
