// SPDX-License-Identifier: GPL-3.0-or-later
#include "link/linklog.h"

Q_LOGGING_CATEGORY(lcLink, "p10sign.link", QtWarningMsg)
