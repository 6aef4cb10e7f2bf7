#pragma once
// The desktop's keyring, where a student may ask to keep the class password (never in Fernwick's own
// settings). Built without QtKeychain there is none, and the password is asked each time; on a desktop
// without a keyring, reading finds nothing and keeping says why it failed.

#include <QObject>
#include <QString>

#include <functional>

namespace classwork::keyring {

// Whether this copy can reach a keyring at all: loads the keyring module on first use.
bool available();

// The key of a login: server, class and name.
QString key(const QString& server, const QString& className, const QString& name);

// Reads a kept password; `done` gets it, or an empty text when there is none. Never blocks.
void read(const QString& key, QObject* context, std::function<void(const QString&)> done);
// Keeps a password, or forgets it (an empty one). `done` gets one sentence when that failed, else empty.
void write(const QString& key, const QString& password, QObject* context,
           std::function<void(const QString&)> done);

} // namespace classwork::keyring
