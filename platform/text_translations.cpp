#include "platform/text_translations.h"

#include "platform/desktop_languages.h"
#include "platform/environment_value.h"
#include "platform/translated_text.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QLibraryInfo>
#include <QTranslator>

namespace quintaro {

namespace {

QString shownLanguage = QStringLiteral("en");

std::string translateForTheCore(const char* context, const char* source, const char* disambiguation,
                                int count) {
    return QCoreApplication::translate(context, source, disambiguation, count).toStdString();
}

} // namespace

QStringList translationSearchPaths() {
    const QString programDir = QCoreApplication::applicationDirPath();
    QStringList folders{programDir + QStringLiteral("/translations"),
                        QDir::cleanPath(programDir + QStringLiteral("/" QUINTARO_BIN_TO_DATA
                                                                    "/quintaro/translations")),
                        QStringLiteral(QUINTARO_DATA_INSTALL_DIR "/translations")};
    folders.removeDuplicates();
    return folders;
}

bool installTranslations(QCoreApplication* application, const QString& language,
                         const QString& file) {
    auto own = new QTranslator(application);
    // A language whose file holds no texts yet is not shown at all: half of Qt's texts in it
    // and none of ours would be worse than English throughout.
    if (!own->load(file) || own->isEmpty()) {
        delete own;
        return false;
    }
    application->installTranslator(own);
    auto qt = new QTranslator(application);
    if (qt->load(QStringLiteral("qtbase_") + language,
                 QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        application->installTranslator(qt);
    else
        delete qt;
    setTextTranslator(&translateForTheCore);
    shownLanguage = language;
    return true;
}

void installDesktopTranslations(QCoreApplication* application) {
    const std::vector<std::string> languages = desktopLanguages(&environmentValue);
    if (languages.empty())
        return;
    const QStringList folders = translationSearchPaths();
    for (const std::string& code : languages) {
        const QString language = QString::fromStdString(code);
        for (const QString& folder : folders) {
            const QString file =
                QDir(folder).filePath(QStringLiteral("quintaro_%1.qm").arg(language));
            if (QFile::exists(file) && installTranslations(application, language, file))
                return;
        }
    }
}

QString textLanguage() {
    return shownLanguage;
}

} // namespace quintaro
