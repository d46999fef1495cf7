#pragma once
// Today's date, for the update reminder. Tests fix "today" by replacing it.

#include "seam.h"

#include <QDate>

namespace platform {

extern Seam<QDate()> Today;

} // namespace platform
