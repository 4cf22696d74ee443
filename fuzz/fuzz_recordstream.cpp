// Hostile bytes for the record stream reader: as many records as it can read into a list, then the
// list written back. Must never crash, hang or allocate more than the input can fill.

#include "recordstream.h"
#include "terror.h"
#include "tvaluelist.h"

#include <cstddef>
#include <cstdint>
#include <memory>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    Basics::RecordReader reader(QByteArrayView(reinterpret_cast<const char*>(data), qsizetype(size)));
    Basics::TValueList list;
    try {
        while (!reader.atEnd()) {
            auto value = std::make_unique<Basics::TValue>();
            if (!reader.read(*value))
                break;
            list.insert(value.release());
        }
    } catch (const Basics::TError&) {
        // an attribute count no file can hold: refused, as it must be
    }
    QByteArray written;
    for (const Basics::TValue* value : list) {
        Basics::appendRecord(written, *value);
        (void)list.find(value->getID());
    }
    return 0;
}
