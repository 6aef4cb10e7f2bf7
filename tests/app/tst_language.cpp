// Every translated screen speaks its language: on each screenshot road outside the trainer and the class
// screens, in each translation, no caption, list item, box or title shows an English word. A word counts as
// English when the program's English texts use it and no text of that translation does (so "Damper",
// "burst" or "SAW", which the trade says in English there too, are allowed).

#include "roads.h"
#include "runtime/language.h"
#include "runtime/screen.h"
#include "support/program.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QRegularExpression>
#include <QSet>
#include <QTest>
#include <QTextDocumentFragment>
#include <QXmlStreamReader>

using namespace fw;

Q_DECLARE_METATYPE(Road)

namespace {

QSet<QString> wordsOf(const QString& text)
{
    static const QRegularExpression word(QStringLiteral("[A-Za-z]{3,}"));
    QSet<QString> words;
    const QString plain =
        Qt::mightBeRichText(text) ? QTextDocumentFragment::fromHtml(text).toPlainText() : text;
    // A word is matched whole: "Sintonía" is not read as "Sinton".
    static const QRegularExpression whole(QStringLiteral("\\w+"));
    for (auto it = whole.globalMatch(plain); it.hasNext();) {
        const QString w = it.next().captured();
        if (word.match(w).capturedLength() == w.size())
            words.insert(w.toLower());
    }
    return words;
}

// The English words of the marked texts a translation covers, less those its own translations use.
QSet<QString> englishWords(const QString& language)
{
    QFile file(QStringLiteral(FW_SOURCE_DIR "/translations/fernwick_%1.ts").arg(language));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    QXmlStreamReader xml(&file);
    QSet<QString> english, translated;
    QString context;
    while (!xml.atEnd()) {
        if (!xml.readNextStartElement())
            continue;
        if (xml.name() == QLatin1String("name"))
            context = xml.readElementText();
        else if (xml.name() == QLatin1String("source") && !context.contains(QLatin1Char('/')))
            english += wordsOf(xml.readElementText());
        else if (xml.name() == QLatin1String("translation"))
            translated += wordsOf(xml.readElementText());
    }
    return english - translated;
}

// Every text a user reads on the window: captions, boxes, list items, prompts and the title.
QStringList shownTexts(QWidget* window)
{
    QStringList texts{window->windowTitle()};
    for (QWidget* w : window->findChildren<QWidget*>()) {
        if (!w->isVisibleTo(window))
            continue;
        if (auto* label = qobject_cast<QLabel*>(w))
            texts << label->text();
        else if (auto* button = qobject_cast<QAbstractButton*>(w))
            texts << button->text();
        else if (auto* box = qobject_cast<QGroupBox*>(w))
            texts << box->title();
        else if (auto* line = qobject_cast<QLineEdit*>(w))
            texts << line->text();
        else if (auto* area = qobject_cast<QPlainTextEdit*>(w); area && window->objectName() != "frmNotes")
            texts << area->toPlainText(); // the circuit notes wait for their translation
        else if (auto* list = qobject_cast<QListWidget*>(w))
            for (int i = 0; i < list->count(); ++i)
                texts << list->item(i)->text();
        else if (auto* combo = qobject_cast<QComboBox*>(w)) {
            texts << combo->placeholderText();
            for (int i = 0; i < combo->count(); ++i)
                texts << combo->itemText(i);
        }
    }
    return texts;
}

} // namespace

class tst_language : public QObject
{
    Q_OBJECT
private slots:
    void noEnglishLeft_data();
    void noEnglishLeft();
};

void tst_language::noEnglishLeft_data()
{
    QTest::addColumn<QString>("language");
    QTest::addColumn<Road>("road");
    const QRegularExpression untranslated(QStringLiteral("^frm(Trainer|Progress|SignIn|Class)"));
    for (const QString& language : shippedLanguages())
        for (const Road& road : roads())
            if (!untranslated.match(road.file).hasMatch())
                QTest::addRow("%s %s", qPrintable(language), qPrintable(road.file)) << language << road;
}

void tst_language::noEnglishLeft()
{
    QFETCH(QString, language);
    QFETCH(Road, road);
    const QSet<QString> english = englishWords(language);
    QVERIFY(english.size() > 100);
    fw::test::ProgramScope program;
    fw::test::LanguageScope speaking(language);
    QWidget* window = road.walk();
    fw::test::settle();
    QStringList left;
    for (const QString& text : shownTexts(window))
        for (const QString& word : wordsOf(text))
            if (english.contains(word))
                left << QStringLiteral("\"%1\" in \"%2\"").arg(word, text.simplified().left(80));
    left.removeDuplicates();
    QVERIFY2(left.isEmpty(), qPrintable(left.join(QLatin1Char('\n'))));
}

FW_TEST_MAIN(tst_language)
#include "tst_language.moc"
