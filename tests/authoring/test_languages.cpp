// The DVD language table.
#include <QTest>

#include "authoring/dvdlanguages.h"

class TestLanguages : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void languageTable();
};

void TestLanguages::languageTable()
{
    const QStringList names = g_DVDLanguages.languageList();
    QCOMPARE(names.size(), 136);
    QCOMPARE(names.first(), QStringLiteral("Abkhazian"));
    QCOMPARE(names.last(), QStringLiteral("Zulu"));
    QCOMPARE(names.indexOf(QStringLiteral("Xhosa")), names.indexOf(QStringLiteral("Yoruba")) + 1);
    QCOMPARE(g_DVDLanguages.languageCode(QStringLiteral("English")), QStringLiteral("EN"));
    QCOMPARE(g_DVDLanguages.languageCode(QStringLiteral("english")), QString());
    QCOMPARE(g_DVDLanguages.languageCode(QStringLiteral("Deutsch (German)")), QStringLiteral("DE"));
    QCOMPARE(g_DVDLanguages.languageCode(QStringLiteral("German")), QString());
    QCOMPARE(g_DVDLanguages.languageCode(QStringLiteral("Hebrew")), QStringLiteral("IW"));
    QCOMPARE(g_DVDLanguages.languageCode(QStringLiteral("Serbo-Crotain")), QStringLiteral("SH"));
    const DvdLanguages copy = g_DVDLanguages;
    QCOMPARE(copy.languageList(), names);
    QCOMPARE(DvdLanguages().languageCode(QStringLiteral("Zulu")), QStringLiteral("ZU"));
}

QTEST_GUILESS_MAIN(TestLanguages)
#include "test_languages.moc"
