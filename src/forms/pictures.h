#pragma once
// The program's own pictures, built into the program as resources. Each is
// drawn for screens at 100 % and has a twin of twice the pixels for screens
// scaled above that; ratio is the device pixel ratio of the screen the
// picture shows on. At 100 % the pictures are the drawn pixels, unchanged.

#include <QCursor>
#include <QIcon>
#include <QPixmap>

namespace forms {

QIcon programIcon();                    // both sizes, for window icons
QPixmap programIconPixmap(qreal ratio); // 32 x 32
QPixmap coffeePotPicture(qreal ratio);  // 137 x 99
QCursor linkCursorMono(qreal ratio);    // the two-colour pointing hand
QCursor linkCursor16(qreal ratio);      // the sixteen-colour pointing hand

} // namespace forms
