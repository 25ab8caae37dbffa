// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QLoggingCategory>

// The service's requests, one line each: who asked what and how it was answered. On by default, as
// a server's access log is; QT_LOGGING_RULES="p10sign.web.info=false" silences it.
Q_DECLARE_LOGGING_CATEGORY(lcWeb)
