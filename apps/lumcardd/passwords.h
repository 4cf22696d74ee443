#pragma once

#include <QString>

// Passwords of the card server's users: salted, deliberately slow argon2id hashes (libsodium) in
// their standard text form, which carries the salt and the cost. The clear text is never kept.
namespace Passwords {

// The hash of a password; empty when the hash cannot be computed (out of memory).
QString hash(const QString& password);
// Whether the password matches a hash made by hash().
bool verify(const QString& hash, const QString& password);

} // namespace Passwords
