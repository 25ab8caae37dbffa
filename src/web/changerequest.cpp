// SPDX-License-Identifier: GPL-3.0-or-later
#include "web/changerequest.h"

#include "web/servicetexts.h"

#include <QJsonValue>
#include <algorithm>

namespace {

const QString kText = QStringLiteral("text");
const QStringList kMessageKeys = {QStringLiteral("mode"),  QStringLiteral("speed"), QStringLiteral("flash"),
                                  QStringLiteral("frame"), QStringLiteral("font"),  QStringLiteral("size"),
                                  QStringLiteral("bold"),  QStringLiteral("adjust")};
const QStringList kSwitches = {QStringLiteral("flash"), QStringLiteral("frame"), QStringLiteral("bold")};
const QStringList kSignKeys = {QStringLiteral("width"),           QStringLiteral("height"),
                               QStringLiteral("clock-message"),   QStringLiteral("hour-position"),
                               QStringLiteral("minute-position"), QStringLiteral("days-message"),
                               QStringLiteral("days-position"),   QStringLiteral("days"),
                               QStringLiteral("work-time"),       QStringLiteral("alternate")};
// A choice of no message, which set writes "none".
const QStringList kMessageChoices = {QStringLiteral("clock-message"), QStringLiteral("days-message")};

// The options of set's command line for the keys, or why a key or its kind of value cannot be.
// Each value stays one argument ("--font=NAME"), so that no value is read as an option.
std::variant<QStringList, QString> optionsOf(const QJsonObject& body, const QStringList& keys)
{
    QStringList options;
    for (auto it = body.begin(); it != body.end(); ++it) {
        const QString& key = it.key();
        const QJsonValue value = it.value();
        if (key == kText)
            continue;
        if (!keys.contains(key))
            return ServiceTexts::unknownKey(key);
        if (kSwitches.contains(key)) {
            if (!value.isBool())
                return ServiceTexts::badType(key);
            options << (value.toBool() ? QStringLiteral("--") : QStringLiteral("--no-")) + key;
        } else if (value.isString()) {
            options << QStringLiteral("--%1=%2").arg(key, value.toString());
        } else if (value.isDouble()) {
            options << QStringLiteral("--%1=%2").arg(key, QString::number(value.toDouble(), 'g', 17));
        } else if (value.isNull() && kMessageChoices.contains(key)) {
            options << QStringLiteral("--%1=none").arg(key);
        } else {
            return ServiceTexts::badType(key);
        }
    }
    return options;
}

std::variant<ChangeRequest, QString> read(const QStringList& options, const QString& project)
{
    const auto parsed = parseCtlArguments(
        QStringList{QStringLiteral("p10signctl"), QStringLiteral("set"), project} + options);
    if (const auto* refused = std::get_if<ConsoleExit>(&parsed))
        return refused->error.trimmed();
    const CtlArguments& arguments = std::get<CtlArguments>(parsed);
    return ChangeRequest{std::nullopt, arguments.messageGroups, arguments.globalChanges};
}

} // namespace

bool ChangeRequest::empty() const
{
    const bool messageChanges = std::any_of(messageGroups.cbegin(), messageGroups.cend(),
                                            [](const MessageGroup& group) { return group.changes.any(); });
    return !text && !messageChanges && !globalChanges.any();
}

std::variant<ChangeRequest, QString> ChangeRequest::forMessage(int message, const QJsonObject& body,
                                                               const QString& project)
{
    const QJsonValue text = body.value(kText);
    if (!text.isUndefined() && !text.isString())
        return ServiceTexts::badType(kText);
    auto options = optionsOf(body, kMessageKeys);
    if (const auto* refused = std::get_if<QString>(&options))
        return *refused;
    auto request = read(
        QStringList{QStringLiteral("--message=%1").arg(message)} + std::get<QStringList>(options), project);
    if (auto* read = std::get_if<ChangeRequest>(&request); read && text.isString())
        read->text = text.toString();
    return request;
}

std::variant<ChangeRequest, QString> ChangeRequest::forSign(const QJsonObject& body, const QString& project)
{
    if (body.contains(kText))
        return ServiceTexts::unknownKey(kText);
    auto options = optionsOf(body, kSignKeys);
    if (const auto* refused = std::get_if<QString>(&options))
        return *refused;
    return read(std::get<QStringList>(options), project);
}
