#include "app/table_window.h"

#include "app/game_menu.h"
#include "app/table_layout.h"
#include "displays/table_font.h"
#include "persist/decimal_text.h"
#include "persist/registry_key.h"

#include <QAction>
#include <QMenuBar>
#include <QPushButton>

namespace quintaro {

namespace {

QWidget* placeChild(QWidget* child, const table_layout::Box& box, int fontHeight,
                    const char* help) {
    child->setGeometry(box.left, box.top, box.width, box.height);
    child->setFont(tableFont(fontHeight));
    if (help != nullptr)
        child->setWhatsThis(QString::fromUtf8(help));
    return child;
}

} // namespace

TableWindow::TableWindow(RegistryStore* store, SoundOutput* output)
    : GameFrameWindow(QStringLiteral("Quintaro"),
                      QSize(table_layout::clientWidth, table_layout::clientHeight), store, output) {
    using namespace table_layout;
    setWindowIcon(QIcon(QStringLiteral(":/quintaro.svg")));
    client()->setFont(tableFont(windowFontHeight));
    client()->setWhatsThis(QString::fromUtf8(windowHelp));

    m_statusWindow = placeChild(new QWidget(client()), status, statusFontHeight, nullptr);
    m_statusWindow->hide();
    m_handNames = placeChild(new QWidget(client()), handNames, handNamesFontHeight, handNamesHelp);
    m_dealButton = new QPushButton(QStringLiteral("Deal"), client());
    placeChild(m_dealButton, table_layout::dealButton, dealButtonFontHeight, dealButtonHelp);
    m_dealButton->setObjectName(QStringLiteral("dealButton"));

    for (std::size_t i = 0; i < 5; ++i) {
        m_cardWindows[i] = placeChild(
            new QWidget(client()),
            Box{cardWindowLefts[i], cardWindowTop, cardWindowWidth, cardWindowHeight},
            cardWindowFontHeight, cardWindowHelps[i]);
        m_paylines[i] = placeChild(new QWidget(client()),
                                   Box{paylineLefts[i], paylineTop, paylineWidth, paylineHeight},
                                   paylineFontHeight, paylineHelps[i]);
        m_paylines[i]->setWindowTitle(QString::fromUtf8(paylineHeaders[i]));
    }
    buildMenu();

    RegistryKey key(registryStore());
    key.Open(settingsKeyName().toStdString());
    // A game type this program does not know falls back to Straight Poker.
    const auto storedGame = decimalValue(key.QueryString("GameType"));
    if (storedGame && (*storedGame & 0xFFFF) <= 2)
        m_gameType = static_cast<std::uint16_t>(*storedGame & 0xFFFF);
    registerGameSounds();
}

TableWindow::~TableWindow() {
    RegistryKey key(registryStore());
    key.Open(settingsKeyName().toStdString());
    key.SetString("GameType", std::to_string(m_gameType));
}

void TableWindow::registerGameSounds() {
    RegisterSound("Change Bet", "slotcoin");
    RegisterSound("Deal Cards", "cardshuf");
    RegisterSound("Flip Card - Front", "click_5");
    RegisterSound("Flip Card - Back", "click_4");
    RegisterSound("Jackpot", "slotjack");
    RegisterSound("You are Broke", "instr_2");
}

void TableWindow::buildMenu() {
    QMenu* game = menuBar()->addMenu(QString::fromUtf8(gameMenuTitle));
    for (const GameMenuItem& item : gameMenuItems) {
        if (item.id == GameMenuSeparator) {
            game->addSeparator();
            continue;
        }
        QAction* action = game->addAction(QString::fromUtf8(item.text));
        action->setShortcut(QKeySequence(QString::fromUtf8(item.shortcut)));
        // The shortcuts must work wherever the focus is on the table.
        action->setShortcutContext(Qt::ApplicationShortcut);
        action->setWhatsThis(QString::fromUtf8(item.help));
        action->setStatusTip(QString::fromUtf8(item.help));
        const int id = item.id;
        connect(action, &QAction::triggered, this, [this, id] { onMenuSelect(id); });
    }
}

void TableWindow::onMenuSelect(int id) {
    switch (id) {
    case GameMenuExit:
        close();
        break;
    default:
        break;
    }
}

} // namespace quintaro
