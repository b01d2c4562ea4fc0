#include "options/extras_page.h"

#include "displays/choice_list.h"
#include "displays/outlined_group_box.h"
#include "displays/vga_palette.h"
#include "options/locate_sound_dialog.h"
#include "persist/frame_settings.h"
#include "persist/game_frame_window.h"
#include "platform/sound_folder.h"
#include "wqgame/control_layouts.h"
#include "wqgame/library_control.h"
#include "wqgame/resource_module.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QGroupBox>
#include <QListWidget>
#include <QPainter>
#include <QPushButton>

#include <algorithm>

namespace quintaro {

namespace {

// A sound event as the list shows it, in the program's language; the settings keep the
// English name. The start and exit events are named after the program.
QString soundEventText(const std::string& name, const QString& programName) {
    const std::string program = programName.toStdString();
    if (name == startSoundEvent(program))
        return QCoreApplication::translate("Sounds", "%1 Start").arg(programName);
    if (name == exitSoundEvent(program))
        return QCoreApplication::translate("Sounds", "%1 Exit").arg(programName);
    return QCoreApplication::translate("Sounds", name.c_str());
}

struct ExtrasLook {
    int backgroundGroupId = 1002;
    int soundGroupId = 1003;
    int backgroundListId = 1002;
    int soundSwitchId = 1000;
    int soundListId = 1001;
    int locateId = 1001;
    int playId = 1002;
    int backgroundNamesId = 1004;
    QPoint backgroundGroupAt{60, 40};
    QPoint backgroundListAt{95, 72};
    QPoint soundGroupAt{270, 40};
    QPoint soundSwitchAt{279, 54};
    QPoint soundListAt{279, 77};
    QPoint locateAt{281, 150};
    QPoint playAt{370, 150};
    // Inside the background box by these margins, left, top, right and bottom; the
    // background list lies within it.
    QMargins previewInset{8, 16, 6, 9};
};
const ExtrasLook look;

DevicePicture backgroundPicture(int choice, qreal ratio) {
    if (choice < firstPictureBackground)
        return {};
    return DevicePicture(
        [choice](qreal ratio) {
            wqgame::LibraryBracket library;
            return tileForRatio(wqgame::loadBitmap(backgroundBitmapBase + choice, ratio), ratio);
        },
        ratio);
}

} // namespace

ExtrasPage::ExtrasPage(QWidget* dialog, GameFrameWindow& frame, const QRect& geometry,
                       const QString& text, const QRect& pageRect)
    : FramedTab(dialog, geometry, text, pageRect, false), m_dialog(dialog), m_frame(frame) {}

ExtrasPage::~ExtrasPage() {
    if (m_soundSwitch)
        m_frame.setSoundEnabled(m_soundSwitch->isChecked() ? 1 : 0);
}

void ExtrasPage::setUp() {
    using wqgame::ControlKind;
    QString backgroundNames;
    {
        wqgame::LibraryBracket library;
        m_backgroundGroup = wqgame::libraryControl<QGroupBox>(
            m_dialog, ControlKind::GroupBox, look.backgroundGroupId, look.backgroundGroupAt);
        m_soundGroup = wqgame::libraryControl<QGroupBox>(m_dialog, ControlKind::GroupBox,
                                                         look.soundGroupId, look.soundGroupAt);
        m_backgroundList = wqgame::libraryControl<ChoiceList>(
            m_dialog, ControlKind::ListBox, look.backgroundListId, look.backgroundListAt);
        m_soundSwitch = wqgame::libraryControl<QCheckBox>(m_dialog, ControlKind::CheckBox,
                                                          look.soundSwitchId, look.soundSwitchAt);
        m_soundList = wqgame::libraryControl<ChoiceList>(m_dialog, ControlKind::ListBox,
                                                         look.soundListId, look.soundListAt);
        m_locate = wqgame::libraryControl<QPushButton>(m_dialog, ControlKind::PushButton,
                                                       look.locateId, look.locateAt);
        m_play = wqgame::libraryControl<QPushButton>(m_dialog, ControlKind::PushButton, look.playId,
                                                     look.playAt);
        backgroundNames = wqgame::loadString(look.backgroundNamesId);
    }
    drawOutlineOnly(*m_backgroundGroup);
    drawOutlineOnly(*m_soundGroup);
    // A screen reader names each list by the box around it.
    m_backgroundList->setAccessibleName(m_backgroundGroup->title());
    m_soundList->setAccessibleName(m_soundGroup->title());
    m_backgroundList->addItems(listNames(backgroundNames));
    m_previewPicture = backgroundPicture(std::min<int>(m_frame.background(), lastBackground),
                                         m_dialog->devicePixelRatioF());

    connect(m_backgroundList, &QListWidget::itemSelectionChanged, this,
            &ExtrasPage::onBackgroundSelected);
    connect(m_soundSwitch, &QCheckBox::clicked, this, &ExtrasPage::enableSoundControls);
    connect(m_locate, &QPushButton::clicked, this, &ExtrasPage::locateSelected);
    connect(m_play, &QPushButton::clicked, this, &ExtrasPage::playSelected);
    connect(m_soundList, &QListWidget::itemDoubleClicked, this, &ExtrasPage::playSelected);

    m_soundCopy = m_frame.soundEvents();
    for (const SoundEvent& event : m_soundCopy) {
        auto* item =
            new QListWidgetItem(soundEventText(event.name, m_frame.settingsKeyName()), m_soundList);
        item->setData(Qt::UserRole, QString::fromStdString(event.name));
    }
    selectRow(*m_soundList, 0);

    m_soundSwitch->setChecked(m_frame.soundEnabled() != 0);
    if (m_frame.soundDevicePresent()) {
        enableSoundControls(m_soundSwitch->isChecked());
    } else {
        m_soundSwitch->setEnabled(false);
        enableSoundControls(false);
    }

    for (QWidget* control :
         std::initializer_list<QWidget*>{m_backgroundList, m_backgroundGroup, m_soundSwitch,
                                         m_soundGroup, m_locate, m_play, m_soundList})
        addPageControl(control);
}

void ExtrasPage::selectBackground(int choice) {
    selectRow(*m_backgroundList, choice);
}

int ExtrasPage::selectedBackground() const {
    return selectedRow(*m_backgroundList);
}

QRect ExtrasPage::previewRect() const {
    return m_backgroundGroup->geometry().marginsRemoved(look.previewInset);
}

void ExtrasPage::onBackgroundSelected() {
    const int choice = selectedBackground();
    m_previewPicture =
        choice < 0 ? DevicePicture() : backgroundPicture(choice, m_dialog->devicePixelRatioF());
    m_dialog->update(previewRect());
}

void ExtrasPage::paintPreview(QPainter& painter) const {
    const int choice = selectedBackground();
    if (!isSelected() || !m_backgroundGroup->isVisibleTo(m_dialog) || choice < 0)
        return;
    painter.save();
    const QRect list = m_backgroundList->geometry().adjusted(-1, -1, 1, 1);
    const QRect preview = previewRect();
    painter.setClipRegion(QRegion(preview).subtracted(QRegion(list)));
    if (choice < firstPictureBackground) {
        painter.fillRect(preview, vgaColour(choice));
    } else if (const QImage& tile = m_previewPicture.forPainter(painter); !tile.isNull()) {
        drawTiles(painter, preview, tile, preview.topLeft());
    }
    painter.restore();
}

void ExtrasPage::applyBackground(GameFrameWindow& frame) const {
    const int choice = selectedBackground();
    if (choice >= 0)
        frame.setBackground(static_cast<std::uint8_t>(choice));
}

void ExtrasPage::applySounds(GameFrameWindow& frame) const {
    frame.setSoundEvents(m_soundCopy);
}

void ExtrasPage::enableSoundControls(bool on) {
    m_soundList->setEnabled(on);
    m_locate->setEnabled(on);
    m_play->setEnabled(on);
}

void ExtrasPage::playSelected() {
    const QListWidgetItem* item = m_soundList->currentItem();
    if (item == nullptr)
        return;
    const std::string name = item->data(Qt::UserRole).toString().toStdString();
    for (const SoundEvent& event : m_soundCopy)
        if (event.name == name) {
            if (!event.file.empty())
                m_frame.soundOutput().play(event.file);
            return;
        }
}

void ExtrasPage::locateSelected() {
    const QListWidgetItem* item = m_soundList->currentItem();
    if (item == nullptr)
        return;
    // The last event of the name: a name stored twice is edited where it was stored last.
    const std::string name = item->data(Qt::UserRole).toString().toStdString();
    SoundEvent* event = nullptr;
    for (SoundEvent& candidate : m_soundCopy)
        if (candidate.name == name)
            event = &candidate;
    if (event == nullptr)
        return;

    LocateSoundDialog dialog(m_dialog, item->text(), m_frame.soundOutput());
    if (event->file.empty())
        dialog.setDirectory(soundFolder());
    else
        dialog.selectFile(resolveSoundFile(event->file));
    if (dialog.exec() != QDialog::Accepted)
        return;
    event->file = dialog.acceptFlag() ? dialog.currentPath().toStdString() : std::string();
}

} // namespace quintaro
