#include "sound/wav_encoding.h"

#include <gtest/gtest.h>

namespace quintaro {
namespace {

TEST(WavEncoding, WritesTheCanonicalPcmHeaderAndLittleEndianSamples) {
    const std::vector<std::uint8_t> bytes = encodeWav({0, 1, -1, 32767, -32768}, 22050);
    const std::vector<std::uint8_t> expected = {
        'R',  'I',  'F', 'F', 46,   0,    0,    0,    'W',  'A', 'V', 'E', // 36 + 10 bytes
        'f',  'm',  't', ' ', 16,   0,    0,    0,    1,    0,   1,   0,   // PCM, mono
        0x22, 0x56, 0,   0,   0x44, 0xAC, 0,    0,    2,    0,   16,  0,   // 22050 Hz, 44100 B/s
        'd',  'a',  't', 'a', 10,   0,    0,    0,                         //
        0,    0,    1,   0,   0xFF, 0xFF, 0xFF, 0x7F, 0x00, 0x80};
    EXPECT_EQ(bytes, expected);
}

} // namespace
} // namespace quintaro
