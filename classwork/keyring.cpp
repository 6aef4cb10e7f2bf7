#include "classwork/keyring.h"

#include <QCoreApplication>
#include <QLibrary>

namespace classwork::keyring {

namespace {
const QString kService = QStringLiteral("Fernwick class server");

using Run = void (*)(int, const QString&, const QString&, const QString&, QObject*,
                     const std::function<void(bool, const QString&)>&);

// The module, looked for where the build puts it, then where it is installed; loaded once.
Run module()
{
#ifdef FERNWICK_KEYCHAIN
    static const Run run = [] {
        for (const char* path : {FERNWICK_KEYRING_BUILT, FERNWICK_KEYRING_INSTALLED}) {
            QLibrary library(QString::fromUtf8(path));
            if (library.load())
                return reinterpret_cast<Run>(library.resolve("fernwick_keyring_run"));
        }
        return Run(nullptr);
    }();
    return run;
#else
    return nullptr;
#endif
}
} // namespace

bool available()
{
    return module() != nullptr;
}

QString key(const QString& server, const QString& className, const QString& name)
{
    return QStringLiteral("%1 / %2 / %3").arg(server, className, name);
}

void read(const QString& k, QObject* context, std::function<void(const QString&)> done)
{
    if (!module()) {
        done(QString());
        return;
    }
    module()(0, kService, k, QString(), context, [done](bool ok, const QString& text) { done(ok ? text : QString()); });
}

void write(const QString& k, const QString& password, QObject* context, std::function<void(const QString&)> done)
{
    if (!module()) {
        done(QStringLiteral("This copy of Fernwick has no keyring module."));
        return;
    }
    module()(password.isEmpty() ? 2 : 1, kService, k, password, context, [done](bool ok, const QString& text) {
        done(ok ? QString() : QStringLiteral("The keyring did not keep the password: %1").arg(text));
    });
}

} // namespace classwork::keyring
