// The main window's commands as data: every menu item, tool button and
// shortcut, with its caption, hint, images and handler, in menu order; and the
// order of the controls on both tool bars. TForm1 builds its menus, tool bars
// and shortcuts from these tables alone.
#pragma once

#include <span>

namespace korvane {

class TForm1;

using Handler = void (TForm1::*)();

// Popup is the context menu of the editor and the file list (PopupMenu1).
enum class Menu { Geen = -1, Bestand = 0, Bewerken, Invoegen, Opmaak, Info, Popup };

inline constexpr int aantalMenus = 5;
// The menu bar's captions, in order.
extern const char* const menuTitels[aantalMenus];

// One command: a menu item, a tool button, or both sharing one handler. A row
// whose caption is "-" is a menu separator.
struct Commando {
    const char* menuItem;   // object name of the menu item; nullptr: no menu item
    const char* caption;    // menu caption (UTF-8), "&" marks the mnemonic
    const char* shortcut;   // portable key text ("Ctrl+N", "Alt+["); "" for none
    Menu menu;
    const char* button;     // object name of the tool button; nullptr: none
    const char* hint;       // "tooltip|status text" or one text for both
    bool checkable;         // the menu item has a check mark
    bool toggle;            // the tool button stays pressed
    bool menuEnabled;       // enabled state as the window is built
    bool buttonEnabled;
    const char* themeIcon;  // desktop icon-theme name, nullptr for none
    const char* ownIcon;    // bundled image, also the fallback of the theme
    Handler handler;        // the menu item's handler (and the button's)
    Handler buttonHandler;  // the tool button's own handler, nullptr: handler
    // A second key for the same command, for a first one that desktops may
    // take for themselves; "" for none. The menu shows both.
    const char* tweedeShortcut = "";
};

std::span<const Commando> CommandoTabel();

// Control names on ToolBar1 and ToolBar2, left to right; "|" is a separator.
// Names of table rows stand for their tool buttons, the others for widgets
// that TForm1 creates (ComboBox1, SpinEdit2, ...).
std::span<const char* const> ToolBar1Volgorde();
std::span<const char* const> ToolBar2Volgorde();

// The images of the four time signatures, in the order of maatsoortTabel.
extern const char* const maatsoortIconen[4];

} // namespace korvane
