#include "about/help_window.h"

#include "about/pay_table_html.h"
#include "platform/beside_window.h"

#include <QFile>
#include <QHBoxLayout>
#include <QPushButton>
#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>

#include <array>

namespace quintaro {

namespace {

struct HelpLook {
    QSize size{560, 480};
    // The least height worth reading beside the table: the buttons and a few lines.
    int minHeight = 150;
    const char* titleSuffix = " Help";
    const char* contentsButton = "&Contents";
    const char* backButton = "&Back";
};
const HelpLook look;

struct Topic {
    int number;
    const char* page;
};

constexpr std::array<Topic, 3> topics{{
    {HelpWindow::contentsTopic, "qrc:/help/contents.html"},
    {HelpWindow::usingHelpTopic, "qrc:/help/using_help.html"},
    {HelpWindow::howToPlayTopic, "qrc:/help/how_to_play.html"},
}};

// The page of the games carries a marker where each game's pay table goes, so the
// figures on the table and in the help always agree.
const QString payTablePage = QStringLiteral("games.html");
const QString payTableMarker = QStringLiteral("<!--pay-table-%1-->");

class HelpBrowser : public QTextBrowser {
public:
    using QTextBrowser::QTextBrowser;

    QVariant loadResource(int type, const QUrl& name) override {
        if (type != QTextDocument::HtmlResource || name.scheme() != u"qrc")
            return QTextBrowser::loadResource(type, name);
        QFile file(u':' + name.path());
        if (!file.open(QIODevice::ReadOnly))
            return {};
        QString page = QString::fromUtf8(file.readAll());
        if (name.fileName() == payTablePage)
            for (int game = 0; game <= 2; ++game)
                page.replace(payTableMarker.arg(game),
                             QString::fromStdString(payTableHtml(
                                 payTable(gameTypeFromNumber(static_cast<std::uint32_t>(game))))));
        return page;
    }
};

} // namespace

HelpWindow::HelpWindow(QWidget* parent, const QString& programName)
    : QWidget(parent, Qt::Window), m_browser(new HelpBrowser(this)) {
    setWindowTitle(programName + QString::fromUtf8(look.titleSuffix));
    resize(look.size);
    m_browser->setOpenExternalLinks(false);

    auto* contents = new QPushButton(QString::fromUtf8(look.contentsButton), this);
    auto* back = new QPushButton(QString::fromUtf8(look.backButton), this);
    back->setEnabled(false);
    connect(contents, &QPushButton::clicked, this, [this] { showTopic(contentsTopic); });
    connect(back, &QPushButton::clicked, m_browser, &QTextBrowser::backward);
    connect(m_browser, &QTextBrowser::backwardAvailable, back, &QPushButton::setEnabled);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(contents);
    buttons->addWidget(back);
    buttons->addStretch();
    auto* column = new QVBoxLayout(this);
    column->addLayout(buttons);
    column->addWidget(m_browser);
}

void HelpWindow::showTopic(int topic) {
    const char* page = topics.front().page;
    for (const Topic& known : topics)
        if (known.number == topic)
            page = known.page;
    m_browser->setSource(QUrl(QString::fromUtf8(page)));
    if (!isVisible() && parentWidget() != nullptr)
        placeBeside(*this, *parentWidget()->window(), look.minHeight);
    show();
    raise();
    activateWindow();
}

} // namespace quintaro
