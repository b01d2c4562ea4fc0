#include "options/list_preview_page.h"

#include "displays/choice_list.h"
#include "displays/outlined_group_box.h"
#include "wqgame/control_layouts.h"
#include "wqgame/library_control.h"

#include <QGroupBox>
#include <QListWidget>

namespace quintaro {

namespace {

struct PageLook {
    int titleBoxId = 1001;
    int previewBoxId = 1000;
    int nameListId = 1000;
    QPoint titleBoxAt{114, 40};
    QPoint previewBoxAt{262, 40};
    QPoint nameListAt{122, 58};
};
const PageLook look;

} // namespace

ListPreviewPage::ListPreviewPage(QWidget* dialog, const QRect& geometry, const QString& text,
                                 const QRect& pageRect, QString title, QString previewCaption)
    : FramedTab(dialog, geometry, text, pageRect, false), m_dialog(dialog),
      m_title(std::move(title)), m_previewCaption(std::move(previewCaption)) {}

void ListPreviewPage::createControls() {
    using wqgame::ControlKind;
    m_titleBox = wqgame::libraryControl<QGroupBox>(m_dialog, ControlKind::GroupBox, look.titleBoxId,
                                                   look.titleBoxAt);
    m_previewBox = wqgame::libraryControl<QGroupBox>(m_dialog, ControlKind::GroupBox,
                                                     look.previewBoxId, look.previewBoxAt);
    m_nameList = wqgame::libraryControl<ChoiceList>(m_dialog, ControlKind::ListBox, look.nameListId,
                                                    look.nameListAt);
    drawOutlineOnly(*m_titleBox);
    drawOutlineOnly(*m_previewBox);
    m_titleBox->setTitle(m_title);
    m_previewBox->setTitle(m_previewCaption);
    m_previewBoxSize = m_previewBox->size();
    // A screen reader names the list by the box around it.
    m_nameList->setAccessibleName(m_title);
    connect(m_nameList, &QListWidget::itemSelectionChanged, this,
            [this] { m_dialog->update(previewArea()); });

    addPageControl(m_nameList);
    addPageControl(m_titleBox);
    addPageControl(m_previewBox);
}

void ListPreviewPage::fillNames(const QString& names) {
    m_nameList->clear();
    m_nameList->addItems(listNames(names));
}

QPoint ListPreviewPage::previewOrigin(QPoint offset) const {
    const QSize growth = m_previewBox->size() - m_previewBoxSize;
    return m_previewBox->pos() + offset + QPoint(growth.width() / 2, growth.height() / 2);
}

bool ListPreviewPage::pageShown() const {
    return m_titleBox != nullptr && m_titleBox->isVisibleTo(m_dialog);
}

} // namespace quintaro
