#pragma once
// The application's style: the one chosen, except for the arrow a menu
// bar shows when its menus overflow. Qt reads its own arrow picture by file
// name as the menu bar is built, which first loads and asks every image
// plugin installed whether it reads the file: a few milliseconds of start-up
// for a picture that the windows' menus, which fit, never show. This arrow is
// drawn instead. And a menu bar's titles keep their colour while the window
// is not the active one.

class QStyle;

namespace forms {

// A new style over the one the application uses now (the platform's, or the
// one chosen with -style or QT_STYLE_OVERRIDE); the application takes it.
QStyle *makeApplicationStyle();

} // namespace forms
