#include "tools/jetwriter/headerpage.h"

#include "tools/jetwriter/littleendian.h"

#include <array>
#include <cstring>
#include <utility>

namespace kelvane::jet {

static constexpr int MaskedAt = 0x18;
static constexpr int MaskedSize = 128;

// XORs the bytes with the RC4 keystream of the key, which masks and unmasks alike.
static void rc4(const std::array<std::uint8_t, 4>& key, std::uint8_t* data, int length) {
    std::array<std::uint8_t, 256> state{};
    for (int i = 0; i < 256; ++i) {
        state[static_cast<std::size_t>(i)] = static_cast<std::uint8_t>(i);
    }
    std::size_t j = 0;
    for (std::size_t i = 0; i < 256; ++i) {
        j = (j + state[i] + key[i % key.size()]) % 256;
        std::swap(state[i], state[j]);
    }
    std::size_t a = 0;
    std::size_t b = 0;
    for (int n = 0; n < length; ++n) {
        a = (a + 1) % 256;
        b = (b + state[a]) % 256;
        std::swap(state[a], state[b]);
        data[n] ^= state[(state[a] + state[b]) % 256];
    }
}

void writeHeaderPage(std::uint8_t* page) {
    static constexpr char Signature[] = "Standard Jet DB";
    putU8(page, 0x00);
    putU8(page + 1, 0x01);
    std::memcpy(page + 4, Signature, sizeof Signature);
    putU32(page + 0x14, 1);
    putU16(page + 0x3C, 1252);
    putU32(page + 0x3E, 0);
    putU16(page + 0x6E, 0x0409);
    rc4({0xC7, 0xDA, 0x39, 0x6B}, page + MaskedAt, MaskedSize);
}

} // namespace kelvane::jet
