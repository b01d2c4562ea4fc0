#include "about/help_window.h"

#include "about/pay_table_html.h"
#include "platform/beside_window.h"
#include "platform/text_translations.h"

#include <QCoreApplication>
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
    const char* title = QT_TRANSLATE_NOOP("Help window", "%1 Help");
    const char* contentsButton = QT_TRANSLATE_NOOP("Help window", "&Contents");
    const char* backButton = QT_TRANSLATE_NOOP("Help window", "&Back");
};
const HelpLook look;

struct Topic {
    int number;
    const char* page;
};

constexpr std::array<Topic, 3> topics{{
    {HelpWindow::contentsTopic, "contents.html"},
    {HelpWindow::usingHelpTopic, "using_help.html"},
    {HelpWindow::howToPlayTopic, "how_to_play.html"},
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
        // A page not yet translated is shown in English, in the reader's language folder, so
        // its links lead on to translated pages where there are some.
        QFile file(u':' + name.path());
        if (!file.exists())
            file.setFileName(QStringLiteral(":/help/") + name.fileName());
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

// The folder of the pages in the language the program's texts are shown in: its own
// folder where the help has been translated, else the English pages.
QString pageFolder() {
    QString language = textLanguage();
    for (;;) {
        if (QFile::exists(QStringLiteral(":/help/%1/contents.html").arg(language)))
            return QStringLiteral("qrc:/help/%1/").arg(language);
        const qsizetype territory = language.lastIndexOf(u'_');
        if (territory < 0)
            return QStringLiteral("qrc:/help/");
        language.truncate(territory);
    }
}

} // namespace

HelpWindow::HelpWindow(QWidget* parent, const QString& programName)
    : QWidget(parent, Qt::Window), m_browser(new HelpBrowser(this)) {
    setWindowTitle(QCoreApplication::translate("Help window", look.title).arg(programName));
    resize(look.size);
    m_browser->setOpenExternalLinks(false);

    auto* contents =
        new QPushButton(QCoreApplication::translate("Help window", look.contentsButton), this);
    auto* back = new QPushButton(QCoreApplication::translate("Help window", look.backButton), this);
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
    m_browser->setSource(QUrl(pageFolder() + QLatin1String(page)));
    if (!isVisible() && parentWidget() != nullptr)
        placeBeside(*this, *parentWidget()->window(), look.minHeight);
    show();
    raise();
    activateWindow();
}

} // namespace quintaro
