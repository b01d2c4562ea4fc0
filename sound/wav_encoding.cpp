#include "sound/wav_encoding.h"

#include <string_view>

namespace quintaro {

namespace {

constexpr std::size_t headerSize = 44;

// Writes little-endian fields into a buffer sized in advance; growing the vector field by
// field trips a false overflow warning in optimised builds.
class ByteWriter {
public:
    explicit ByteWriter(std::vector<std::uint8_t>& out) : m_out(out) {}

    void text(std::string_view text) {
        for (char c : text)
            m_out[m_at++] = static_cast<std::uint8_t>(c);
    }
    void u16(std::uint16_t value) {
        m_out[m_at++] = static_cast<std::uint8_t>(value & 0xFF);
        m_out[m_at++] = static_cast<std::uint8_t>(value >> 8);
    }
    void u32(std::uint32_t value) {
        u16(static_cast<std::uint16_t>(value & 0xFFFF));
        u16(static_cast<std::uint16_t>(value >> 16));
    }

private:
    std::vector<std::uint8_t>& m_out;
    std::size_t m_at = 0;
};

} // namespace

std::vector<std::uint8_t> encodeWav(const std::vector<std::int16_t>& samples,
                                    std::uint32_t sampleRate) {
    constexpr std::uint16_t channels = 1;
    constexpr std::uint16_t bytesPerSample = 2;
    const auto dataSize = static_cast<std::uint32_t>(samples.size() * bytesPerSample);

    std::vector<std::uint8_t> out(headerSize + dataSize);
    ByteWriter writer(out);
    writer.text("RIFF");
    writer.u32(36 + dataSize);
    writer.text("WAVE");
    writer.text("fmt ");
    writer.u32(16);
    writer.u16(1); // PCM
    writer.u16(channels);
    writer.u32(sampleRate);
    writer.u32(sampleRate * channels * bytesPerSample);
    writer.u16(channels * bytesPerSample);
    writer.u16(8 * bytesPerSample);
    writer.text("data");
    writer.u32(dataSize);
    for (std::int16_t sample : samples)
        writer.u16(static_cast<std::uint16_t>(sample));
    return out;
}

} // namespace quintaro
