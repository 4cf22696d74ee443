#pragma once

#include <QHash>
#include <QObject>
#include <QString>

// The virtual chip-card readers of the server, one per reader name: the card that lies on each,
// the code of its last card operation, and a failure that its next card operation is to meet (so
// that the failures of a real reader can be tried). The number of readers is bounded.
class TReaderSlots : public QObject {
    Q_OBJECT
public:
    static constexpr int maxReaders = 256;

    // The UID of the card on the reader; empty when there is none.
    QString cardOn(const QString& reader) const;
    // False when the reader is new and there are maxReaders already.
    bool put(const QString& reader, const QString& uid);
    void take(const QString& reader);

    void failNext(const QString& reader, int code);
    // The failure set for the reader's next card operation, which it uses up; 0 when none.
    int takeFailure(const QString& reader);

    int lastCode(const QString& reader) const;
    void setLastCode(const QString& reader, int code);

Q_SIGNALS:
    // A card was put on or taken off the reader.
    void changed(const QString& reader);

private:
    struct Slot {
        QString uid;
        int failure = 0;
        int lastCode = 0;
    };
    // The slot of a reader; null when it is new and there is no room for it.
    Slot* slot(const QString& reader);

    QHash<QString, Slot> m_slots;
};
