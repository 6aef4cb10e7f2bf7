// Every test process gets a home, data, config, cache, state and temporary folder of its own, made before
// main() and before any application object, so that two tests running at once (two copies of one test, or
// of the whole suite, among them) never see each other's history, settings or files: Qt's test-mode folders
// (~/.qttest) lie under this home too, and so does whatever a test writes to the temporary folder.
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
                        {"XDG_STATE_HOME", ".local/state"},
                        {"TMPDIR", "tmp"}};
        for (const auto& f : kFolders) {
            const QString path = dir.filePath(QLatin1String(f.folder));
            QDir().mkpath(path);
            qputenv(f.variable, QFile::encodeName(QDir::cleanPath(path)));
        }
        // A server a test starts as another user (PostgreSQL as nobody) keeps its files in a temporary
        // folder: others may pass through the home and the temporary folder, though not list them.
        const auto passable = QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner | QFile::ExeGroup |
                              QFile::ExeOther;
        QFile::setPermissions(dir.path(), passable);
        QFile::setPermissions(dir.filePath(QStringLiteral("tmp")), passable);
    }
};

const PrivateHome g_home;

} // namespace
