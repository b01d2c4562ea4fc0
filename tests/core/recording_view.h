#pragma once

#include "round/round_flow.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

namespace quintaro::test {

using Log = std::vector<std::string>;

// Records what the round flow asks of the screen as "kind:detail" lines; a card drawn
// now notes whether it shows its face or its back, a figure drawn now the value it shows.
class RecordingView : public TableView {
public:
    const RoundFlow* flow = nullptr;
    Log log;
    std::string nameToSignIn = "Ann";
    bool answerYes = true;

    void errorBeep() override { log.push_back("beep:error"); }
    void playSoundEvent(const std::string& event) override { log.push_back("sound:" + event); }
    void drawCardNow(int window) override {
        const bool up = flow->card(window)->state == CardState::FaceUp;
        log.push_back("draw:" + std::to_string(window) + (up ? ":up" : ":down"));
    }
    void cardWindowChanged(int window) override {
        log.push_back("caption:" + std::to_string(window));
    }
    void columnBandChanged(int column, int band) override {
        log.push_back("band:" + std::to_string(column) + "/" + std::to_string(band));
    }
    void columnChanged(int column) override { log.push_back("column:" + std::to_string(column)); }
    void drawWinFigure() override { log.push_back("win:" + std::to_string(flow->state().lastWin)); }
    void drawBalanceFigure() override {
        log.push_back("balance:" + std::to_string(flow->state().balance));
    }
    void flushRepaints() override { log.push_back("flush"); }
    void hintAreaChanged() override { log.push_back("hint"); }
    void statusVisibilityChanged(bool visible) override {
        log.push_back(visible ? "status:shown" : "status:hidden");
    }
    void dealButtonTextChanged(const std::string& text) override {
        log.push_back("button:" + text);
    }
    void titleChanged(const std::string& title) override { log.push_back("title:" + title); }
    void tableChanged() override { log.push_back("table"); }
    std::string signIn(const std::string& name) override {
        log.push_back("signin:" + name);
        return nameToSignIn;
    }
    bool askYesNo(int queryId) override {
        log.push_back("ask:" + std::to_string(queryId));
        return answerYes;
    }
    void showMessage(const std::string& message) override { log.push_back("message:" + message); }

    Log matching(const std::string& prefix) const {
        Log found;
        for (const auto& entry : log)
            if (entry.rfind(prefix, 0) == 0)
                found.push_back(entry);
        return found;
    }
    bool has(const std::string& entry) const {
        return std::find(log.begin(), log.end(), entry) != log.end();
    }
    // The entries in this order, whatever else comes between them: the order the player
    // sees and hears, not every call the flow happens to make.
    testing::AssertionResult inOrder(const Log& wanted) const {
        auto at = log.begin();
        for (const auto& entry : wanted) {
            at = std::find(at, log.end(), entry);
            if (at == log.end())
                return testing::AssertionFailure()
                       << entry << " missing or out of order in " << testing::PrintToString(log);
            ++at;
        }
        return testing::AssertionSuccess();
    }
};

} // namespace quintaro::test
