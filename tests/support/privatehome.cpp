// Every test process gets a home, data, config, cache and state folder of its own, made before main() and
// before any application object, so that two tests running at once (two copies of one test among them)
// never see each other's history or settings: Qt's test-mode folders (~/.qttest) lie under this home too.
// Programs a test starts inherit the same folders. They are removed when the process ends normally.

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

namespace {

struct PrivateHome
{
    QTemporaryDir dir{QDir::tempPath() + QStringLiteral("/fernwick-test-home-XXXXXX")};

    PrivateHome()
    {
        if (!dir.isValid())
            qFatal("No private home folder could be made for the test: %s", qPrintable(dir.errorString()));
        const struct
        {
            const char* variable;
            const char* folder;
        } kFolders[] = {{"HOME", ""},
                        {"XDG_DATA_HOME", ".local/share"},
                        {"XDG_CONFIG_HOME", ".config"},
                        {"XDG_CACHE_HOME", ".cache"},
                        {"XDG_STATE_HOME", ".local/state"}};
        for (const auto& f : kFolders) {
            const QString path = dir.filePath(QLatin1String(f.folder));
            QDir().mkpath(path);
            qputenv(f.variable, QFile::encodeName(QDir::cleanPath(path)));
        }
    }
};

const PrivateHome g_home;

} // namespace
