#include "trainer/trainer_statistics.h"

#include "analysis/deck_index.h"
#include "persist/registry_key.h"

#include <algorithm>
#include <sstream>
#include <vector>

namespace quintaro {

namespace {

using Figure = std::int64_t GameStatistics::*;

struct NamedFigure {
    const char* name;
    Figure figure;
};

// Value names are for ever: they are the players' saved data.
constexpr std::array<NamedFigure, 8> figures{{
    {"Hands", &GameStatistics::hands},
    {"Bet", &GameStatistics::bet},
    {"Paid", &GameStatistics::paid},
    {"BestPaid", &GameStatistics::bestPaid},
    {"Expected", &GameStatistics::expected},
    {"BestExpected", &GameStatistics::bestExpected},
    {"Mistakes", &GameStatistics::mistakes},
    {"MistakeCost", &GameStatistics::mistakeCost},
}};

// A stored figure: decimal digits only, small enough to add to. Anything else, a
// hand-edited or damaged value, counts as nothing stored.
std::optional<std::int64_t> figureOf(const std::string& text) {
    if (text.empty() || text.size() > 18 ||
        !std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; }))
        return std::nullopt;
    return std::stoll(text);
}

std::vector<std::int64_t> figuresOf(const std::string& text) {
    std::istringstream in(text);
    std::vector<std::int64_t> values;
    std::string word;
    while (in >> word) {
        const auto value = figureOf(word);
        if (!value)
            return {};
        values.push_back(*value);
    }
    return values;
}

std::string lineText(const std::array<std::int64_t, maxPayLines>& lines, int lineCount) {
    std::string text;
    for (int line = 0; line < lineCount; ++line) {
        if (line != 0)
            text += ' ';
        text += std::to_string(lines[static_cast<std::size_t>(line)]);
    }
    return text;
}

std::array<std::int64_t, maxPayLines> linesOf(const std::string& text, int lineCount) {
    std::array<std::int64_t, maxPayLines> lines{};
    const std::vector<std::int64_t> values = figuresOf(text);
    if (values.size() == static_cast<std::size_t>(lineCount))
        std::copy(values.begin(), values.end(), lines.begin());
    return lines;
}

std::string costliestText(const CostliestMistake& mistake) {
    std::string text;
    for (int card : mistake.hand)
        text += std::to_string(card) + " ";
    return text + std::to_string(mistake.hold) + " " + std::to_string(mistake.best) + " " +
           std::to_string(mistake.holdValue) + " " + std::to_string(mistake.bestValue);
}

std::optional<CostliestMistake> costliestOf(const std::string& text, GameType type) {
    const std::vector<std::int64_t> values = figuresOf(text);
    if (values.size() != 9)
        return std::nullopt;
    CostliestMistake mistake;
    const int deckSize = payTable(type).jokers ? 54 : 52;
    for (std::size_t i = 0; i < mistake.hand.size(); ++i) {
        if (values[i] >= deckSize || std::count(values.begin(), values.begin() + 5, values[i]) != 1)
            return std::nullopt;
        mistake.hand[i] = static_cast<int>(values[i]);
    }
    if (values[5] >= holdCount || values[6] >= holdCount || values[8] <= values[7])
        return std::nullopt;
    mistake.hold = static_cast<unsigned>(values[5]);
    mistake.best = static_cast<unsigned>(values[6]);
    mistake.holdValue = values[7];
    mistake.bestValue = values[8];
    return mistake;
}

} // namespace

void GameStatistics::add(const JudgedRedeal& judged, const PokerHand::Cards& dealt, int stake) {
    ++hands;
    bet += stake;
    paid += judged.paid;
    bestPaid += judged.bestPaid;
    expected += judged.holdValue;
    bestExpected += judged.bestValue;
    if (judged.line != noLine)
        ++lines[static_cast<std::size_t>(judged.line)];
    if (judged.bestLine != noLine)
        ++bestLines[static_cast<std::size_t>(judged.bestLine)];
    if (!judged.mistake())
        return;
    ++mistakes;
    mistakeCost += judged.bestValue - judged.holdValue;
    CostliestMistake mistake{{}, judged.hold, judged.best, judged.holdValue, judged.bestValue};
    for (std::size_t i = 0; i < dealt.size(); ++i)
        mistake.hand[i] = deckIndexOf(*dealt[i]);
    if (!costliest || mistake.cost() > costliest->cost())
        costliest = mistake;
}

void GameStatistics::merge(const GameStatistics& later) {
    for (const NamedFigure& named : figures)
        this->*named.figure += later.*named.figure;
    for (std::size_t line = 0; line < lines.size(); ++line) {
        lines[line] += later.lines[line];
        bestLines[line] += later.bestLines[line];
    }
    if (later.costliest && (!costliest || later.costliest->cost() > costliest->cost()))
        costliest = later.costliest;
}

std::int64_t valueScale(GameType type) {
    return drawScale((payTable(type).jokers ? 54 : 52) - PokerHand::handSize);
}

namespace {

GameStatistics readFigures(const TrainerStatistics::ValueReader& read, GameType type) {
    GameStatistics stored;
    for (const NamedFigure& named : figures)
        stored.*named.figure =
            figureOf(read(TrainerStatistics::valueName(named.name, type))).value_or(0);
    const int lineCount = payTable(type).lineCount;
    stored.lines = linesOf(read(TrainerStatistics::valueName("Lines", type)), lineCount);
    stored.bestLines = linesOf(read(TrainerStatistics::valueName("BestLines", type)), lineCount);
    stored.costliest = costliestOf(read(TrainerStatistics::valueName("Costliest", type)), type);
    return stored;
}

void writeFigures(const std::function<void(const std::string&, const std::string&)>& write,
                  GameType type, const GameStatistics& all) {
    for (const NamedFigure& named : figures)
        write(TrainerStatistics::valueName(named.name, type), std::to_string(all.*named.figure));
    const int lineCount = payTable(type).lineCount;
    write(TrainerStatistics::valueName("Lines", type), lineText(all.lines, lineCount));
    write(TrainerStatistics::valueName("BestLines", type), lineText(all.bestLines, lineCount));
    if (all.costliest)
        write(TrainerStatistics::valueName("Costliest", type), costliestText(*all.costliest));
}

TrainerStatistics::ValueReader readerOf(const RegistryKey& key) {
    return [&key](const std::string& name) { return key.QueryString(name); };
}

} // namespace

TrainerStatistics::TrainerStatistics(RegistryStore& store, const std::string& settingsKeyName)
    : m_store(store), m_subKey(settingsKeyName + "\\Statistics") {
    RegistryKey key(m_store);
    key.Open(m_subKey);
    for (int game = 0; game < gameCount; ++game)
        m_stored[static_cast<std::size_t>(game)] =
            readFigures(readerOf(key), static_cast<GameType>(game));
}

std::string TrainerStatistics::valueName(const char* figure, GameType type) {
    std::string name = figure;
    name += '_';
    name += std::to_string(gameTypeNumber(type));
    return name;
}

void TrainerStatistics::record(GameType type, const JudgedRedeal& judged,
                               const PokerHand::Cards& dealt, int bet) {
    m_session[at(type)].add(judged, dealt, bet);
    m_unsaved[at(type)].add(judged, dealt, bet);
    changed(type);
}

void TrainerStatistics::changed(GameType type) const {
    if (m_changed)
        m_changed(type);
}

GameStatistics TrainerStatistics::allTime(GameType type) const {
    GameStatistics all = m_stored[at(type)];
    all.merge(m_unsaved[at(type)]);
    return all;
}

bool TrainerStatistics::save() {
    StoreUpdate update(m_store);
    RegistryKey key(m_store);
    key.Open(m_subKey);
    std::array<GameStatistics, gameCount> all;
    for (int game = 0; game < gameCount; ++game) {
        const auto type = static_cast<GameType>(game);
        all[at(type)] = readFigures(readerOf(key), type);
        if (m_unsaved[at(type)].hands == 0)
            continue;
        all[at(type)].merge(m_unsaved[at(type)]);
        writeFigures(
            [&key](const std::string& name, const std::string& text) { key.SetString(name, text); },
            type, all[at(type)]);
    }
    if (!update.commit())
        return false;
    std::array<GameStatistics, gameCount> before;
    for (int game = 0; game < gameCount; ++game)
        before[at(static_cast<GameType>(game))] = allTime(static_cast<GameType>(game));
    m_stored = all;
    m_unsaved = {};
    // Only another copy's hands, stored since, change what is shown.
    for (int game = 0; game < gameCount; ++game) {
        const auto type = static_cast<GameType>(game);
        if (all[at(type)] != before[at(type)])
            changed(type);
    }
    return true;
}

TrainerStatistics::StoredValues TrainerStatistics::unsavedValues() const {
    StoredValues values;
    for (int game = 0; game < gameCount; ++game) {
        const auto type = static_cast<GameType>(game);
        if (m_unsaved[at(type)].hands != 0)
            writeFigures([&values](const std::string& name,
                                   const std::string& text) { values[name] = text; },
                         type, m_unsaved[at(type)]);
    }
    return values;
}

void TrainerStatistics::addUnsaved(const StoredValues& values) {
    const ValueReader read = [&values](const std::string& name) {
        const auto value = values.find(name);
        return value == values.end() ? std::string() : value->second;
    };
    for (int game = 0; game < gameCount; ++game) {
        const auto type = static_cast<GameType>(game);
        m_unsaved[at(type)].merge(readFigures(read, type));
        changed(type);
    }
}

void TrainerStatistics::reset(GameType type) {
    StoreUpdate update(m_store);
    RegistryKey key(m_store);
    key.Open(m_subKey);
    for (const NamedFigure& named : figures)
        key.DeleteValue(valueName(named.name, type));
    for (const char* name : {"Lines", "BestLines", "Costliest"})
        key.DeleteValue(valueName(name, type));
    update.commit();
    m_stored[at(type)] = {};
    m_session[at(type)] = {};
    m_unsaved[at(type)] = {};
    changed(type);
}

} // namespace quintaro
