#pragma once
// Conversions between the engine's std::string texts and Qt's QString.
#include <QString>
#include <string>

namespace kalvero {

inline QString QStr(const std::string& text) { return QString::fromStdString(text); }
inline std::string Std(const QString& text) { return text.toStdString(); }

}  // namespace kalvero
