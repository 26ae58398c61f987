#pragma once
// Menus described by one table: each row is a menu item (caption, object
// name, handler), a separator, or the start or end of a submenu. A submenu
// started with no menu open is a top-level menu of the menu bar. Captions
// are marked with QT_TRANSLATE_NOOP("Kalvero", ...) in the table and shown in
// the user's language.
#include <QString>
#include <functional>
#include <vector>

#include "ui/translate.h"

class QMenuBar;

namespace kalvero {

// A marked caption in the user's language; an empty one stays empty.
inline QString MenuCaption(const char* caption) { return *caption ? Translated(caption) : QString(); }

struct MenuRow {
  enum class Kind { Item, Separator, Submenu, End };
  Kind kind = Kind::Item;
  QString caption;
  QString objectName;  // may be empty (the plain "Cancel" entries)
  std::function<void()> handler;  // may be empty: the entry closes the menu
  bool visible = true;
  QString shortcut{};  // a key sequence ("Ctrl+H"), empty for none

  static MenuRow Item(const char* caption, const char* objectName, std::function<void()> handler = {}) {
    return {Kind::Item, MenuCaption(caption), QLatin1String(objectName), std::move(handler)};
  }
  static MenuRow Separator(const char* objectName = "", bool visible = true) {
    return {Kind::Separator, {}, QLatin1String(objectName), {}, visible};
  }
  static MenuRow Submenu(const char* caption, const char* objectName) {
    return {Kind::Submenu, MenuCaption(caption), QLatin1String(objectName), {}};
  }
  static MenuRow End() { return {Kind::End, {}, {}, {}}; }
};

// Adds the table's menus to the bar. A submenu's object name goes to the
// menu and to its entry; handlers are connected to the items' triggered signals.
void BuildMenuBar(QMenuBar& bar, const std::vector<MenuRow>& rows);

}  // namespace kalvero
