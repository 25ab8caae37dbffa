// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/startahead.h"

#if P10SIGN_FONTCONFIG
#include <fontconfig/fontconfig.h>
#endif

StartAhead::StartAhead()
{
    m_ports.scanAhead();
#if P10SIGN_FONTCONFIG
    // Qt's font database reads the same configuration, which fontconfig then has at hand.
    m_fontConfiguration = std::thread([] { FcInit(); });
#endif
}

StartAhead::~StartAhead()
{
    awaitFonts();
}

void StartAhead::awaitFonts()
{
    if (m_fontConfiguration.joinable())
        m_fontConfiguration.join();
}
