#include "font_warmup.h"

namespace platform {

FontWarmUp::~FontWarmUp() { Wait(); }

void FontWarmUp::Wait()
{
    if (m_reader.joinable())
        m_reader.join();
}

} // namespace platform
