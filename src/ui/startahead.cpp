// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/startahead.h"

#include <QBuffer>
#include <QFontDatabase>
#include <QImageReader>

#if P10SIGN_FONTCONFIG
#include <fontconfig/fontconfig.h>
#endif

StartAhead::StartAhead()
{
    m_ports.scanAhead();
    m_fonts = std::thread([application = m_application.get_future()]() mutable {
#if P10SIGN_FONTCONFIG
        // Qt's font database reads the same configuration, which fontconfig then has at hand.
        FcInit();
#endif
        if (!application.get())
            return;
        QFontDatabase::families();
        QBuffer nothing;
        nothing.open(QIODevice::ReadOnly);
        (void)QImageReader(&nothing, "png").canRead();
    });
}

StartAhead::~StartAhead()
{
    finish();
}

void StartAhead::applicationStarted()
{
    go(true);
}

void StartAhead::finish()
{
    go(false);
    if (m_fonts.joinable())
        m_fonts.join();
}

void StartAhead::go(bool on)
{
    if (!std::exchange(m_told, true))
        m_application.set_value(on);
}
