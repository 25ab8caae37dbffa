// SPDX-License-Identifier: GPL-3.0-or-later
#include "settings/settingslog.h"

Q_LOGGING_CATEGORY(lcSettings, "p10sign.settings", QtWarningMsg)
