#include "textarena.h"

#include <sys/mman.h>

namespace Basics {

namespace {

constexpr quintptr hugePageSize = quintptr(2) << 20;

// Asks for huge pages for the whole 2 MB pages within the string's memory. Advice only: the
// memory is the same without it.
void adviseHugePages(const QString& chunk)
{
    const auto begin = reinterpret_cast<quintptr>(chunk.constData());
    const quintptr end = begin + quintptr(chunk.size()) * sizeof(char16_t);
    const quintptr first = (begin + hugePageSize - 1) & ~(hugePageSize - 1);
    const quintptr last = end & ~(hugePageSize - 1);
    if (last > first)
        ::madvise(reinterpret_cast<void*>(first), last - first, MADV_HUGEPAGE);
}

} // namespace

char16_t* TextArena::allocate(qsizetype units, QString& block)
{
    if (units > chunkUnits / 8) {
        block = QString(units, Qt::Uninitialized);
        return reinterpret_cast<char16_t*>(block.data());
    }
    if (m_chunk.isNull() || m_used + units > m_chunk.size()) {
        m_chunk = QString(chunkUnits, Qt::Uninitialized);
        adviseHugePages(m_chunk);
        m_used = 0;
    }
    // The block shares the chunk as a text shares its block: the chunk's reference count keeps
    // it, and writing through it would copy, so the units are written through the pointer.
    QString::DataPointer piece(m_chunk.data_ptr());
    char16_t* units16 =
        const_cast<char16_t*>(reinterpret_cast<const char16_t*>(m_chunk.constData())) + m_used;
    piece.setBegin(units16);
    piece.size = units;
    block = QString(std::move(piece));
    m_used += units;
    return units16;
}

} // namespace Basics
