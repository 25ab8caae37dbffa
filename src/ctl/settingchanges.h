// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ctl/ctlarguments.h"

#include <QString>
#include <optional>

class Controller;

// The changes `set` reads, made through the controller methods the window's controls call: the
// command line and the web service change a project the same way.
namespace SettingChanges {

void applyToMessage(Controller& controller, int m, const MessageChanges& changes);
// Nothing when every change was made, else why one could not be (an alternation group the chain
// rule undoes).
[[nodiscard]] std::optional<QString> applyToSign(Controller& controller, const GlobalChanges& changes);

} // namespace SettingChanges
