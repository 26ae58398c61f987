#pragma once
// The window's language: the one asked for with --lang, else the desktop's
// (LANGUAGE, LC_ALL, LC_MESSAGES and LANG, as Qt reads them). English needs
// no translation; a language without one falls back to English.
#include <QLocale>
#include <QString>
#include <string>

class QCoreApplication;

namespace kalvero {

// The locale for `requested` ("de", "fr_FR" ...), or the desktop's when empty.
QLocale ChosenLocale(const std::string& requested);

// Loads the program's translation (kalvero_LANG.qm in `folder`) and Qt's
// own, for its standard dialogs, and installs them in the application,
// which owns them. Returns whether the program's own was found.
bool InstallTranslations(QCoreApplication& app, const QLocale& locale, const QString& folder);

// The help page in the locale's language (kalvero_LANG.htm in `folder`)
// when one is shipped, else `fallback`.
QString HelpPageFor(const QString& folder, const QLocale& locale, const QString& fallback);

}  // namespace kalvero
