#pragma once

#include "lumlib_global.h"

#include <QString>

// Passwords are kept only as salted, slow hashes: PBKDF2 with SHA-256, written
// "pbkdf2-sha256$<iterations>$<salt>$<key>" with salt and key in base64.
namespace TPasswordHash {

// A new hash of the password with a random salt.
LUMLIB_EXPORT QString make(const QString& password);
// Whether the password gives the hash; false for a text that is no such hash.
LUMLIB_EXPORT bool matches(const QString& password, const QString& hash);

} // namespace TPasswordHash
