// Hostile text for the cipher and the message protocol: read as cipher text, as the body inside the
// cipher (so that the length header is attacker's choice), as bytes of a framed reply and as a
// message. Any text that is enciphered must come back unchanged.

#include "tcryption.h"
#include "ttcpclient.h"

#include <QBuffer>

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    static const Basics::TCryption cryption;
    const QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));

    // As cipher text and as a message received from the wire.
    const QString letters = QString::fromLatin1(bytes);
    (void)cryption.decrypt(letters);
    Basics::TTcpMessage message;
    (void)message.parse(letters, cryption);

    // As the deciphered body: header and text as they come.
    const QString cipher = cryption.encode(bytes);
    if (!cryption.decode(cipher).startsWith(bytes))
        __builtin_trap();
    const QString text = cryption.decrypt(cipher);
    if (!text.isNull() && text.isEmpty())
        __builtin_trap();

    // As the bytes of a reply: the framing first, then the message inside it.
    QBuffer device;
    device.setData(bytes);
    device.open(QIODevice::ReadOnly);
    QString reply;
    if (Basics::TTcpClient::readFramed(device, reply, 0))
        (void)message.parse(reply, cryption);

    // Anything that can be enciphered comes back as it was.
    const QString plain = QString::fromUtf8(bytes);
    if (!plain.isEmpty() && cryption.decrypt(cryption.encrypt(plain)) != plain)
        __builtin_trap();
    return 0;
}
