#include "app/settingsplace.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QSettings>
#include <QStandardPaths>

namespace app {

namespace {
const QString kCarried = QStringLiteral("settings/carriedOver");
}

void nameOrganisation()
{
    QCoreApplication::setOrganizationName(QStringLiteral("Fernwick"));
    QCoreApplication::setOrganizationDomain(QStringLiteral("fernwick.org"));
}

QString oldSettingsFile()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
           QStringLiteral("/Unknown Organization/%1.conf").arg(QCoreApplication::applicationName());
}

int carryOverSettings(const QString& oldFile)
{
    QSettings now;
    if (now.value(kCarried).toBool() || !QFileInfo::exists(oldFile))
        return 0;
    const QSettings old(oldFile, QSettings::IniFormat);
    int carried = 0;
    for (const QString& key : old.allKeys())
        if (!now.contains(key)) {
            now.setValue(key, old.value(key));
            ++carried;
        }
    now.setValue(kCarried, true);
    now.sync();
    return carried;
}

} // namespace app
