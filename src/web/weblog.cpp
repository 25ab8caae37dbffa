// SPDX-License-Identifier: GPL-3.0-or-later
#include "web/weblog.h"

Q_LOGGING_CATEGORY(lcWeb, "p10sign.web", QtInfoMsg)
