// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ctl/ctlarguments.h"

#include <QJsonObject>
#include <QString>
#include <optional>
#include <variant>

// A change that a request's JSON asks for, read as `p10signctl set` reads its options: the keys
// are set's option names ("mode", "speed", "flash", "width", "work-time" …) and the values are
// checked by set's own reader, so a value is refused in the words set refuses it with. "text"
// sets a message's text and adopts it, as set-text does.
struct ChangeRequest {
    std::optional<QString> text;
    QList<MessageGroup> messageGroups;
    GlobalChanges globalChanges;

    // Nothing asked for: a body with none of the keys.
    [[nodiscard]] bool empty() const;

    // project: the served project, which set's reader takes like any other.
    [[nodiscard]] static std::variant<ChangeRequest, QString> forMessage(int message, const QJsonObject& body,
                                                                         const QString& project);
    [[nodiscard]] static std::variant<ChangeRequest, QString> forSign(const QJsonObject& body,
                                                                      const QString& project);
};
