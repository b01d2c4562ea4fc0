#include "trainer/statistics_dialog.h"

#include "platform/beside_window.h"
#include "platform/translated_text.h"
#include "poker/pay_table.h"
#include "trainer/trainer_statistics.h"
#include "trainer/trainer_text.h"

#include <QClipboard>
#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QGuiApplication>
#include <QHeaderView>
#include <QMessageBox>
#include <QPushButton>
#include <QScrollBar>
#include <QShortcut>
#include <QTabBar>
#include <QTabWidget>
#include <QTreeWidget>
#include <QVBoxLayout>

#include <algorithm>

namespace quintaro {

namespace {

namespace layout {
constexpr const char* title = QUINTARO_TEXT("Statistics", "Statistics");
// Alt+P: C is the Close button's, R the Reset button's. Text only: a theme's icons may
// not read on its dark schemes.
constexpr const char* closeText = QUINTARO_TEXT("Statistics", "&Close");
constexpr const char* copyText = QUINTARO_TEXT("Statistics", "Co&py");
constexpr const char* resetText = QUINTARO_TEXT("Statistics", "&Reset...");
constexpr const char* resetQuestion = QUINTARO_TEXT(
    "Statistics",
    "Reset the statistics of %1?  The figures of this session and of all time are lost.");
constexpr int columns = 3;
constexpr int columnSpacing = 24;
// Beside a table that leaves little room, the pages scroll down to this many rows.
constexpr int fewestRows = 2;
} // namespace layout

QTreeWidget* rowsOf(QTabWidget* pages, int page) {
    return static_cast<QTreeWidget*>(pages->widget(page));
}

// The size that shows every row of the page whole, and its height with only a few rows.
QSize wholeSize(QTreeWidget& rows, int shownRows) {
    const QFontMetrics metrics(rows.font());
    int width = 2 * rows.frameWidth() + rows.verticalScrollBar()->sizeHint().width();
    for (int column = 0; column < layout::columns; ++column) {
        int widest = rows.header()->sectionSizeHint(column);
        for (int row = 0; row < rows.topLevelItemCount(); ++row)
            widest =
                std::max(widest, metrics.horizontalAdvance(rows.topLevelItem(row)->text(column)) +
                                     layout::columnSpacing);
        rows.header()->resizeSection(column, widest);
        width += widest;
    }
    const int rowHeight = rows.sizeHintForIndex(rows.model()->index(0, 0)).height();
    return {width,
            2 * rows.frameWidth() + rows.header()->sizeHint().height() + shownRows * rowHeight};
}

} // namespace

StatisticsDialog::StatisticsDialog(TrainerStatistics& statistics, GameType shown, QWidget* parent)
    : QDialog(parent), m_statistics(statistics), m_pages(new QTabWidget(this)) {
    setWindowTitle(QCoreApplication::translate("Statistics", layout::title));
    for (int game = 0; game < TrainerStatistics::gameCount; ++game) {
        auto* rows = new QTreeWidget(m_pages);
        rows->setColumnCount(layout::columns);
        rows->setRootIsDecorated(false);
        rows->setUniformRowHeights(true);
        rows->setSelectionMode(QAbstractItemView::NoSelection);
        rows->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        rows->header()->setStretchLastSection(false);
        rows->header()->setSectionsMovable(false);
        m_pages->addTab(rows, QCoreApplication::translate(
                                  "Games", payTable(static_cast<GameType>(game)).title.data()));
        fillPage(game);
    }
    m_pages->setCurrentIndex(gameTypeNumber(shown));

    auto* buttons = new QDialogButtonBox(this);
    m_close = buttons->addButton(QCoreApplication::translate("Statistics", layout::closeText),
                                 QDialogButtonBox::RejectRole);
    m_close->setDefault(true);
    QPushButton* copy = buttons->addButton(
        QCoreApplication::translate("Statistics", layout::copyText), QDialogButtonBox::ActionRole);
    copy->setAutoDefault(false);
    connect(copy, &QPushButton::clicked, this, &StatisticsDialog::copyPage);
    connect(new QShortcut(QKeySequence::Copy, this), &QShortcut::activated, this,
            &StatisticsDialog::copyPage);
    m_reset = buttons->addButton(QCoreApplication::translate("Statistics", layout::resetText),
                                 QDialogButtonBox::ResetRole);
    m_reset->setAutoDefault(false);
    connect(m_reset, &QPushButton::clicked, this, &StatisticsDialog::onReset);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* column = new QVBoxLayout(this);
    column->addWidget(m_pages);
    column->addWidget(buttons);
    // The pages scroll: beside a table that leaves little room the window may be short.
    column->setSizeConstraint(QLayout::SetNoConstraint);
    // Hidden, it fills every page when next shown.
    m_statistics.setChangeListener([this](GameType type) {
        if (isVisible())
            fillPage(gameTypeNumber(type));
    });
}

StatisticsDialog::~StatisticsDialog() {
    m_statistics.setChangeListener({});
}

void StatisticsDialog::showBeside(GameType shown) {
    m_pages->setCurrentIndex(gameTypeNumber(shown));
    if (!isVisible()) {
        // Sized to show every row, then allowed down to a few where the screen is short.
        int tallest = 0;
        int few = 0;
        for (int page = 0; page < m_pages->count(); ++page) {
            fillPage(page);
            QTreeWidget& rows = *rowsOf(m_pages, page);
            const QSize whole = wholeSize(rows, rows.topLevelItemCount());
            rows.setMinimumWidth(whole.width());
            rows.setMinimumHeight(whole.height());
            tallest = std::max(tallest, whole.height());
            few = std::max(few, wholeSize(rows, layout::fewestRows).height());
        }
        layout()->activate();
        const QSize whole = sizeHint();
        for (int page = 0; page < m_pages->count(); ++page)
            rowsOf(m_pages, page)->setMinimumHeight(few);
        resize(whole);
        if (parentWidget() != nullptr)
            placeBeside(*this, *parentWidget()->window(), whole.height() - tallest + few);
    }
    show();
    raise();
    activateWindow();
}

// Texts are set in place: the page keeps its scrolling while the player plays.
void StatisticsDialog::fillPage(int page) {
    QTreeWidget& rows = *rowsOf(m_pages, page);
    const auto type = static_cast<GameType>(page);
    const auto texts = statisticsRows(type, m_statistics.session(type), m_statistics.allTime(type));
    const auto cells = [](const StatisticsRow& row) {
        return QStringList{QString::fromStdString(row.label), QString::fromStdString(row.session),
                           QString::fromStdString(row.allTime)};
    };
    rows.setHeaderLabels(cells(texts.front()));
    const int count = static_cast<int>(texts.size()) - 1;
    while (rows.topLevelItemCount() > count)
        delete rows.topLevelItem(rows.topLevelItemCount() - 1);
    while (rows.topLevelItemCount() < count)
        new QTreeWidgetItem(&rows);
    for (int row = 0; row < count; ++row) {
        QTreeWidgetItem& item = *rows.topLevelItem(row);
        const QStringList line = cells(texts[static_cast<std::size_t>(row) + 1]);
        for (int column = 0; column < layout::columns; ++column) {
            item.setText(column, line[column]);
            item.setTextAlignment(column, (column == 0 ? Qt::AlignLeft : Qt::AlignRight) |
                                              Qt::AlignVCenter);
        }
    }
}

QString StatisticsDialog::cell(int page, int row, int column) const {
    const QTreeWidget& rows = *rowsOf(m_pages, page);
    const QTreeWidgetItem* item = row == 0 ? rows.headerItem() : rows.topLevelItem(row - 1);
    return item != nullptr ? item->text(column) : QString();
}

void StatisticsDialog::copyPage() {
    const int page = m_pages->currentIndex();
    QString text;
    for (int row = 0; row <= rowsOf(m_pages, page)->topLevelItemCount(); ++row) {
        for (int column = 0; column < layout::columns; ++column)
            text += cell(page, row, column) + (column + 1 < layout::columns ? '\t' : '\n');
    }
    QGuiApplication::clipboard()->setText(text);
}

void StatisticsDialog::onReset() {
    const int page = m_pages->currentIndex();
    const auto type = static_cast<GameType>(page);
    const QString question =
        QCoreApplication::translate("Statistics", layout::resetQuestion)
            .arg(QCoreApplication::translate("Games", payTable(type).title.data()));
    if (QMessageBox::question(this, QCoreApplication::translate("Statistics", layout::title),
                              question, QMessageBox::Yes | QMessageBox::No,
                              QMessageBox::No) != QMessageBox::Yes)
        return;
    m_statistics.reset(type);
}

} // namespace quintaro
