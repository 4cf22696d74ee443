#include "readerslots.h"

#include <utility>

TReaderSlots::Slot* TReaderSlots::slot(const QString& reader)
{
    const auto it = m_slots.find(reader);
    if (it != m_slots.end())
        return &*it;
    if (m_slots.size() >= maxReaders)
        return nullptr;
    return &m_slots[reader];
}

QString TReaderSlots::cardOn(const QString& reader) const
{
    return m_slots.value(reader).uid;
}

bool TReaderSlots::put(const QString& reader, const QString& uid)
{
    Slot* s = slot(reader);
    if (!s)
        return false;
    if (s->uid != uid) {
        s->uid = uid;
        emit changed(reader);
    }
    return true;
}

void TReaderSlots::take(const QString& reader)
{
    const auto it = m_slots.find(reader);
    if (it == m_slots.end() || it->uid.isEmpty())
        return;
    it->uid.clear();
    emit changed(reader);
}

void TReaderSlots::failNext(const QString& reader, int code)
{
    if (Slot* s = slot(reader))
        s->failure = code;
}

int TReaderSlots::takeFailure(const QString& reader)
{
    const auto it = m_slots.find(reader);
    if (it == m_slots.end())
        return 0;
    return std::exchange(it->failure, 0);
}

int TReaderSlots::lastCode(const QString& reader) const
{
    return m_slots.value(reader).lastCode;
}

void TReaderSlots::setLastCode(const QString& reader, int code)
{
    if (Slot* s = slot(reader))
        s->lastCode = code;
}
