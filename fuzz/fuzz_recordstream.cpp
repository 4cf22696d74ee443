// Hostile bytes for the data file reader: the content of a file read as records into a list, plain
// and as the compressed variant, then the list written back. Must never crash, hang or allocate
// more than the bounds of the file's size allow; what it writes must read back as the same list.

#include "listcodec.h"
#include "terror.h"
#include "tvaluelist.h"

#include <cstddef>
#include <cstdint>

namespace {

void readAndWriteBack(const QByteArray& data, bool compressed)
{
    Basics::TValueList list;
    try {
        if (Basics::decodeList(list, data, compressed) != 0)
            return;
    } catch (const Basics::TError&) {
        return; // an attribute count no file can hold: refused, as it must be
    }
    const QByteArray written = Basics::encodeList(list);
    Basics::TValueList again;
    // A file this program wrote reads back whole, compression on or off.
    if (Basics::decodeList(again, written, compressed) != 0 || again.count() != list.count() ||
        Basics::encodeList(again) != written)
        __builtin_trap();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    readAndWriteBack(bytes, false);
    // The compressed variant: the input as it is (when it ends in 0xFF), and packed by the
    // program's own compressor, so that the records inside a stream are reached too.
    readAndWriteBack(bytes, true);
    readAndWriteBack(qCompress(bytes) + '\xFF', true);
    return 0;
}
