#include "font_warmup.h"

#ifdef BREWLORE_FONTCONFIG
#include <fontconfig/fontconfig.h>
#include <system_error>
#endif

namespace platform {

FontWarmUp::FontWarmUp()
{
#ifdef BREWLORE_FONTCONFIG
    try {
        // The configuration read here becomes the current one, which Qt's
        // font database then finds ready.
        m_reader = std::thread([] { FcInit(); });
    } catch (const std::system_error &) {
        // No thread to spare: Qt reads the configuration itself, a little later.
    }
#endif
}

FontWarmUp::~FontWarmUp() { Wait(); }

void FontWarmUp::Wait()
{
    if (m_reader.joinable())
        m_reader.join();
}

} // namespace platform
