#include "font_warmup.h"

#include <fontconfig/fontconfig.h>
#include <system_error>

namespace platform {

FontWarmUp::FontWarmUp()
{
    try {
        // The configuration read here becomes the current one, which Qt's
        // font database then finds ready.
        m_reader = std::thread([] { FcInit(); });
    } catch (const std::system_error &) {
        // No thread to spare: Qt reads the configuration itself, a little later.
    }
}

} // namespace platform
