#pragma once

#include "round/table_view.h"

#include <string>

namespace quintaro::test {

// A table view that shows nothing, signs in under the name offered and answers every
// question yes: for playing rounds off screen.
class SilentView : public TableView {
public:
    void errorBeep() override {}
    void playSoundEvent(const std::string&) override {}
    void drawCardNow(int) override {}
    void cardWindowChanged(int) override {}
    void columnBandChanged(int, int) override {}
    void columnChanged(int) override {}
    void drawWinFigure() override {}
    void drawBalanceFigure() override {}
    void flushRepaints() override {}
    void hintAreaChanged() override {}
    void statusVisibilityChanged(bool) override {}
    void dealButtonTextChanged(const std::string&) override {}
    void titleChanged(const std::string&) override {}
    void tableChanged() override {}
    std::string signIn(const std::string& name) override { return name; }
    bool askYesNo(int) override { return true; }
    void showMessage(const std::string&) override {}
};

} // namespace quintaro::test
