#pragma once

#include <QString>
#include <QStringList>

class QCoreApplication;

namespace quintaro {

// The folders searched for the translations, in order: "translations" beside the program
// (the build tree), then in the data folder of an install tree relative to the program,
// then in the configured one.
QStringList translationSearchPaths();

// Shows the program's texts, the core's and Qt's own in the first of the desktop's
// languages (desktopLanguages) that the program has been translated into. English, and a
// language without translations, load nothing. Call once, before any window is made.
void installDesktopTranslations(QCoreApplication* application);

// Loads `file`, the program's texts in `language`, and Qt's own texts in that language
// where Qt has them. False, with nothing changed, when `file` cannot be loaded or holds no
// translated text.
bool installTranslations(QCoreApplication* application, const QString& language,
                         const QString& file);

// The language the program's texts are shown in: "en" unless a translation was installed.
QString textLanguage();

} // namespace quintaro
