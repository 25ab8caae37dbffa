// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QLoggingCategory>

// Which project files were read and written, and why one could not be. Silent unless asked for:
// QT_LOGGING_RULES="p10sign.settings.debug=true", or p10signctl --verbose.
Q_DECLARE_LOGGING_CATEGORY(lcSettings)
