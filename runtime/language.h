#pragma once
// The language the screens speak. English is the program's own; the others are translations packed in the
// resources (":/i18n/fernwick_<name>.qm"), with Qt's own strings (standard buttons, file and print dialogs)
// from the system's Qt translations. Numbers follow the same locale (QLocale's default).

#include <QLocale>
#include <QStringList>

namespace fw {

// The translations the program carries, by locale name ("es", "pt_BR"); English is not listed.
QStringList shippedLanguages();

// The language the user chose in the program, kept in its settings; empty when the desktop's is used.
QString chosenLanguage();
void setChosenLanguage(const QString& name);

// The language the program starts in: the user's choice, else the desktop's locale.
QLocale startLanguage();

// Makes every screen loaded from now on speak the locale's language (English when none is shipped for it)
// and write numbers as it does. Returns false when the locale's language is not shipped.
bool useLanguage(const QLocale& locale);

} // namespace fw
