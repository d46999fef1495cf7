#include "modHelp.h"

namespace modHelp {

// Filled in with the reminder itself; start-up and the main window already
// call it at the right moments.
void CheckForUpdate() {}

} // namespace modHelp
