#pragma once

#include <cstdint>
#include <vector>

namespace quintaro {

// A complete .wav file: the 44-byte RIFF header of uncompressed 16-bit mono PCM
// followed by the samples, little-endian.
std::vector<std::uint8_t> encodeWav(const std::vector<std::int16_t>& samples,
                                    std::uint32_t sampleRate);

} // namespace quintaro
