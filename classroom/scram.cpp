// A password's SCRAM-SHA-256 verifier, made as PostgreSQL makes it (RFC 5802, RFC 7677): the salted password
// is PBKDF2-HMAC-SHA-256 of the password over the salt; the verifier keeps SHA-256 of HMAC(salted, "Client
// Key") and HMAC(salted, "Server Key"), with the iteration count and the salt. The server stores it as it is
// and never sees the password.

#include "classroom/classserver.h"

#include <QCryptographicHash>
#include <QMessageAuthenticationCode>
#include <QPasswordDigestor>
#include <QRandomGenerator>

namespace classroom {

QString scramVerifier(const QString& password, QByteArray salt, int iterations)
{
    if (salt.isEmpty()) {
        salt.resize(16);
        QRandomGenerator::system()->fillRange(reinterpret_cast<quint32*>(salt.data()), 4);
    }
    // PostgreSQL prepares a password with SASLprep, whose main step is NFKC; a password it cannot prepare is
    // used as its bytes. Fernwick's own passwords are plain ASCII, which SASLprep leaves as they are.
    const QByteArray prepared = password.normalized(QString::NormalizationForm_KC).toUtf8();
    const QByteArray salted =
        QPasswordDigestor::deriveKeyPbkdf2(QCryptographicHash::Sha256, prepared, salt, iterations, 32);
    const auto hmac = [&salted](const char* text) {
        return QMessageAuthenticationCode::hash(QByteArray(text), salted, QCryptographicHash::Sha256);
    };
    const QByteArray storedKey = QCryptographicHash::hash(hmac("Client Key"), QCryptographicHash::Sha256);
    const QByteArray serverKey = hmac("Server Key");
    return QStringLiteral("SCRAM-SHA-256$%1:%2$%3:%4")
        .arg(iterations)
        .arg(QString::fromLatin1(salt.toBase64()), QString::fromLatin1(storedKey.toBase64()),
             QString::fromLatin1(serverKey.toBase64()));
}

} // namespace classroom
