#include "sound/wav_encoding.h"

#include <string_view>

namespace quintaro {

namespace {

void putText(std::vector<std::uint8_t>& out, std::string_view text) {
    out.insert(out.end(), text.begin(), text.end());
}

void put16(std::vector<std::uint8_t>& out, std::uint16_t value) {
    out.push_back(static_cast<std::uint8_t>(value & 0xFF));
    out.push_back(static_cast<std::uint8_t>(value >> 8));
}

void put32(std::vector<std::uint8_t>& out, std::uint32_t value) {
    put16(out, static_cast<std::uint16_t>(value & 0xFFFF));
    put16(out, static_cast<std::uint16_t>(value >> 16));
}

} // namespace

std::vector<std::uint8_t> encodeWav(const std::vector<std::int16_t>& samples,
                                    std::uint32_t sampleRate) {
    constexpr std::uint16_t channels = 1;
    constexpr std::uint16_t bytesPerSample = 2;
    const auto dataSize = static_cast<std::uint32_t>(samples.size() * bytesPerSample);

    std::vector<std::uint8_t> out;
    out.reserve(44 + dataSize);
    putText(out, "RIFF");
    put32(out, 36 + dataSize);
    putText(out, "WAVE");
    putText(out, "fmt ");
    put32(out, 16);
    put16(out, 1); // PCM
    put16(out, channels);
    put32(out, sampleRate);
    put32(out, sampleRate * channels * bytesPerSample);
    put16(out, channels * bytesPerSample);
    put16(out, 8 * bytesPerSample);
    putText(out, "data");
    put32(out, dataSize);
    for (std::int16_t sample : samples)
        put16(out, static_cast<std::uint16_t>(sample));
    return out;
}

} // namespace quintaro
