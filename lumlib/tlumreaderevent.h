#pragma once

#include "lumlib_global.h"

#include <QEvent>
#include <QString>

// Carries a card reader's report (the chip UID, empty when the card was taken off) to the GUI
// thread: a dialog posts it to itself from the slot that receives the reader's dataChanged, which
// may run in the reader's own thread, and does the card work when the event arrives.
class LUMLIB_EXPORT TLumReaderEvent : public QEvent {
public:
    static constexpr QEvent::Type eventType = QEvent::Type(QEvent::User + 6); // 1006

    explicit TLumReaderEvent(const QString& uid)
        : QEvent(eventType)
        , m_uid(uid)
    {
    }

    const QString& data() const { return m_uid; }

private:
    QString m_uid;
};
