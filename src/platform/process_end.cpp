#include "process_end.h"

#include <QCoreApplication>

namespace platform {

Seam<void(int status)> EndProcess(&QCoreApplication::exit);

} // namespace platform
