#pragma once
// The window's side of translation. Texts written in member functions of the
// window classes use tr(); texts kept in tables and the engine's texts are
// marked with QT_TRANSLATE_NOOP("Kalvero", ...) and come through here.
#include <QCoreApplication>
#include <QString>
#include <string>

#include "model/words.h"

namespace kalvero {

// A text marked with QT_TRANSLATE_NOOP("Kalvero", ...) in the user's language.
inline QString Translated(const char* english) { return QCoreApplication::translate("Kalvero", english); }

// Qt's translator as the engine's Words, so the engine builds its sentences
// in the user's language.
class QtWords : public Words {
 public:
  std::string Text(const char* english) const override { return Translated(english).toStdString(); }
};

}  // namespace kalvero
