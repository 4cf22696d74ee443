// Hostile exchange documents: applied to a list of a few records, all or nothing. A document that
// is refused leaves the list as it was; one that is taken leaves a list whose export imports again.

#include "listcodec.h"
#include "tvaluelist.h"
#include "xmlexchange.h"

#include <cstddef>
#include <cstdint>

namespace {

Basics::TValue* record(int id, const char* name)
{
    auto* value = new Basics::TValue;
    value->setID(id);
    value->setName(QString::fromLatin1(name));
    return value;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QByteArray document(reinterpret_cast<const char*>(data), qsizetype(size));
    Basics::TValueList list;
    list.insert(record(1, "one"));
    list.insert(record(7, "seven"));
    list.insert(record(1000, "thousand"));
    const QByteArray before = Basics::encodeList(list);
    QString error;
    if (!Basics::importDocument(list, document, &error)) {
        if (error.isEmpty() || Basics::encodeList(list) != before)
            __builtin_trap(); // refused without a reason, or refused after changing the list
        return 0;
    }
    // Every record taken has an id; a list without characters XML cannot hold exports and
    // imports again.
    const QByteArray exported = Basics::exportDocument(list, &error);
    if (exported.isNull())
        return 0;
    Basics::TValueList copy;
    if (!Basics::importDocument(copy, exported, &error) || copy.count() != list.count())
        __builtin_trap();
    return 0;
}
