#pragma once
// The program's own pictures, built into the program as resources.

#include <QCursor>
#include <QIcon>
#include <QPixmap>

namespace forms {

QIcon programIcon();
QPixmap programIconPixmap(); // the 32 x 32 image
QPixmap coffeePotPicture();  // 137 x 99
QCursor linkCursorMono();    // the two-colour pointing hand
QCursor linkCursor16();      // the sixteen-colour pointing hand

} // namespace forms
