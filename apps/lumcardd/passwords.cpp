#include "passwords.h"

#include <sodium.h>

#include <QByteArray>

namespace Passwords {

namespace {

bool ready()
{
    static const bool initialised = sodium_init() >= 0;
    return initialised;
}

// The clear text is wiped from memory when it is no longer needed.
class ClearText {
public:
    explicit ClearText(const QString& password)
        : m_bytes(password.toUtf8())
    {
    }
    ~ClearText() { sodium_memzero(m_bytes.data(), size_t(m_bytes.size())); }
    const char* data() const { return m_bytes.constData(); }
    unsigned long long size() const { return static_cast<unsigned long long>(m_bytes.size()); }

private:
    QByteArray m_bytes;
};

} // namespace

QString hash(const QString& password)
{
    if (!ready())
        return QString();
    const ClearText clear(password);
    char text[crypto_pwhash_STRBYTES];
    if (crypto_pwhash_str_alg(text, clear.data(), clear.size(), crypto_pwhash_OPSLIMIT_INTERACTIVE,
                              crypto_pwhash_MEMLIMIT_INTERACTIVE, crypto_pwhash_ALG_ARGON2ID13) != 0)
        return QString();
    return QString::fromLatin1(text);
}

bool verify(const QString& hash, const QString& password)
{
    const QByteArray stored = hash.toLatin1();
    if (!ready() || stored.isEmpty() || stored.size() >= crypto_pwhash_STRBYTES)
        return false;
    const ClearText clear(password);
    return crypto_pwhash_str_verify(stored.constData(), clear.data(), clear.size()) == 0;
}

} // namespace Passwords
