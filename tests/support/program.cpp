#include "support/program.h"

#include "runtime/controls.h"
#include "runtime/language.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QImage>
#include <QStandardPaths>
#include <QTest>

namespace fw::test {

ProgramScope::ProgramScope()
{
    Registry::instance().reset();
}

ProgramScope::~ProgramScope()
{
    Registry::instance().reset();
}

LanguageScope::LanguageScope(const QString& language)
{
    QVERIFY2(useLanguage(QLocale(language)) || language == QLatin1String("en"), qPrintable(language));
}

LanguageScope::~LanguageScope()
{
    useLanguage(QLocale(QLocale::English, QLocale::UnitedStates));
}

QStringList languages()
{
    return QStringList{QStringLiteral("en")} + shippedLanguages();
}

void click(QWidget* control)
{
    QVERIFY2(control, "no such control");
    QVERIFY2(control->isVisible(), qPrintable(control->objectName() + QLatin1String(" is not visible")));
    QPoint at = control->rect().center();
    if (qobject_cast<QRadioButton*>(control))
        at = QPoint(8, control->height() / 2);
    if (auto* area = qobject_cast<QAbstractScrollArea*>(control)) { // a text box takes clicks on its page
        control = area->viewport();
        at = control->mapFromParent(at);
    }
    QTest::mouseClick(control, Qt::LeftButton, Qt::NoModifier, at);
}

void choose(QWidget* control, int item)
{
    auto* combo = qobject_cast<QComboBox*>(control);
    QVERIFY2(combo && combo->isVisible(), "choosing in a drop-down list that cannot be seen");
    combo->showPopup();
    QAbstractItemView* view = combo->view();
    QVERIFY(view->isVisible());
    const QRect itemRect = view->visualRect(view->model()->index(item, 0));
    QVERIFY2(itemRect.isValid(), "no such item");
    QTest::mouseClick(view->viewport(), Qt::LeftButton, Qt::NoModifier, itemRect.center());
    QTRY_VERIFY(!view->isVisible());
}

void type(QWidget* control, const QString& text)
{
    QVERIFY2(control && control->isVisible(), "typing into a control that cannot be seen");
    control->setFocus();
    QTest::keyClicks(control, text);
}

void settle()
{
    QCoreApplication::sendPostedEvents();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

QStringList shownScreens()
{
    QStringList names;
    for (Screen* screen : Registry::instance().shownScreens())
        if (screen->isShown())
            names << screen->name();
    return names;
}

QColor paintedAt(QWidget* control, QPoint point)
{
    const QImage image = control->grab().toImage();
    const qreal ratio = image.devicePixelRatio();
    return image.pixelColor(QPoint(qRound(point.x() * ratio), qRound(point.y() * ratio)));
}

QColor paintedCentre(QWidget* control)
{
    return paintedAt(control, control->rect().center());
}

bool paintedRed(QWidget* control)
{
    if (qobject_cast<Shape*>(control))
        return paintedCentre(control) == colors::red;
    if (qobject_cast<PictureBox*>(control)) // the drawing covers most of its box: red shows in the margin
        return paintedAt(control, QPoint(control->width() - 5, control->height() - 5)) == colors::red;
    return paints(control, colors::red, 0.15);
}

bool paints(QWidget* control, const QColor& color, double share)
{
    const QImage image = control->grab().toImage();
    qint64 matching = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (image.pixelColor(x, y).rgb() == color.rgb())
                ++matching;
    return double(matching) >= share * image.width() * image.height();
}

bool outlined(QWidget* control)
{
    QWidget* container = control->parentWidget();
    const QRect box = control->geometry();
    return paintedAt(container, box.topLeft() - QPoint(1, 1)) == colors::black &&
           paintedAt(container, box.bottomRight() + QPoint(1, 1)) == colors::black;
}

} // namespace fw::test

#include "app/module1.h"
#include "runtime/application.h"

#include <QApplication>

int fw::test::runGuiTest(QObject& test, int argc, char** argv)
{
    QApplication app(argc, argv);
    fw::initApplication(app);
    Module1::Register();
    // The trainer's history, and anything else kept in the user's folders, goes to a test location.
    QStandardPaths::setTestModeEnabled(true);
    const int status = QTest::qExec(&test, argc, argv);
    fw::shutdownApplication();
    return status;
}
