// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QJsonObject>

// Every text the service's page shows, in the language in use, for the page to put in place: the
// captions the window uses where the page has the same control, the show modes as their list
// shows them, and the page's own words.
[[nodiscard]] QJsonObject pageTexts();
