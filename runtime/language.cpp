#include "runtime/language.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibraryInfo>
#include <QSettings>
#include <QTranslator>

#include <memory>

namespace fw {

namespace {
const QString kSetting = QStringLiteral("language");

struct Installed
{
    std::unique_ptr<QTranslator> program;
    std::unique_ptr<QTranslator> qt;
};

Installed& installed()
{
    static Installed translators;
    return translators;
}

void remove(std::unique_ptr<QTranslator>& translator)
{
    if (translator)
        QCoreApplication::removeTranslator(translator.get());
    translator.reset();
}
} // namespace

QStringList shippedLanguages()
{
    QStringList names;
    for (const QString& file : QDir(QStringLiteral(":/i18n")).entryList({QStringLiteral("fernwick_*.qm")}))
        names << file.mid(9).chopped(3);
    return names;
}

QString chosenLanguage()
{
    return QSettings().value(kSetting).toString();
}

void setChosenLanguage(const QString& name)
{
    QSettings settings;
    if (name.isEmpty())
        settings.remove(kSetting);
    else
        settings.setValue(kSetting, name);
}

QLocale startLanguage()
{
    const QString chosen = chosenLanguage();
    return chosen.isEmpty() ? QLocale::system() : QLocale(chosen);
}

bool useLanguage(const QLocale& locale)
{
    Installed& now = installed();
    remove(now.program);
    remove(now.qt);
    QLocale::setDefault(locale);
    auto program = std::make_unique<QTranslator>();
    if (!program->load(locale, QStringLiteral("fernwick"), QStringLiteral("_"), QStringLiteral(":/i18n")))
        return false;
    QCoreApplication::installTranslator(program.get());
    now.program = std::move(program);
    auto qt = std::make_unique<QTranslator>();
    if (qt->load(locale, QStringLiteral("qtbase"), QStringLiteral("_"),
                 QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        QCoreApplication::installTranslator(qt.get());
        now.qt = std::move(qt);
    }
    return true;
}

} // namespace fw
