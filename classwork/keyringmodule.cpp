// The keyring module: QtKeychain's jobs behind one plain function, loaded by keyring.cpp on first use.

#include <qt6keychain/keychain.h>

#include <functional>

// op: 0 reads, 1 keeps `secret`, 2 forgets. `done` runs on the GUI thread while `context` exists, with
// whether it worked and the password read or the keyring's reason.
extern "C" Q_DECL_EXPORT void fernwick_keyring_run(int op, const QString& service, const QString& key,
                                                   const QString& secret, QObject* context,
                                                   const std::function<void(bool, const QString&)>& done)
{
    QKeychain::Job* job = nullptr;
    if (op == 0) {
        job = new QKeychain::ReadPasswordJob(service);
    } else if (op == 1) {
        auto* writing = new QKeychain::WritePasswordJob(service);
        writing->setTextData(secret);
        job = writing;
    } else {
        job = new QKeychain::DeletePasswordJob(service);
    }
    job->setInsecureFallback(false); // never a plain file beside the settings
    job->setKey(key);
    QObject::connect(job, &QKeychain::Job::finished, context, [done, op](QKeychain::Job* finished) {
        if (finished->error() == QKeychain::NoError)
            done(true, op == 0 ? static_cast<QKeychain::ReadPasswordJob*>(finished)->textData() : QString());
        else if (finished->error() == QKeychain::EntryNotFound)
            done(true, QString());
        else
            done(false, finished->errorString());
    });
    job->start();
}
