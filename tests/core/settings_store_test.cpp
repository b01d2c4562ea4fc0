#include "app/session_journal.h"
#include "persist/hall_of_fame.h"
#include "platform/ini_registry_store.h"
#include "platform/settings_file.h"

#include <gtest/gtest.h>

#include <csignal>
#include <filesystem>
#include <fstream>
#include <iterator>

#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

namespace quintaro {
namespace {

namespace fs = std::filesystem;

const std::string settingsKey = "SOFTWARE\\Varden\\Parlorset\\Quintaro";
const std::string otherKey = "SOFTWARE\\Varden\\Parlorset\\Other";

// A private configuration folder, removed with everything in it.
class SettingsStore : public ::testing::Test {
protected:
    void SetUp() override {
        char name[] = "/tmp/quintaro-store-XXXXXX";
        ASSERT_NE(::mkdtemp(name), nullptr);
        m_folder = name;
        fs::create_directories(m_folder + "/Varden");
    }
    void TearDown() override { fs::remove_all(m_folder); }

    std::string ini() const { return m_folder + "/Varden/Parlorset.ini"; }
    // A value as a fresh store reads it from the file; "" when there is none.
    std::string read(const std::string& key, const std::string& name) const {
        return IniRegistryStore(m_folder).readValue(key, name).value_or("");
    }
    std::string text(const std::string& path) const {
        std::ifstream in(path, std::ios::binary);
        return {std::istreambuf_iterator<char>(in), {}};
    }
    void write(const std::string& path, const std::string& bytes) const {
        std::ofstream(path, std::ios::binary) << bytes;
    }
    std::vector<std::string> files() const {
        std::vector<std::string> names;
        for (const auto& entry : fs::directory_iterator(m_folder + "/Varden"))
            names.push_back(entry.path().filename().string());
        std::sort(names.begin(), names.end());
        return names;
    }

    std::string m_folder;
    std::vector<std::string> m_problems;
};

using Names = std::vector<std::string>;

// Two copies at once: each store lays its own changes over what the other stored, so both
// players' entries and both sessions' hands survive in either order of exit.
TEST_F(SettingsStore, TwoCopiesMergeTheirEntriesWhicheverEndsFirst) {
    for (const bool firstEndsFirst : {true, false}) {
        fs::remove(ini());
        write(ini(), "[Quintaro]\nName__0_0=Old\nScore_0_0=99\nGameType=2\n");
        auto first = std::make_unique<IniRegistryStore>(m_folder);
        auto second = std::make_unique<IniRegistryStore>(m_folder);
        auto ann = std::make_unique<HallOfFame>(*first, "Quintaro", 0, 1);
        auto bob = std::make_unique<HallOfFame>(*second, "Quintaro", 0, 1);
        ann->setPlayerName("Ann");
        bob->setPlayerName("Bob");
        ann->AddScore("120");
        bob->AddScore("98");
        TrainerStatistics annHands(*first, "Quintaro");
        TrainerStatistics bobHands(*second, "Quintaro");
        annHands.addUnsaved({{"Hands_0", "2"}, {"Bet_0", "10"}});
        bobHands.addUnsaved({{"Hands_0", "3"}, {"Bet_0", "3"}});
        EXPECT_TRUE((firstEndsFirst ? annHands : bobHands).save());
        EXPECT_TRUE((firstEndsFirst ? bobHands : annHands).save());
        first->writeValue(settingsKey, "GameType", "1");
        (firstEndsFirst ? ann : bob).reset(); // each Hall of Fame ends before its store
        (firstEndsFirst ? first : second).reset();
        bob.reset();
        second.reset();
        ann.reset();
        first.reset();

        IniRegistryStore reader(m_folder);
        HallOfFame merged(reader, "Quintaro", 0, 1);
        const Names names{merged.name(0), merged.name(1), merged.name(2), merged.name(3)};
        EXPECT_EQ(names, (Names{"Ann", "Old", "Bob", ""})) << text(ini());
        EXPECT_EQ(merged.score(2), "98");
        EXPECT_EQ(read(settingsKey + "\\Statistics", "Hands_0"), "5");
        EXPECT_EQ(read(settingsKey + "\\Statistics", "Bet_0"), "13");
        // Other values: the copy that wrote one last decides it.
        EXPECT_EQ(read(settingsKey, "GameType"), "1");
        EXPECT_EQ(read(settingsKey, "PlayerName"), firstEndsFirst ? "Bob" : "Ann");
    }
}

// A write that fails leaves the file byte for byte and no new file beside it, says why
// once, and gives the owner of the changes the chance to store them again.
TEST_F(SettingsStore, AFailedWriteLeavesTheFileAsItWas) {
    const std::string before = "[Quintaro]\nName__0_0=Old\nScore_0_0=99\n[Other]\nKept=yes\n";
    write(ini(), before);
    IniRegistryStore store(m_folder);
    store.setProblemHandler([this](const std::string& message, const std::string& path) {
        m_problems.push_back(message + " | " + path);
    });
    HallOfFame hall(store, "Quintaro", 0, 1);
    hall.setPlayerName(std::string(200, 'x'));
    hall.AddScore("150");

    // Files may grow to 16 bytes: the write fails with EFBIG, as a full disk fails.
    std::signal(SIGXFSZ, SIG_IGN);
    rlimit limit{};
    ::getrlimit(RLIMIT_FSIZE, &limit);
    const rlimit small{16, limit.rlim_max};
    ::setrlimit(RLIMIT_FSIZE, &small);
    const bool savedWhileFull = hall.save();
    const bool savedAgain = hall.save();
    ::setrlimit(RLIMIT_FSIZE, &limit);

    EXPECT_FALSE(savedWhileFull);
    EXPECT_FALSE(savedAgain);
    EXPECT_EQ(text(ini()), before);
    EXPECT_EQ(files(), Names{"Parlorset.ini"});
    ASSERT_EQ(m_problems.size(), 1u);
    EXPECT_EQ(m_problems[0], "Your scores could not be saved: File too large | " + ini());
    EXPECT_EQ(hall.unsavedEntries().size(), 1u);

    EXPECT_TRUE(hall.save());
    EXPECT_EQ(read(settingsKey, "Score_0_0"), "150");
    EXPECT_EQ(read(settingsKey, "Score_0_1"), "99");
    EXPECT_EQ(read(otherKey, "Kept"), "yes");
}

// What can be read is used, the damaged file is kept aside once, and the next store
// writes a clean file that keeps every value read, another program's too.
TEST_F(SettingsStore, ADamagedFileIsRepairedAndKeptAside) {
    const std::string damaged = "[General]\nAnimationDelay=250\n[Quintaro]\nName__0_0=Ann\n"
                                "Score_0_0=120\n[Broken\n[Other]\nKept=yes\n";
    write(ini(), damaged);
    write(ini() + ".damaged", "an older one");
    {
        IniRegistryStore store(m_folder);
        store.setProblemHandler([this](const std::string& message, const std::string& path) {
            m_problems.push_back(message + " | " + path);
        });
        HallOfFame hall(store, "Quintaro", 0, 1);
        EXPECT_EQ(hall.name(0), "Ann");
        hall.AddScore("100");
        EXPECT_TRUE(hall.save());
        EXPECT_TRUE(hall.save());
    }
    EXPECT_EQ(text(ini() + ".damaged"), "an older one");
    EXPECT_EQ(text(ini() + ".damaged.2"), damaged);
    EXPECT_EQ(files(),
              (Names{"Parlorset.ini", "Parlorset.ini.damaged", "Parlorset.ini.damaged.2"}));
    ASSERT_EQ(m_problems.size(), 1u);
    EXPECT_EQ(m_problems[0], "Your settings file was damaged: everything that could be read is "
                             "kept | " +
                                 ini() + ".damaged.2");
    EXPECT_EQ(readIniText(text(ini())).damagedLines, 0u);
    EXPECT_EQ(read(otherKey, "Kept"), "yes");
    EXPECT_EQ(read(settingsKey, "Score_0_1"), "100");
    // The plain [General] a player writes by hand holds the family's General values.
    EXPECT_EQ(read("SOFTWARE\\Varden\\Parlorset\\General", "AnimationDelay"), "250");
}

// Only a regular file is read or replaced; a link to one is written through and stays a
// link.
TEST_F(SettingsStore, OnlyRegularFilesAreReadOrReplaced) {
    ASSERT_EQ(::mkfifo(ini().c_str(), 0600), 0);
    {
        IniRegistryStore store(m_folder);
        store.setProblemHandler([this](const std::string& message, const std::string&) {
            m_problems.push_back(message);
        });
        EXPECT_FALSE(store.createKey(settingsKey));
        store.writeValue(settingsKey, "GameType", "1");
        EXPECT_FALSE(store.readValue(settingsKey, "GameType").has_value());
    }
    EXPECT_TRUE(fs::is_fifo(ini()));
    EXPECT_EQ(m_problems, Names{"Your scores will not be kept: it is not a regular file"});

    fs::remove(ini());
    const std::string dotfile = m_folder + "/dotfiles/Parlorset.ini";
    fs::create_directories(m_folder + "/dotfiles");
    write(dotfile, "[Quintaro]\nPlayerName=Ann\n");
    fs::create_symlink(dotfile, ini());
    {
        IniRegistryStore store(m_folder);
        EXPECT_EQ(store.readValue(settingsKey, "PlayerName").value_or(""), "Ann");
        store.writeValue(settingsKey, "PlayerName", "Bob");
    }
    EXPECT_TRUE(fs::is_symlink(ini()));
    EXPECT_EQ(text(dotfile), "[Quintaro]\nPlayerName=Bob\n");
}

// A copy that died leaves its journal; the next start stores its balance and entries as
// its exit would have, once, and leaves a running copy's journal alone.
TEST_F(SettingsStore, AJournalOfADeadCopyIsStoredOnce) {
    write(ini(), "[Quintaro]\nName__0_0=Old\nScore_0_0=110\n");
    SessionJournal dead;
    dead.owner = {"another boot", 12345, "1"};
    dead.settingsKey = "Quintaro";
    dead.playerName = "Ann";
    dead.balance = 87;
    dead.entries = {{0, "Ann", "130"}, {2, "Ann, the 2nd", "140"}};
    dead.statistics = {{"Hands_0", "3"}, {"Bet_0", "15"}};
    write(m_folder + "/Varden/Quintaro-12345.journal", journalText(dead));
    SessionJournal alive = dead;
    alive.owner = currentProcess();
    write(m_folder + "/Varden/Quintaro-1.journal", journalText(alive));

    for (int start = 0; start < 2; ++start) {
        IniRegistryStore store(m_folder);
        EXPECT_EQ(recoverSessions(store, m_folder + "/Varden", "Quintaro"), start == 0 ? 1 : 0);
    }
    IniRegistryStore reader(m_folder);
    HallOfFame straight(reader, "Quintaro", 0, 1);
    EXPECT_EQ((Names{straight.score(0), straight.score(1), straight.score(2), straight.score(3)}),
              (Names{"130", "110", "87", ""}));
    EXPECT_EQ(straight.name(2), "Ann");
    EXPECT_EQ(read(settingsKey, "Name__2_0"), "Ann, the 2nd");
    EXPECT_EQ(read(settingsKey + "\\Statistics", "Hands_0"), "3");
    EXPECT_EQ(files(), (Names{"Parlorset.ini", "Quintaro-1.journal"}));
}

} // namespace
} // namespace quintaro
