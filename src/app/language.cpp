#include "app/language.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QLibraryInfo>
#include <QTranslator>

namespace kalvero {

QLocale ChosenLocale(const std::string& requested) {
  if (requested.empty()) return QLocale::system();
  return QLocale(QString::fromStdString(requested));
}

bool InstallTranslations(QCoreApplication& app, const QLocale& locale, const QString& folder) {
  // Qt's own dialogs follow only when the program itself speaks the
  // language, so a window is never half in one language.
  auto* own = new QTranslator(&app);
  if (!own->load(locale, QStringLiteral("kalvero"), QStringLiteral("_"), folder)) {
    delete own;
    return false;
  }
  QCoreApplication::installTranslator(own);
  auto* qt = new QTranslator(&app);
  if (qt->load(locale, QStringLiteral("qt"), QStringLiteral("_"), QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
    QCoreApplication::installTranslator(qt);
  return true;
}

QString HelpPageFor(const QString& folder, const QLocale& locale, const QString& fallback) {
  // uiLanguages lists the desktop's languages in order of preference
  // ("de-DE", "de", "en-US" ...); the first one with a page wins.
  for (const QString& language : locale.uiLanguages()) {
    const QString code = language.section(QLatin1Char('-'), 0, 0).toLower();
    if (code == QLatin1String("en")) break;
    const QString page = folder + QStringLiteral("kalvero_%1.htm").arg(code);
    if (QFileInfo::exists(page)) return page;
  }
  return fallback;
}

}  // namespace kalvero
