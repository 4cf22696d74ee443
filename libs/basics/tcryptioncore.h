#pragma once

#include <array>
#include <cstdint>
#include <utility>

namespace Basics {

// The GOST 28147-89 block cipher on one 64-bit block (32 rounds, 256-bit key). The substitution
// boxes are a parameter: row i acts on the i-th nibble counted from the least significant one (k1
// of the standard is row 0). TCryption uses it with its own boxes; other sets serve as a check
// against published test vectors.
class TCryptionCore {
public:
    using SBoxes = std::array<std::array<std::uint8_t, 16>, 8>;
    using Key = std::array<std::uint32_t, 8>;

    TCryptionCore(const SBoxes& boxes, const Key& key)
        : m_key(key)
    {
        // Two neighbouring boxes merged into one byte table each, and that byte already moved to
        // its place and rotated: a round is four lookups joined, not eight boxes and a rotation.
        for (int table = 0; table < 4; ++table) {
            const auto& low = boxes[std::size_t(2 * table)];
            const auto& high = boxes[std::size_t(2 * table + 1)];
            for (int byte = 0; byte < 256; ++byte) {
                const std::uint32_t merged =
                    std::uint32_t(high[std::size_t(byte >> 4)] << 4 | low[std::size_t(byte & 15)])
                    << (8 * table);
                m_tables[std::size_t(table)][std::size_t(byte)] = merged << 11 | merged >> 21;
            }
        }
    }

    // n1 is the half that enters the first round; the result replaces both halves.
    void encrypt(std::uint32_t& n1, std::uint32_t& n2) const
    {
        encryptSchedule([&](std::uint32_t k1, std::uint32_t k2) { twoRounds(n1, n2, k1, k2); });
        std::swap(n1, n2);
    }

    void decrypt(std::uint32_t& n1, std::uint32_t& n2) const
    {
        decryptSchedule([&](std::uint32_t k1, std::uint32_t k2) { twoRounds(n1, n2, k1, k2); });
        std::swap(n1, n2);
    }

    // The same on several blocks at once. A round waits for the one before; blocks that do not
    // depend on each other let the processor work on the rounds of all of them together, which
    // is several times faster than one block after the other.
    static constexpr int lanes = 4;
    using Lanes = std::array<std::uint32_t, lanes>;

    void encrypt(Lanes& n1, Lanes& n2) const
    {
        encryptSchedule([&](std::uint32_t k1, std::uint32_t k2) { twoRounds(n1, n2, k1, k2); });
        std::swap(n1, n2);
    }

    void decrypt(Lanes& n1, Lanes& n2) const
    {
        decryptSchedule([&](std::uint32_t k1, std::uint32_t k2) { twoRounds(n1, n2, k1, k2); });
        std::swap(n1, n2);
    }

private:
    std::uint32_t round(std::uint32_t x) const
    {
        return m_tables[3][x >> 24 & 255] | m_tables[2][x >> 16 & 255] | m_tables[1][x >> 8 & 255] |
               m_tables[0][x & 255];
    }

    void twoRounds(std::uint32_t& n1, std::uint32_t& n2, std::uint32_t k1, std::uint32_t k2) const
    {
        n2 ^= round(n1 + k1);
        n1 ^= round(n2 + k2);
    }

    // Written out lane by lane: as a loop the compiler keeps the lanes in memory at -O2.
    void twoRounds(Lanes& n1, Lanes& n2, std::uint32_t k1, std::uint32_t k2) const
    {
        static_assert(lanes == 4);
        n2[0] ^= round(n1[0] + k1);
        n2[1] ^= round(n1[1] + k1);
        n2[2] ^= round(n1[2] + k1);
        n2[3] ^= round(n1[3] + k1);
        n1[0] ^= round(n2[0] + k2);
        n1[1] ^= round(n2[1] + k2);
        n1[2] ^= round(n2[2] + k2);
        n1[3] ^= round(n2[3] + k2);
    }

    // The key words of the 32 rounds, two rounds a step: three times in order and once reversed to
    // encipher, the other way round to decipher.
    template <class Step>
    void encryptSchedule(Step step) const
    {
        for (int pass = 0; pass < 3; ++pass)
            for (std::size_t k = 0; k < 8; k += 2)
                step(m_key[k], m_key[k + 1]);
        for (std::size_t k = 8; k > 0; k -= 2)
            step(m_key[k - 1], m_key[k - 2]);
    }

    template <class Step>
    void decryptSchedule(Step step) const
    {
        for (std::size_t k = 0; k < 8; k += 2)
            step(m_key[k], m_key[k + 1]);
        for (int pass = 0; pass < 3; ++pass)
            for (std::size_t k = 8; k > 0; k -= 2)
                step(m_key[k - 1], m_key[k - 2]);
    }

    Key m_key;
    std::array<std::array<std::uint32_t, 256>, 4> m_tables = {};
};

} // namespace Basics
