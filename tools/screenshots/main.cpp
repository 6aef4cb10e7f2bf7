// Renders every screen of the program to PNG files, after the roads of clicks that lead to it, so that the
// diagnosis screens show their highlights. Usage: fernwick_screenshots [--language NAME] OUTPUT_FOLDER [SCREEN...]
// With a language ("es", "pt_BR"), the screens speak it and the pictures go to OUTPUT_FOLDER/NAME/.

#include "app/module1.h"
#include "app/screens.h"
#include "roads.h"
#include "runtime/application.h"
#include "runtime/language.h"
#include "runtime/screen.h"
#include "runtime/services.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QPainter>
#include <QTextStream>
#include <QWhatsThis>

namespace {
// The window as the display shows it: with a What's This note over it, when one is up, on a grey desktop
// where the note reaches past the window.
QPixmap shot(QWidget* window)
{
    QWidget* note = nullptr;
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w->isVisible() && w->inherits("QWhatsThat"))
            note = w;
    if (!note)
        return window->grab();
    const QPoint origin = window->mapToGlobal(QPoint());
    const QRect noteRect(note->mapToGlobal(QPoint()) - origin, note->size());
    const QRect whole = window->rect().united(noteRect);
    QPixmap picture(whole.size() * window->devicePixelRatioF());
    picture.setDevicePixelRatio(window->devicePixelRatioF());
    picture.fill(QColor(128, 128, 128));
    QPainter painter(&picture);
    painter.drawPixmap(-whole.topLeft(), window->grab());
    painter.drawPixmap(noteRect.topLeft() - whole.topLeft(), note->grab());
    painter.end();
    QWhatsThis::hideText();
    return picture;
}
} // namespace

int main(int argc, char** argv)
{
    // The roads finish exercises and remember settings: all of it goes to a data folder of the renderer's
    // own, never into the user's history or settings.
    QTemporaryDir own;
    if (!own.isValid())
        return 1;
    qputenv("XDG_DATA_HOME", QFile::encodeName(own.filePath(QStringLiteral("data"))));
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(own.filePath(QStringLiteral("config"))));
    qputenv("XDG_CACHE_HOME", QFile::encodeName(own.filePath(QStringLiteral("cache"))));
    QApplication app(argc, argv);
    fw::initApplication(app);
    Module1::Register();
    QStringList args = QApplication::arguments().mid(1);
    QString language;
    if (args.size() >= 2 && args.first() == QLatin1String("--language")) {
        language = args.at(1);
        args = args.mid(2);
        if (!fw::useLanguage(QLocale(language))) {
            QTextStream(stderr) << "no translation for " << language << "\n";
            return 2;
        }
    }
    if (args.isEmpty()) {
        QTextStream(stderr) << "usage: fernwick_screenshots [--language NAME] OUTPUT_FOLDER [SHOT...]\n";
        return 2;
    }
    const QDir out(language.isEmpty() ? args.first() : args.first() + u'/' + language);
    QDir().mkpath(out.path());
    const QStringList wanted = args.mid(1);
    if (wanted.isEmpty()) {
        // Every screen of the program has a shot under its own name.
        QStringList files;
        for (const Road& road : roads())
            files << road.file;
        QStringList missing;
        for (fw::Screen* screen : nameEveryScreen())
            if (!files.contains(screen->name()))
                missing << screen->name();
        fw::Registry::instance().reset();
        if (!missing.isEmpty()) {
            QTextStream(stderr) << "no road to " << missing.join(QStringLiteral(", ")) << "\n";
            return 1;
        }
    }
    int written = 0;
    for (const Road& road : roads()) {
        if (!wanted.isEmpty() && !wanted.contains(road.file))
            continue;
        fw::RecordingServices services;
        services.display = QSizeF(1280 * 15, 1024 * 15);
        fw::ServicesScope scope(services);
        fw::Registry::instance().reset();
        QWidget* window = road.walk();
        QApplication::processEvents();
        const QString path = out.filePath(road.file + QStringLiteral(".png"));
        if (!window || !shot(window).save(path)) {
            QTextStream(stderr) << "could not render " << road.file << "\n";
            return 1;
        }
        ++written;
    }
    fw::shutdownApplication();
    QTextStream(stdout) << written << " screens written to " << out.path() << "\n";
    return 0;
}
