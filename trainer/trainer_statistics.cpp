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

TrainerStatistics::TrainerStatistics(RegistryStore& store, const std::string& settingsKeyName)
    : m_store(store), m_subKey(settingsKeyName + "\\Statistics") {
    RegistryKey key(m_store);
    key.Open(m_subKey);
    for (int game = 0; game < gameCount; ++game) {
        const auto type = static_cast<GameType>(game);
        GameStatistics& stored = m_stored[at(type)];
        for (const NamedFigure& named : figures)
            stored.*named.figure =
                figureOf(key.QueryString(valueName(named.name, type))).value_or(0);
        const int lineCount = payTable(type).lineCount;
        stored.lines = linesOf(key.QueryString(valueName("Lines", type)), lineCount);
        stored.bestLines = linesOf(key.QueryString(valueName("BestLines", type)), lineCount);
        stored.costliest = costliestOf(key.QueryString(valueName("Costliest", type)), type);
    }
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
    m_recorded[at(type)] = true;
}

GameStatistics TrainerStatistics::allTime(GameType type) const {
    GameStatistics all = m_stored[at(type)];
    all.merge(m_session[at(type)]);
    return all;
}

void TrainerStatistics::save() {
    RegistryKey key(m_store);
    key.Open(m_subKey);
    for (int game = 0; game < gameCount; ++game) {
        const auto type = static_cast<GameType>(game);
        if (!m_recorded[at(type)])
            continue;
        const GameStatistics all = allTime(type);
        for (const NamedFigure& named : figures)
            key.SetString(valueName(named.name, type), std::to_string(all.*named.figure));
        const int lineCount = payTable(type).lineCount;
        key.SetString(valueName("Lines", type), lineText(all.lines, lineCount));
        key.SetString(valueName("BestLines", type), lineText(all.bestLines, lineCount));
        if (all.costliest)
            key.SetString(valueName("Costliest", type), costliestText(*all.costliest));
    }
}

void TrainerStatistics::reset(GameType type) {
    RegistryKey key(m_store);
    key.Open(m_subKey);
    for (const NamedFigure& named : figures)
        key.DeleteValue(valueName(named.name, type));
    for (const char* name : {"Lines", "BestLines", "Costliest"})
        key.DeleteValue(valueName(name, type));
    m_stored[at(type)] = {};
    m_session[at(type)] = {};
    m_recorded[at(type)] = false;
}

} // namespace quintaro
