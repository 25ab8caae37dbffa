// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QStringList>

// The languages an Accept-Language header asks for, most wanted first ("en-GB,ja;q=0.8" gives
// "en-GB", "ja"); those it refuses (q=0) and the wildcard are left out.
[[nodiscard]] QStringList acceptedLanguages(const QByteArray& header);
