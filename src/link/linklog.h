// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QLoggingCategory>

// What goes over the serial line and when. Silent unless asked for:
// QT_LOGGING_RULES="p10sign.link.debug=true", or p10signctl --verbose.
Q_DECLARE_LOGGING_CATEGORY(lcLink)
