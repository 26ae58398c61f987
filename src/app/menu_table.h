#pragma once
// Menus described by one table: each row is a menu item (caption, object
// name, handler), a separator, or the start or end of a submenu. A submenu
// started with no menu open is a top-level menu of the menu bar.
#include <QString>
#include <functional>
#include <vector>

class QMenuBar;

namespace kalvero {

struct MenuRow {
  enum class Kind { Item, Separator, Submenu, End };
  Kind kind = Kind::Item;
  QString caption;
  QString objectName;  // may be empty (the plain "Cancel" entries)
  std::function<void()> handler;  // may be empty: the entry closes the menu
  bool visible = true;
  QString shortcut{};  // a key sequence ("Ctrl+H"), empty for none

  static MenuRow Item(const char* caption, const char* objectName, std::function<void()> handler = {}) {
    return {Kind::Item, QLatin1String(caption), QLatin1String(objectName), std::move(handler)};
  }
  static MenuRow Separator(const char* objectName = "", bool visible = true) {
    return {Kind::Separator, {}, QLatin1String(objectName), {}, visible};
  }
  static MenuRow Submenu(const char* caption, const char* objectName) {
    return {Kind::Submenu, QLatin1String(caption), QLatin1String(objectName), {}};
  }
  static MenuRow End() { return {Kind::End, {}, {}, {}}; }
};

// Adds the table's menus to the bar. A submenu's object name goes to the
// menu and to its entry; handlers are connected to the items' triggered signals.
void BuildMenuBar(QMenuBar& bar, const std::vector<MenuRow>& rows);

}  // namespace kalvero
