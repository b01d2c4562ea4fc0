#include "recording_output.h"
#include "sound/sound_events.h"
#include "sound/wav_encoding.h"

#include <gtest/gtest.h>

namespace quintaro {
namespace {

using test::RecordingOutput;

TEST(SoundEvents, RegisterKeepsAStoredAssignmentFindTakesTheFirstExactNameAndPlayNeedsAll) {
    SoundEventList events{{"Jackpot", "/home/me/bells.wav"}, {"jackpot", "lower.wav"}};
    RegisterSound(events, "Jackpot", "slotjack");
    RegisterSound(events, "Ding", "ding.WAV");
    RegisterSound(events, "Tone", "tone");
    RegisterSound(events, "Silent", "");
    RegisterSound(events, "Backup", "Old.Wav.bak");
    RegisterSound(events, "Ding", "other");
    EXPECT_EQ(events, (SoundEventList{{"Jackpot", "/home/me/bells.wav"},
                                      {"jackpot", "lower.wav"},
                                      {"Ding", "ding.wav"},
                                      {"Tone", "tone.wav"},
                                      {"Silent", ""},
                                      {"Backup", "old.wav.bak"}}));
    events.push_back({"Jackpot", "second.wav"});
    EXPECT_EQ(FindSound(events, "Jackpot"), "/home/me/bells.wav");
    EXPECT_EQ(FindSound(events, "jackpot"), "lower.wav");
    EXPECT_EQ(FindSound(events, "Jackpot "), "");

    // Playing needs a device, the switch on and a file.
    RecordingOutput output;
    PlaySound(output, false, 1, "a.wav");
    PlaySound(output, true, 0, "b.wav");
    PlaySound(output, true, 1, "");
    PlaySound(output, true, 255, "C.WAV");
    PlaySound(output, true, 1, "/tmp/d.wav");
    EXPECT_EQ(output.played, (std::vector<std::string>{"C.WAV", "/tmp/d.wav"}));
}

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
