#include "platform/ini_text.h"

#include <gtest/gtest.h>

#include <random>

namespace quintaro {
namespace {

using namespace std::string_literals;

// The bytes QSettings 6.4 (IniFormat) wrote for these values on Debian 12.
const IniValues hostileValues{{"top", "@at"},
                              {"General/x", "1"},
                              {"Q/A", "y"},
                              {"Q/a/b", "x"},
                              {"Q/ctl", "\x7f\x1b\x31"},
                              {"Q/emoji", "😀x"},
                              {"Q/emptyv", ""},
                              {"Q/nul", "a\x01\x62"},
                              {"Q/q", "say \"hi\" \\ ok;="},
                              {"Q/sp", " lead"},
                              {"Q/tr", "tr "},
                              {"Quintaro/Statistics/Hands_0", "5"},
                              {"Zoë ☃/k€y", "a,b"},
                              {"😀/e", "1"}};
const std::string hostileText = "[General]\ntop=@@at\n\n"
                                "[%General]\nx=1\n\n"
                                "[Q]\nA=y\na\\b=x\nctl=\x7f\\x1b\\x31\nemoji=😀x\nemptyv=\n"
                                "nul=a\\x1\\x62\nq=\"say \\\"hi\\\" \\\\ ok;=\"\nsp=\" lead\"\n"
                                "tr=\"tr \"\n\n"
                                "[Quintaro]\nStatistics\\Hands_0=5\n\n"
                                "[Zo%EB%20%U2603]\nk%U20ACy=\"a,b\"\n\n"
                                "[%UD83D%UDE00]\ne=1\n";

TEST(IniText, WritesWhatQSettingsWritesAndReadsItBack) {
    EXPECT_EQ(writeIniText(hostileValues), hostileText);
    const IniReading reading = readIniText(hostileText);
    EXPECT_EQ(reading.values, hostileValues);
    EXPECT_EQ(reading.damagedLines, 0u);

    // Escapes a hand-written file may hold, a NUL (kept as @String(...)), blanks that only
    // quotes or escapes keep, and every character from a player's keyboard.
    IniValues names{{"Quintaro/PlayerName", "\0lead\0"s},
                    {"Quintaro/Blanks", " \t x \t "},
                    {"Quintaro/Lines", "one\r\ntwo\\n\\"},
                    {"Quintaro/@Rect(1 2 3 4)", "@Rect(1 2 3 4)"},
                    {"Quintaro/String", "@String(x)"},
                    {"[Quintaro]/=;,\"%U0041\\", "[General]=;#\"x\"\\x41\\0"},
                    {"general/Zoë", "Zoë «Ace» Müller € 𝄞 \u00a0"}};
    // Each ASCII character as a name and before a hex digit, which a "\\x.." escape would take.
    for (int code = 1; code < 0x80; ++code) {
        const char c = static_cast<char>(code);
        if (c != '/')
            names["Quintaro/"s + c] = c + "0a"s;
    }
    const IniReading again = readIniText(writeIniText(names));
    EXPECT_EQ(again.values, names);
    EXPECT_EQ(again.damagedLines, 0u);
}

TEST(IniText, GeneralHoldsTheKeysOutsideAnyGroup) {
    const IniReading reading = readIniText("Top=0\n[General]\nA=1\n[%General]\nA=2\n"
                                           "[ general ]\nB=3\n[%general]\nB=4\n[General2]\nC=5\n");
    EXPECT_EQ(reading.values, (IniValues{{"Top", "0"},
                                         {"A", "1"},
                                         {"General/A", "2"},
                                         {"B", "3"},
                                         {"general/B", "4"},
                                         {"General2/C", "5"}}));
    // QSettings itself writes "[%General]" for "general" too, and so reads it back as
    // "General"; the name's own casing reads back as it was.
    EXPECT_EQ(writeIniText({{"B", "3"}, {"General/A", "2"}, {"general/B", "4"}}),
              "[General]\nB=3\n\n[%General]\nA=2\n\n[%general]\nB=4\n");
}

TEST(IniText, ReadsValuesAsQSettingsDoes) {
    const IniReading reading = readIniText("\xEF\xBB\xBF[Quintaro]\r\n"
                                           "Sound2 = Change Bet, slotcoin.wav ; a comment\r\n"
                                           "  PlayerName =  \"  Ann; \\\"Ace\\\" \"  \n"
                                           "Escapes=\\a\\x41g\\101x\\e\\q\\?\\x\n"
                                           "Trailing=a \\x20  \n"
                                           "Doubled=@@Rect(1 2)\n"
                                           "Items=@@a, @@b\n"
                                           "Nul=@String(a\\0b)\n"
                                           "NotText=@Rect(1 2 3 4)\n"
                                           "Almost=@Rect(1 2)\n"
                                           "Skipped=\\é\n"
                                           "Key%20With%U00e9%ZZ%+41%U+041\\Sub=1\n");
    EXPECT_EQ(reading.values, (IniValues{{"Quintaro/Sound2", "Change Bet,slotcoin.wav"},
                                         {"Quintaro/PlayerName", "  Ann; \"Ace\" "},
                                         {"Quintaro/Escapes", "\aAgAx?"},
                                         {"Quintaro/Trailing", "a  "},
                                         {"Quintaro/Doubled", "@Rect(1 2)"},
                                         {"Quintaro/Items", "@a,@b"},
                                         {"Quintaro/Nul", "a\0b"s},
                                         {"Quintaro/Almost", "@Rect(1 2)"},
                                         {"Quintaro/Skipped", "\uFFFD"},
                                         {"Quintaro/Key Withé%ZZ\x04"
                                          "1A/Sub",
                                          "1"}}));
    // A rectangle is no text: it is left out and counted.
    EXPECT_EQ(reading.damagedLines, 1u);
}

TEST(IniText, DamagedLinesAreCountedAndTheRestKept) {
    const IniReading reading = readIniText("[Quintaro]\nSound1=Start,a.wav\n"
                                           "[Broken\nInBroken=1\n"
                                           "Name=\"Zo\n"
                                           "Cut=abc\\\n"
                                           "Half=Zo\xC3\n"
                                           "Nul=a\0b\n"s
                                           "no equals sign\n"
                                           " = no key\n"
                                           "\\ =empty group\n"
                                           "[Quintaro]junk\nSound2=Deal,b.wav\n"
                                           "[Bad\xFF]\nLost=1\n"
                                           "[Quintaro]\nSound3=End,c.wav\n");
    EXPECT_EQ(reading.values, (IniValues{{"Quintaro/Sound1", "Start,a.wav"},
                                         {"Broken/InBroken", "1"},
                                         {"Quintaro/Sound2", "Deal,b.wav"},
                                         {"Quintaro/Sound3", "End,c.wav"}}));
    EXPECT_EQ(reading.damagedLines, 11u);

    // Random bytes in the middle of a file cost only their own lines.
    std::mt19937 random(7);
    std::string noise;
    for (int n = 0; n < 65536; ++n)
        noise += static_cast<char>(random());
    const IniReading noisy = readIniText("[Quintaro]\nA=1\n\n" + noise + "\n[Quintaro]\nB=2\n");
    EXPECT_EQ(noisy.values.at("Quintaro/A"), "1");
    EXPECT_EQ(noisy.values.at("Quintaro/B"), "2");
    EXPECT_GT(noisy.damagedLines, 100u);

    // Keys no QSettings name reaches are not written, so every written line reads back.
    EXPECT_EQ(writeIniText({{"", "1"}, {"/a", "2"}, {"a/", "3"}, {"a//b", "4"}, {"a/b", "5"}}),
              "[a]\nb=5\n");
}

} // namespace
} // namespace quintaro
