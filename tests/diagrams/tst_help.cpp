// The program description page, opened from the main menu.

#include "app/frmOne.h"
#include "app/module1.h"
#include "diagrams/frmHelp.h"
#include "support/program.h"

#include <QAccessible>
#include <QRegularExpression>
#include <QTest>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextList>

using namespace fw;
using fw::test::click;
using fw::test::ProgramScope;
using fw::test::shownScreens;

namespace {
frmHelp& openHelp()
{
    Module1::Main();
    click(frmOne::get().Option6());
    return frmHelp::get();
}
} // namespace

class tst_help : public QObject
{
    Q_OBJECT
private slots:
    void opensFlushWithTheTop_data();
    void opensFlushWithTheTop();
    void closeBuildsAFreshMenu();
    void titleIsLargeBlue();
    void descriptionIsRealText();
    void descriptionFitsItsBox();
};

void tst_help::opensFlushWithTheTop_data()
{
    QTest::addColumn<QSizeF>("display");
    QTest::addColumn<QPoint>("at");
    // The client area is 10110 x 7920 twips, 674 x 528 pixels.
    QTest::newRow("1280 x 1024") << QSizeF(1280 * 15, 1024 * 15) << QPoint(303, 0);
    QTest::newRow("1024 x 768") << QSizeF(1024 * 15, 768 * 15) << QPoint(175, 0);
    QTest::newRow("narrower than the page") << QSizeF(600 * 15, 480 * 15) << QPoint(-37, 0);
}

void tst_help::opensFlushWithTheTop()
{
    QFETCH(QSizeF, display);
    QFETCH(QPoint, at);
    ProgramScope program;
    program.services.display = display;
    frmHelp& help = openHelp();
    QCOMPARE(shownScreens(), QStringList{"frmHelp"});
    QVERIFY(!frmOne::get().isLoaded());
    QCOMPARE(help.window()->windowTitle(), QStringLiteral("Program Description"));
    QCOMPARE(help.Top(), 0.0);
    QCOMPARE(help.Left(), (display.width() - 10110) / 2);
    QCOMPARE(help.window()->pos(), at);
    QCOMPARE(help.window()->size(), QSize(674, 528));
}

void tst_help::closeBuildsAFreshMenu()
{
    ProgramScope program;
    program.services.display = QSizeF(1280 * 15, 1024 * 15);
    frmHelp& help = openHelp();
    QCOMPARE(help.Command1()->Caption(), QStringLiteral("Close"));
    click(help.Command1());
    QCOMPARE(shownScreens(), QStringList{"frmOne"});
    QVERIFY(!help.isLoaded());
    frmOne& menu = frmOne::get();
    QCOMPARE(menu.window()->size(), QSize(1280, 1024));
    for (int i = 1; i <= 8; ++i)
        QVERIFY(!menu.control<OptionButton>(QStringLiteral("Option%1").arg(i))->Value());
    click(menu.Option6()); // and it opens again
    QCOMPARE(shownScreens(), QStringList{"frmHelp"});
}

void tst_help::titleIsLargeBlue()
{
    ProgramScope program;
    frmHelp& help = openHelp();
    Label* title = help.Label1();
    QCOMPARE(title->text(), QStringLiteral("Fernwick Program"));
    QVERIFY(title->font().bold());
    QCOMPARE(title->font().pixelSize(), 32); // 24 pt
    QVERIFY(fw::test::paints(title, colors::blue, 0.02));
    QCOMPARE(title->geometry().topLeft(), QPoint(135, 11));
}

void tst_help::descriptionIsRealText()
{
    ProgramScope program;
    frmHelp& help = openHelp();
    Label* description = help.Picture1();
    QCOMPARE(description->textFormat(), Qt::RichText);
    QTextDocument document;
    document.setHtml(description->text());

    QStringList paragraphs;
    QStringList listItems;
    bool ruleFirst = false;
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        if (block.blockFormat().hasProperty(QTextFormat::BlockTrailingHorizontalRulerWidth)) {
            ruleFirst = paragraphs.isEmpty();
            continue;
        }
        if (block.text().trimmed().isEmpty())
            continue;
        (block.textList() ? listItems : paragraphs) << block.text();
    }
    QVERIFY2(ruleFirst, "the rule comes before the text");
    QCOMPARE(paragraphs.size(), 5);
    QCOMPARE(listItems.size(), 2);
    QVERIFY(paragraphs[0].contains("technician or student"));
    QVERIFY(paragraphs[1].contains("block diagrams") && paragraphs[1].contains("schematic"));
    QVERIFY(paragraphs[2].contains("red") && paragraphs[2].contains("'Return'"));
    QVERIFY(paragraphs[3].startsWith("Two utility programs"));
    QVERIFY(listItems[0].startsWith("Formulas") && listItems[0].contains("Ohm's law"));
    QVERIFY(listItems[1].startsWith("Color Codes") && listItems[1].contains("capacitors"));
    QVERIFY(paragraphs[4].contains("'Quit'"));

    // "Two" is bold, and only that word of its paragraph.
    const QTextBlock two = document.find("Two").block();
    const QTextFragment first = two.begin().fragment();
    QCOMPARE(first.text(), QStringLiteral("Two"));
    QCOMPARE(first.charFormat().fontWeight(), int(QFont::Bold));
    QVERIFY((++two.begin()).fragment().charFormat().fontWeight() != int(QFont::Bold));

    const qsizetype words =
        document.toPlainText().split(QRegularExpression("\\s+"), Qt::SkipEmptyParts).size();
    QVERIFY2(words >= 200 && words <= 300, qPrintable(QString::number(words)));

    // A screen reader gets the words, not the markup.
    QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(description);
    QVERIFY(accessible);
    const QString spoken = accessible->text(QAccessible::Name);
    QVERIFY(spoken.contains("The 'Quit' button"));
    QVERIFY(!spoken.contains(u'<'));
}

void tst_help::descriptionFitsItsBox()
{
    ProgramScope program;
    frmHelp& help = openHelp();
    Label* description = help.Picture1();
    QCOMPARE(description->geometry(), QRect(19, 49, 625, 464));
    QVERIFY2(description->heightForWidth(description->width()) <= description->height(),
             qPrintable(QString::number(description->heightForWidth(description->width()))));
    QVERIFY(fw::test::paints(description, colors::white, 0.6));
    QVERIFY(!help.Label1()->geometry().intersects(help.Command1()->geometry()));
}

FW_TEST_MAIN(tst_help)
#include "tst_help.moc"
