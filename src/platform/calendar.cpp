#include "calendar.h"

namespace platform {

Seam<QDate()> Today(&QDate::currentDate);

} // namespace platform
