// The circuit area notes as text: their length, their summary, their safety line, and that every area a
// screen shows is a known one.

#include "diagrams/areanotes.h"
#include "diagrams/areanotetexts.h"

#include <QRegularExpression>
#include <QSet>
#include <QTest>

#include <algorithm>

using namespace areanotes;

class tst_areanotes : public QObject
{
    Q_OBJECT
private slots:
    void note_data();
    void note();
    void idsAreUniqueAndKnown();
    void everyAreaShows();
};

void tst_areanotes::note_data()
{
    QTest::addColumn<QString>("id");
    for (const NoteText& text : noteTexts())
        QTest::newRow(text.id) << QString::fromLatin1(text.id);
}

// Between 60 and 150 words; a first sentence short enough for a tooltip; a safety line exactly where the
// area carries mains, B+ or high voltage or sits at the tube, as the last paragraph.
void tst_areanotes::note()
{
    QFETCH(QString, id);
    const std::optional<Note> written = areanotes::note(id);
    QVERIFY2(written, "a note for an area that is not listed");
    const qsizetype words =
        written->text.split(QRegularExpression(QStringLiteral("\\s+")), Qt::SkipEmptyParts).size();
    QVERIFY2(words >= 60 && words <= 150, qPrintable(QStringLiteral("%1 words").arg(words)));

    const QString first = summary(*written);
    QVERIFY2(first.size() <= 120, qPrintable(first));
    QVERIFY2(first.size() < written->text.size(), "the note is one sentence");
    QVERIFY(first.endsWith(QLatin1Char('.')));

    const QStringList paragraphs = written->text.split(QStringLiteral("\n\n"));
    const bool hasSafety = written->text.contains(QLatin1String(kSafety));
    QCOMPARE(hasSafety, findArea(id)->hazard);
    if (hasSafety)
        QVERIFY(paragraphs.last().startsWith(QLatin1String(kSafety)));
    for (const QString& paragraph : paragraphs)
        QVERIFY2(!paragraph.trimmed().isEmpty() && paragraph == paragraph.trimmed(), qPrintable(paragraph));
}

// A second note or area under one id would hide behind the first; a place or note under an unknown id
// would never show.
void tst_areanotes::idsAreUniqueAndKnown()
{
    QSet<QString> areaIds;
    for (const Area& area : areas()) {
        QVERIFY2(!areaIds.contains(area.id), area.id);
        areaIds.insert(area.id);
    }
    QSet<QString> noteIds;
    for (const NoteText& text : noteTexts()) {
        QVERIFY2(areaIds.contains(text.id), text.id);
        QVERIFY2(!noteIds.contains(text.id), text.id);
        noteIds.insert(text.id);
    }
    QSet<QString> shown;
    for (const Place& place : places()) {
        QVERIFY2(areaIds.contains(place.id), place.id);
        const QString key =
            QStringLiteral("%1.%2.%3")
                .arg(place.screen, place.control, QLatin1String(place.item ? place.item : ""));
        QVERIFY2(!shown.contains(key), qPrintable(key));
        shown.insert(key);
        QCOMPARE(areaAt(place.screen, place.control, place.item ? place.item : ""),
                 QString::fromLatin1(place.id));
    }
}

// An area that no control shows is a note nobody can reach.
void tst_areanotes::everyAreaShows()
{
    for (const Area& area : areas())
        QVERIFY2(std::ranges::any_of(
                     places(), [&](const Place& p) { return QLatin1String(p.id) == QLatin1String(area.id); }),
                 area.id);
}

QTEST_GUILESS_MAIN(tst_areanotes)
#include "tst_areanotes.moc"
