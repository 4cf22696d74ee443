#pragma once

#include "basics_global.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringView>

#include <memory>

namespace Basics {

class TCryptionCore;

// Turns a message text into printable cipher text and back. The cipher text is made of the capital
// letters "A" to "P" only: the text with a length header, as UTF-8, padded to whole 8-byte blocks,
// each block enciphered on its own with GOST 28147-89, each byte written as two letters (low nibble
// first). Both sides of a connection need the same 32-byte key.
class BASICS_EXPORT TCryption {
public:
    // The key built into the program.
    TCryption();
    // The first 32 bytes of key; a shorter key throws TCryptError (403).
    explicit TCryption(const QByteArray& key);
    TCryption(const TCryption& other);
    TCryption& operator=(const TCryption& other);
    ~TCryption();

    // Throws TCryptError (401) for an empty text.
    QString encrypt(const QString& text) const;
    // The same letters as Latin-1 bytes, as they go over the wire, without the text in between.
    QByteArray encryptLatin1(const QString& text) const;
    // The text made of these pieces, as encryptLatin1 of them joined: a message of megabytes is
    // enciphered from its parts without a joined copy.
    QByteArray encryptLatin1(const QList<QStringView>& pieces) const;
    // The text, or a null string when the cipher text is malformed or its header says 0 or less.
    QString decrypt(const QString& cipherText) const;
    // The same for letters as they come over the wire, one byte each.
    QString decryptLatin1(QByteArrayView cipherText) const;

    // The two halves of the transform. encode pads the bytes ("@", then "B", "C" ...) to whole
    // blocks, enciphers and writes letters; decode returns the padded bytes, or a null array when
    // the letters cannot be cipher text (odd block, a character outside "A" to "P").
    QString encode(const QByteArray& body) const;
    QByteArray decode(QStringView cipherText) const;
    QByteArray decode(QByteArrayView cipherText) const;

private:
    // The text with its header, padded and enciphered.
    QByteArray cipherBytes(const QList<QStringView>& pieces) const;
    // The text behind the header of deciphered bytes, or a null string.
    static QString textOf(const QByteArray& bytes);
    template <class Char>
    QByteArray decodeLetters(const Char* letters, qsizetype size) const;
    void padAndEncipher(QByteArray& bytes) const;
    void inEveryBlock(QByteArray& bytes, bool encipher) const;

    std::unique_ptr<TCryptionCore> m_core;
};

} // namespace Basics
