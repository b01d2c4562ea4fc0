#pragma once

#include "displays/device_pixels.h"
#include "persist/frame_settings.h"
#include "platform/beeper.h"
#include "platform/registry_store.h"
#include "platform/sound_output.h"

#include <QMainWindow>

#include <cstdint>
#include <memory>
#include <optional>
#include <string>

class QAction;
class QMenu;
class QPainter;

namespace quintaro {

class HelpWindow;
class PopupHelp;

// The main window every game of the family shares: a fixed client area on which the
// game paints its background, the settings named by the window title (loaded at
// construction, saved at destruction), the sound events with the Start and Exit sounds,
// the help menu with the pop-up help and the About box, F1, the Escape key and the close
// request.
class GameFrameWindow : public QMainWindow {
    Q_OBJECT
public:
    // The store and the output, when given, must outlive the window. By default the window
    // keeps its settings in the INI store and plays through Qt Multimedia.
    GameFrameWindow(const QString& title, QSize clientSize, RegistryStore* store = nullptr,
                    SoundOutput* output = nullptr);
    ~GameFrameWindow() override;

    const QString& settingsKeyName() const { return m_settingsKeyName; }
    // The widget whose coordinates are the client coordinates of the window.
    QWidget* client() const { return m_client; }
    // The store the settings live in; the game keeps its own values there too.
    RegistryStore& registryStore() const { return *m_store; }
    // Plays whatever it is given, whatever the sound switch says: for previews.
    SoundOutput& soundOutput() const { return *m_output; }
    Beeper& beeper() const { return *m_beeper; }

    std::uint16_t skillLevel() const { return m_settings.skillLevel; }
    std::int8_t animationSpeed() const { return m_settings.animationSpeed; }
    std::uint32_t animationDelay() const { return m_settings.animationDelay; }

    // 0 to 15 a colour of the 16-colour palette, 16 to 30 a tiled picture.
    std::uint8_t background() const { return m_settings.background; }
    // Takes the choice into use and loads its picture; a choice above 30 means 30.
    void setBackground(std::uint8_t choice);
    // Null for a colour, or when the picture could not be loaded; else the tile as made for
    // the pixel ratio the client was last painted at.
    const QImage& backgroundPicture() const { return m_backgroundPicture.image(); }
    // Replaces the picture of the choice in use with one already loaded, at any scale: it is
    // resampled to the client's pixel ratio.
    void setBackgroundPicture(const QImage& picture);

    // 0 off, anything else on.
    std::uint8_t soundEnabled() const { return m_settings.soundEnabled; }
    void setSoundEnabled(std::uint8_t enabled) { m_settings.soundEnabled = enabled; }
    const SoundEventList& soundEvents() const { return m_settings.soundEvents; }
    void setSoundEvents(SoundEventList events) { m_settings.soundEvents = std::move(events); }
    // Asked of the sound output when first needed: the answer takes a round trip to the
    // sound server, which start-up need not wait for.
    bool soundDevicePresent() const;

    void RegisterSound(const std::string& name, const std::string& defaultFile);
    std::string FindSound(const std::string& name) const;
    // Plays only with a device present, sound on and a file given.
    void PlaySound(const std::string& file);

    // While on, help texts pop up over the controls they describe.
    bool popupHelpMode() const { return m_popupHelpMode; }
    void setPopupHelpMode(bool on);

    // The help menu from the resource library, kept last on the menu bar; null when the
    // library was not open at construction.
    QMenu* helpMenu() const { return m_helpMenu; }
    // Runs the help menu's entry at `position`: 0, 1, 2 help topics, 4 the pop-up help
    // switch, 6 the About box; any other position does nothing.
    void onHelpMenuSelect(int position);
    // Opens the help window on a topic (see HelpWindow); F1 opens the contents.
    void showHelpTopic(int topic);
    // Null until a help topic was first shown.
    HelpWindow* helpWindow() const { return m_helpWindow; }

    // Fills a rectangle of the client area with the table background.
    void paintBackground(QPainter& painter, const QRect& rect) const;

Q_SIGNALS:
    void popupHelpModeChanged(bool on);

protected:
    // Called with true before the help menu runs a modal dialog and with false after it.
    virtual void modalNotification(bool entering);

    // Paints a damaged rectangle of the client area; the default paints the background.
    virtual void paintClient(QPainter& painter, const QRect& rect);
    virtual void clientMousePress(QMouseEvent* event);

    void keyPressEvent(QKeyEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    friend class FrameClient;

    void loadBackgroundPicture();
    void keepOnScreen();
    void attachHelpMenu();
    void keepHelpMenuLast();
    void runAboutBox();

    QWidget* m_client;
    QString m_settingsKeyName;
    std::unique_ptr<RegistryStore> m_ownStore;
    RegistryStore* m_store;
    std::unique_ptr<SoundOutput> m_ownOutput;
    SoundOutput* m_output;
    std::unique_ptr<Beeper> m_beeper;
    mutable std::optional<bool> m_soundDevicePresent;
    FrameSettings m_settings;
    mutable DevicePicture m_backgroundPicture;
    bool m_popupHelpMode = false;
    bool m_placed = false;
    PopupHelp* m_popupHelp;
    QMenu* m_helpMenu = nullptr;
    QAction* m_popupHelpItem = nullptr;
    HelpWindow* m_helpWindow = nullptr;
};

} // namespace quintaro
