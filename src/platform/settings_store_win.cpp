#include "settings_store.h"

namespace platform {

// The registry's HKEY_CURRENT_USER is the user's wherever the program starts.
void SettleStoreFolder() {}

} // namespace platform
