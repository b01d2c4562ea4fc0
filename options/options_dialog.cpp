#include "options/options_dialog.h"

#include "displays/choice_list.h"
#include "displays/classic_colours.h"
#include "displays/framed_tab.h"
#include "displays/grow_to_fit_texts.h"
#include "displays/outlined_group_box.h"
#include "displays/table_font.h"
#include "options/backs_page.h"
#include "options/extras_page.h"
#include "options/faces_page.h"
#include "options/list_preview_page.h"
#include "persist/game_frame_window.h"
#include "platform/translated_text.h"
#include "wqgame/resource_module.h"

#include <QCoreApplication>
#include <QGroupBox>
#include <QListWidget>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>

namespace quintaro {

namespace {

struct OptionsControl {
    int left;
    int top;
    int width;
    int height;
    const char* text;
    const char* help;

    QRect rect() const { return {left, top, width, height}; }
};

struct OptionsLayout {
    int width;
    int height;
    int fontPixels;
    const char* title;
    // Every page gets this rectangle; each tab moves its top onto its own foot.
    QRect page;
    std::array<OptionsControl, 4> tabs;
    OptionsControl gameGroup;
    std::array<OptionsControl, 3> games;
    OptionsControl ok;
    OptionsControl cancel;
};

const OptionsLayout optionsLayout{
    515,
    246,
    12,
    QUINTARO_TEXT("Options", "Quintaro Options"),
    QRect(QPoint(10, 0), QPoint(505, 196)),
    {{
        {17, 5, 81, 24, QUINTARO_TEXT("Options", "&Options"),
         QUINTARO_TEXT("Options",
                       "Click the Options tab to bring up various game-specific options.")},
        {97, 5, 81, 24, QUINTARO_TEXT("Options", "&Faces"),
         QUINTARO_TEXT("Options", "Click the Faces tab to change the faces of the playing cards.")},
        {177, 5, 81, 24, QUINTARO_TEXT("Options", "&Backs"),
         QUINTARO_TEXT("Options", "Click the Backs tab to change the backs of the playing cards.")},
        {257, 5, 81, 24, QUINTARO_TEXT("Options", "&Extras"),
         QUINTARO_TEXT("Options", "Click the Extras tab to change the background color or to "
                                  "change the sounds played by "
                                  "the game.")},
    }},
    {175, 43, 164, 125, QUINTARO_TEXT("Options", "Game To Play"), ""},
    {{
        {190, 72, 124, 20, QUINTARO_TEXT("Options", "&Straight Poker"),
         QUINTARO_TEXT(
             "Options",
             "Click this radio button to change to a game of straight (jacks or better) poker.")},
        {190, 102, 124, 20, QUINTARO_TEXT("Options", "&Jokers Wild"),
         QUINTARO_TEXT("Options",
                       "Click this radio button to change to a game of Jokers Wild Poker.  This "
                       "game is easier "
                       "than Straight Poker, but the payoffs are lower and more difficult.")},
        {190, 132, 124, 20, QUINTARO_TEXT("Options", "&Deuces Wild"),
         QUINTARO_TEXT(
             "Options",
             "Click this radio button to change to a game of Deuces Wild Poker.  This game is even "
             "easier to play than Jokers Wild Poker, but the payoffs are the lowest of all three "
             "games.")},
    }},
    {355, 218, 70, 20, QUINTARO_TEXT("Options", "OK"),
     QUINTARO_TEXT(
         "Options",
         "Click OK to accept the changes you have made to the game options.  If you have a game in "
         "progress, the game will be restarted.")},
    {435, 218, 70, 20, QUINTARO_TEXT("Options", "Cancel"),
     QUINTARO_TEXT("Options", "Click Cancel to cancel any changes to game options you may have "
                              "made.  Click here if you do "
                              "not wish to save any changes you have made to the game options.")},
};

constexpr int restartQueryId = 1000;
constexpr int yes = 2;

QString text(const char* english) {
    return QCoreApplication::translate("Options", english);
}

template <typename Control> Control* place(Control* control, const OptionsControl& layout) {
    control->setGeometry(layout.rect());
    control->setWhatsThis(text(layout.help));
    return control;
}

} // namespace

OptionsDialog::OptionsDialog(GameFrameWindow& frame, std::uint32_t balance, GameType game,
                             int faceSet, int back)
    : CenteredDialog(&frame), m_balance(balance), m_presetFaceSet(faceSet), m_presetBack(back) {
    const OptionsLayout& layout = optionsLayout;
    setFixedSize(layout.width, layout.height);
    setWindowTitle(text(layout.title));
    setFont(dialogFont(layout.fontPixels));
    // Before the pages: the faces page fills its empty preview cells with the surface.
    useClassicSurface(*this);

    m_optionsTab = place(
        new FramedTab(this, layout.tabs[0].rect(), text(layout.tabs[0].text), layout.page, true),
        layout.tabs[0]);
    m_facesPage =
        place(new FacesPage(this, layout.tabs[1].rect(), text(layout.tabs[1].text), layout.page),
              layout.tabs[1]);
    m_backsPage =
        place(new BacksPage(this, layout.tabs[2].rect(), text(layout.tabs[2].text), layout.page),
              layout.tabs[2]);
    m_extrasPage = place(
        new ExtrasPage(this, frame, layout.tabs[3].rect(), text(layout.tabs[3].text), layout.page),
        layout.tabs[3]);

    m_gameGroup = place(new QGroupBox(text(layout.gameGroup.text), this), layout.gameGroup);
    drawOutlineOnly(*m_gameGroup);
    for (std::size_t i = 0; i < m_gameButtons.size(); ++i)
        m_gameButtons[i] =
            place(new QRadioButton(text(layout.games[i].text), this), layout.games[i]);
    m_ok = place(new QPushButton(text(layout.ok.text), this), layout.ok);
    m_cancel = place(new QPushButton(text(layout.cancel.text), this), layout.cancel);
    m_ok->setDefault(true);

    m_facesPage->setUpPage();
    m_backsPage->setUpPage();
    m_extrasPage->setUp();

    connect(m_ok, &QPushButton::clicked, this, &OptionsDialog::okCheck);
    connect(m_cancel, &QPushButton::clicked, this, &QDialog::reject);

    m_optionsTab->addPageControl(m_gameGroup);
    for (QRadioButton* button : m_gameButtons)
        m_optionsTab->addPageControl(button);
    m_optionsTab->select(true);
    m_ok->setFocus(Qt::OtherFocusReason);

    gameButton(gameTypeNumber(game))->setChecked(true);
    selectRow(*m_facesPage->nameList(), faceSet);
    selectRow(*m_backsPage->nameList(), back);
    m_extrasPage->selectBackground(frame.background());
    growToFitTexts(*this);
}

OptionsDialog::~OptionsDialog() {
    // Before the dialog's children go, while the page's sound switch still exists.
    delete m_extrasPage;
}

GameType OptionsDialog::chosenGame() const {
    if (m_gameButtons[0]->isChecked())
        return GameType::StraightPoker;
    if (m_gameButtons[1]->isChecked())
        return GameType::JokersWildPoker;
    return GameType::DeucesWildPoker;
}

// A list left without a selection keeps the look in use rather than naming no entry.
int OptionsDialog::chosenFaceSet() const {
    const int row = selectedRow(*m_facesPage->nameList());
    return row < 0 ? m_presetFaceSet : row;
}

int OptionsDialog::chosenBack() const {
    const int row = selectedRow(*m_backsPage->nameList());
    return row < 0 ? m_presetBack : row;
}

void OptionsDialog::applyBackground(GameFrameWindow& frame) {
    m_extrasPage->applyBackground(frame);
}

void OptionsDialog::applySounds(GameFrameWindow& frame) {
    m_extrasPage->applySounds(frame);
}

void OptionsDialog::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    m_facesPage->paintPage(painter);
    m_backsPage->paintPage(painter);
    m_extrasPage->paintPreview(painter);
    m_optionsTab->paintGroupFrame(painter);
}

void OptionsDialog::okCheck() {
    if (m_balance != 0) {
        wqgame::LibraryBracket library;
        if (wqgame::runQueryBox(this, restartQueryId) != yes)
            return;
    }
    accept();
}

} // namespace quintaro
