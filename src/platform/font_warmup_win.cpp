#include "font_warmup.h"

namespace platform {

// Windows reads its fonts itself: there is nothing to read ahead.
FontWarmUp::FontWarmUp() = default;

} // namespace platform
