#include "trainer/statistics_dialog.h"

#include "poker/pay_table.h"
#include "trainer/trainer_statistics.h"
#include "trainer/trainer_text.h"

#include <QClipboard>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QGuiApplication>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QShortcut>
#include <QTabWidget>
#include <QVBoxLayout>

namespace quintaro {

namespace {

namespace layout {
constexpr const char* title = "Statistics";
// Alt+P: C is the Close button's, R the Reset button's.
constexpr const char* copyText = "Co&py";
constexpr const char* resetText = "&Reset...";
constexpr const char* resetQuestion =
    "Reset the statistics of %1?  The figures of this session and of all time are lost.";
constexpr int columnSpacing = 24;
constexpr int rowSpacing = 2;
constexpr int columns = 3;
} // namespace layout

QGridLayout* gridOf(QTabWidget* pages, int page) {
    return static_cast<QGridLayout*>(pages->widget(page)->layout());
}

} // namespace

StatisticsDialog::StatisticsDialog(TrainerStatistics& statistics, GameType shown, QWidget* parent)
    : CenteredDialog(parent), m_statistics(statistics), m_pages(new QTabWidget(this)) {
    setWindowTitle(QString::fromUtf8(layout::title));
    for (int game = 0; game < TrainerStatistics::gameCount; ++game) {
        auto* page = new QWidget(m_pages);
        auto* grid = new QGridLayout(page);
        grid->setHorizontalSpacing(layout::columnSpacing);
        grid->setVerticalSpacing(layout::rowSpacing);
        m_pages->addTab(page, QString::fromUtf8(payTable(static_cast<GameType>(game)).title));
        fillPage(game);
    }
    m_pages->setCurrentIndex(gameTypeNumber(shown));

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    QPushButton* copy =
        buttons->addButton(QString::fromUtf8(layout::copyText), QDialogButtonBox::ActionRole);
    connect(copy, &QPushButton::clicked, this, &StatisticsDialog::copyPage);
    connect(new QShortcut(QKeySequence::Copy, this), &QShortcut::activated, this,
            &StatisticsDialog::copyPage);
    m_reset = buttons->addButton(QString::fromUtf8(layout::resetText), QDialogButtonBox::ResetRole);
    connect(m_reset, &QPushButton::clicked, this, &StatisticsDialog::onReset);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* column = new QVBoxLayout(this);
    column->addWidget(m_pages);
    column->addWidget(buttons);
    column->setSizeConstraint(QLayout::SetFixedSize);
}

void StatisticsDialog::fillPage(int page) {
    QGridLayout* grid = gridOf(m_pages, page);
    while (QLayoutItem* item = grid->takeAt(0)) {
        delete item->widget();
        delete item;
    }
    const auto type = static_cast<GameType>(page);
    const auto add = [grid](const std::string& text, int row, int column) {
        if (text.empty())
            return;
        auto* label = new QLabel(QString::fromStdString(text));
        label->setTextFormat(Qt::PlainText);
        label->setTextInteractionFlags(Qt::TextSelectableByMouse);
        grid->addWidget(label, row, column,
                        column == 0 ? Qt::AlignLeft : Qt::AlignRight | Qt::AlignVCenter);
    };
    const auto rows = statisticsRows(type, m_statistics.session(type), m_statistics.allTime(type));
    for (std::size_t i = 0; i < rows.size(); ++i) {
        const int row = static_cast<int>(i);
        add(rows[i].label, row, 0);
        add(rows[i].session, row, 1);
        add(rows[i].allTime, row, 2);
    }
}

QString StatisticsDialog::cell(int page, int row, int column) const {
    QLayoutItem* item = gridOf(m_pages, page)->itemAtPosition(row, column);
    const auto* label = item != nullptr ? qobject_cast<QLabel*>(item->widget()) : nullptr;
    return label != nullptr ? label->text() : QString();
}

void StatisticsDialog::copyPage() {
    const int page = m_pages->currentIndex();
    QString text;
    for (int row = 0; row < gridOf(m_pages, page)->rowCount(); ++row) {
        for (int column = 0; column < layout::columns; ++column)
            text += cell(page, row, column) + (column + 1 < layout::columns ? '\t' : '\n');
    }
    QGuiApplication::clipboard()->setText(text);
}

void StatisticsDialog::onReset() {
    const int page = m_pages->currentIndex();
    const auto type = static_cast<GameType>(page);
    const QString question =
        QString::fromUtf8(layout::resetQuestion).arg(QString::fromUtf8(payTable(type).title));
    if (QMessageBox::question(this, QString::fromUtf8(layout::title), question,
                              QMessageBox::Yes | QMessageBox::No,
                              QMessageBox::No) != QMessageBox::Yes)
        return;
    m_statistics.reset(type);
    fillPage(page);
}

} // namespace quintaro
