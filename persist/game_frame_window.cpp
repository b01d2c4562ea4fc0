#include "persist/game_frame_window.h"

#include "about/about_dialog.h"
#include "about/help_window.h"
#include "about/popup_help.h"
#include "displays/vga_palette.h"
#include "platform/deferred_sound_output.h"
#include "platform/ini_registry_store.h"
#include "platform/qt_beeper.h"
#include "platform/screen_fit.h"
#include "platform/window_placement.h"
#include "poker/random_sequence.h"
#include "wqgame/resource_module.h"

#include <QAction>
#include <QActionEvent>
#include <QApplication>
#include <QBrush>
#include <QKeyEvent>
#include <QLayout>
#include <QMenu>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QScreen>

#include <memory>

namespace quintaro {

namespace {

// The class of machine that picks the AnimationDelay default. The program runs on
// desktops only, and every desktop counts as the class with the 10000 default.
constexpr int desktopSystemClass = 3;

// The help menu of the resource library and what its entries do, by position.
struct HelpMenuLook {
    int menuId = 1000;
    int aboutItemId = 99;
    // Where the program's name goes into the About entry's text.
    qsizetype nameAt = 7;
    const char* versionNumber = "1.0";
};
const HelpMenuLook helpLook;

enum HelpMenuPosition {
    ContentsPosition = 0,
    HowToPlayPosition = 1,
    UsingHelpPosition = 2,
    PopupHelpPosition = 4,
    AboutPosition = 6,
};

} // namespace

// The client area: hands paint and mouse presses to its frame window.
class FrameClient : public QWidget {
public:
    FrameClient(GameFrameWindow* frame, QSize size) : QWidget(frame), m_frame(frame) {
        setFixedSize(size);
        setAttribute(Qt::WA_OpaquePaintEvent);
    }

protected:
    void paintEvent(QPaintEvent* event) override {
        QPainter painter(this);
        m_frame->paintClient(painter, event->rect());
    }
    void mousePressEvent(QMouseEvent* event) override { m_frame->clientMousePress(event); }

private:
    GameFrameWindow* m_frame;
};

GameFrameWindow::GameFrameWindow(const QString& title, QSize clientSize, RegistryStore* store,
                                 SoundOutput* output)
    : m_client(new FrameClient(this, clientSize)), m_settingsKeyName(title),
      m_ownStore(store ? nullptr : std::make_unique<IniRegistryStore>()),
      m_store(store ? store : m_ownStore.get()),
      m_ownOutput(output ? nullptr : std::make_unique<DeferredSoundOutput>()),
      m_output(output ? output : m_ownOutput.get()),
      m_beeper(std::make_unique<QtBeeper>(*m_output)), m_popupHelp(new PopupHelp(this)) {
    setWindowTitle(title);
    setCentralWidget(m_client);
    layout()->setSizeConstraint(QLayout::SetFixedSize);
    qApp->installEventFilter(m_popupHelp);
    attachHelpMenu();

    // F1 works wherever the focus is, in the help window too.
    auto* help = new QAction(this);
    help->setShortcut(QKeySequence(Qt::Key_F1));
    help->setShortcutContext(Qt::ApplicationShortcut);
    addAction(help);
    connect(help, &QAction::triggered, this, [this] { showHelpTopic(HelpWindow::contentsTopic); });

    seedProcessRandomSequence();
    m_settings = loadFrameSettings(*m_store, m_settingsKeyName.toStdString(), tableWindowNumber,
                                   desktopSystemClass);
    loadBackgroundPicture();
    PlaySound(FindSound(startSoundEvent(m_settingsKeyName.toStdString())));
}

GameFrameWindow::~GameFrameWindow() {
    saveFrameSettings(*m_store, m_settingsKeyName.toStdString(), m_settings);
}

void GameFrameWindow::setBackground(std::uint8_t choice) {
    m_settings.background = std::min(choice, lastBackground);
    loadBackgroundPicture();
    m_client->update();
}

void GameFrameWindow::setBackgroundPicture(const QImage& picture) {
    m_backgroundPicture =
        DevicePicture([picture](qreal ratio) { return tileForRatio(picture, ratio); },
                      m_client->devicePixelRatioF());
    m_client->update();
}

void GameFrameWindow::loadBackgroundPicture() {
    m_backgroundPicture = DevicePicture();
    if (m_settings.background < firstPictureBackground)
        return;
    const int id = backgroundBitmapBase + m_settings.background;
    m_backgroundPicture = DevicePicture(
        [id](qreal ratio) {
            wqgame::LibraryBracket library;
            return tileForRatio(wqgame::loadBitmap(id, ratio), ratio);
        },
        m_client->devicePixelRatioF());
}

void GameFrameWindow::RegisterSound(const std::string& name, const std::string& defaultFile) {
    quintaro::RegisterSound(m_settings.soundEvents, name, defaultFile);
}

std::string GameFrameWindow::FindSound(const std::string& name) const {
    return quintaro::FindSound(m_settings.soundEvents, name);
}

bool GameFrameWindow::soundDevicePresent() const {
    if (!m_soundDevicePresent)
        m_soundDevicePresent = m_output->deviceCount() != 0;
    return *m_soundDevicePresent;
}

void GameFrameWindow::PlaySound(const std::string& file) {
    // No file, nothing to ask of the sound output: the start usually has no sound.
    if (file.empty())
        return;
    quintaro::PlaySound(*m_output, soundDevicePresent(), m_settings.soundEnabled, file);
}

void GameFrameWindow::setPopupHelpMode(bool on) {
    if (m_popupHelpMode == on)
        return;
    m_popupHelpMode = on;
    m_popupHelp->setOn(on);
    if (m_popupHelpItem != nullptr)
        m_popupHelpItem->setChecked(on);
    Q_EMIT popupHelpModeChanged(on);
}

void GameFrameWindow::attachHelpMenu() {
    std::optional<wqgame::MenuResource> menu;
    {
        wqgame::LibraryBracket library;
        menu = wqgame::loadMenu(helpLook.menuId);
    }
    if (!menu)
        return;
    m_helpMenu = new QMenu(menu->text, this);
    for (const wqgame::MenuItemResource& item : menu->items) {
        if (item.separator) {
            m_helpMenu->addSeparator();
            continue;
        }
        QString text = item.text;
        if (item.id == helpLook.aboutItemId && text.contains(QLatin1String("%1")))
            text = text.arg(m_settingsKeyName);
        else if (item.id == helpLook.aboutItemId)
            text.insert(helpLook.nameAt, m_settingsKeyName);
        QAction* action = m_helpMenu->addAction(text);
        if (item.checkable) {
            action->setCheckable(true);
            m_popupHelpItem = action;
        }
        const int position = item.position;
        connect(action, &QAction::triggered, this,
                [this, position] { onHelpMenuSelect(position); });
    }
    connect(m_helpMenu, &QMenu::aboutToShow, this, [this] {
        if (m_popupHelpItem != nullptr)
            m_popupHelpItem->setChecked(m_popupHelpMode);
    });
    menuBar()->addMenu(m_helpMenu);
    // The game adds its own menus after this constructor; the help menu moves behind them.
    menuBar()->installEventFilter(this);
}

void GameFrameWindow::keepHelpMenuLast() {
    QAction* help = m_helpMenu->menuAction();
    if (menuBar()->actions().constLast() == help)
        return;
    menuBar()->removeAction(help);
    menuBar()->addAction(help);
}

void GameFrameWindow::onHelpMenuSelect(int position) {
    switch (position) {
    case ContentsPosition:
        showHelpTopic(HelpWindow::contentsTopic);
        break;
    case HowToPlayPosition:
        showHelpTopic(HelpWindow::howToPlayTopic);
        break;
    case UsingHelpPosition:
        showHelpTopic(HelpWindow::usingHelpTopic);
        break;
    case PopupHelpPosition:
        setPopupHelpMode(!m_popupHelpMode);
        break;
    case AboutPosition:
        runAboutBox();
        break;
    default:
        break;
    }
}

void GameFrameWindow::showHelpTopic(int topic) {
    if (m_helpWindow == nullptr)
        m_helpWindow = new HelpWindow(this, m_settingsKeyName);
    m_helpWindow->showTopic(topic);
}

void GameFrameWindow::runAboutBox() {
    modalNotification(true);
    const QString version = QCoreApplication::translate("About", "Version %1")
                                .arg(QString::fromUtf8(helpLook.versionNumber));
    std::unique_ptr<AboutDialog> dialog;
    {
        wqgame::LibraryBracket library;
        dialog = std::make_unique<AboutDialog>(this, version, m_settingsKeyName);
    }
    dialog->exec();
    dialog.reset();
    modalNotification(false);
}

void GameFrameWindow::modalNotification(bool) {}

void GameFrameWindow::paintBackground(QPainter& painter, const QRect& rect) const {
    if (m_settings.background < firstPictureBackground) {
        painter.fillRect(rect, vgaColour(m_settings.background));
        return;
    }
    // A picture that could not be loaded leaves the background unpainted.
    const QImage& tile = m_backgroundPicture.forPainter(painter);
    if (tile.isNull())
        return;
    drawTiles(painter, rect, tile, QPoint(0, 0));
}

void GameFrameWindow::paintClient(QPainter& painter, const QRect& rect) {
    paintBackground(painter, rect);
}

void GameFrameWindow::clientMousePress(QMouseEvent* event) {
    event->ignore();
}

void GameFrameWindow::keyPressEvent(QKeyEvent* event) {
    if (event->key() != Qt::Key_Escape) {
        QMainWindow::keyPressEvent(event);
        return;
    }
    setPopupHelpMode(false);
    showMinimized();
    event->accept();
}

void GameFrameWindow::closeEvent(QCloseEvent* event) {
    PlaySound(FindSound(exitSoundEvent(m_settingsKeyName.toStdString())));
    QMainWindow::closeEvent(event);
}

void GameFrameWindow::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    if (m_placed)
        return;
    m_placed = true;
    if (windowState() & (Qt::WindowMaximized | Qt::WindowMinimized) || !programPlacesWindows())
        return;
    keepOnScreen();
}

bool GameFrameWindow::eventFilter(QObject* watched, QEvent* event) {
    if (m_helpMenu != nullptr && watched == menuBar() && event->type() == QEvent::ActionAdded &&
        static_cast<QActionEvent*>(event)->action() != m_helpMenu->menuAction())
        keepHelpMenuLast();
    return QMainWindow::eventFilter(watched, event);
}

// The available area of the screen stands for the size of a maximised window.
void GameFrameWindow::keepOnScreen() {
    const QScreen* shownOn = screen();
    if (shownOn == nullptr)
        return;
    const QRect area = shownOn->availableGeometry();
    const QRect frame = frameGeometry();
    const auto moved =
        quintaro::keepOnScreen({frame.x() - area.x(), frame.y() - area.y()}, frame.width(),
                               frame.height(), area.width(), area.height());
    if (moved)
        move(moved->x + area.x(), moved->y + area.y());
}

} // namespace quintaro
