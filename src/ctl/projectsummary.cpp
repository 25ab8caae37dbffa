// SPDX-License-Identifier: GPL-3.0-or-later
#include "ctl/projectsummary.h"

#include "ctl/ctltexts.h"
#include "imaging/usagegauge.h"
#include "link/uploadestimate.h"
#include "model/listitems.h"
#include "model/project.h"
#include "model/textnumbers.h"
#include "schedule/alternation.h"
#include "schedule/worktimerules.h"
#include "texts/messagetexts.h"

#include <QJsonArray>
#include <cmath>

namespace {

double tenths(double value)
{
    return std::round(value * 10) / 10;
}

QJsonArray indices(const QList<int>& messages)
{
    QJsonArray array;
    for (const int m : messages)
        array.append(m);
    return array;
}

// Entry 0 of the clock and countdown lists is "None", entry k message k - 1.
std::optional<int> chosenMessage(const EditableList& list)
{
    return list.index() > 0 ? std::optional<int>(list.index() - 1) : std::nullopt;
}

QJsonValue messageValue(const std::optional<int>& message)
{
    return message ? QJsonValue(*message) : QJsonValue();
}

// The number a field's text stands for, as the program reads it for the card.
QJsonValue number(const QString& text)
{
    return numericValue(text);
}

QString messageText(const std::optional<int>& message)
{
    return message ? MessageTexts::messageNames({*message}) : CtlTexts::noMessage();
}

} // namespace

ProjectSummary ProjectSummary::of(const Project& project)
{
    ProjectSummary summary;
    const GlobalSettings& globals = project.globals();
    summary.screenWidth = globals.screenWidth.text();
    summary.screenHeight = globals.screenHeight.text();
    for (int m = 0; m < kMessageCount; ++m) {
        const MessageSettings& message = project.message(m);
        summary.messages.append({m, project.msgLen()[m], message.mode.index(), message.mode.text(),
                                 message.speed.text(), message.text, message.fontName,
                                 message.fontSize.text(), message.bold, message.flash, message.loopLamp,
                                 message.topAdj});
    }
    summary.clockMessage = chosenMessage(globals.clockMessage);
    summary.hourPosition = globals.hourPosition.text();
    summary.minutePosition = globals.minutePosition.text();
    summary.daysMessage = chosenMessage(globals.daysMessage);
    summary.daysPosition = globals.daysPosition.text();
    summary.countdownDays = globals.countdownDays;
    const WorkTime& workTime = project.workTime();
    summary.workTimeEnabled = workTime.enabled;
    summary.workStart = WorkTimeRules::minutesToHhMm(workTime.start);
    summary.workEnd = WorkTimeRules::minutesToHhMm(workTime.end);

    const UploadEstimate upload = UploadEstimate::of(project);
    summary.memoryBytes = upload.memoryBytes;
    summary.gaugePercent = tenths(100.0 * project.totalLen() / UsageGauge::kLastPixel);

    const AltGroup group = Alternation::findAltGroup(project.altBoxes());
    summary.altBegin = group.begin;
    summary.altCount = group.count;

    summary.uploadBytes = upload.lineBytes;
    summary.uploadSeconds = tenths(upload.seconds);
    summary.cut = upload.cut;
    summary.dropped = upload.dropped;
    summary.overflow = upload.overflowText();
    return summary;
}

QString ProjectSummary::text() const
{
    QString text;
    text += CtlTexts::screenSummary(screenWidth, screenHeight) + u'\n';
    for (const Message& message : messages) {
        text += CtlTexts::messageSummary()
                    .arg(message.index, 2)
                    .arg(message.length, 4)
                    .arg(ListItems::shownText(message.mode), message.speed) +
                u'\n';
    }
    text += CtlTexts::clockSummary(messageText(clockMessage), hourPosition, minutePosition) + u'\n';
    text += CtlTexts::daysSummary(messageText(daysMessage), daysPosition, countdownDays) + u'\n';
    text += CtlTexts::workTimeSummary(workStart, workEnd, workTimeEnabled) + u'\n';
    text += CtlTexts::memorySummary(memoryBytes, gaugePercent) + u'\n';
    text += CtlTexts::alternationSummary(altBegin, altCount) + u'\n';
    text += CtlTexts::uploadSummary(uploadBytes, uploadSeconds) + u'\n';
    if (!overflow.isEmpty())
        text += overflow + u'\n';
    return text;
}

QJsonObject ProjectSummary::json() const
{
    QJsonArray messageArray;
    for (const Message& message : messages) {
        messageArray.append(QJsonObject{{QStringLiteral("index"), message.index},
                                        {QStringLiteral("length"), message.length},
                                        {QStringLiteral("modeIndex"), message.modeIndex},
                                        {QStringLiteral("mode"), message.mode},
                                        {QStringLiteral("speed"), number(message.speed)},
                                        {QStringLiteral("text"), message.text},
                                        {QStringLiteral("font"), message.font},
                                        {QStringLiteral("size"), number(message.size)},
                                        {QStringLiteral("bold"), message.bold},
                                        {QStringLiteral("flash"), message.flash},
                                        {QStringLiteral("frame"), message.frame},
                                        {QStringLiteral("adjust"), number(message.adjust)}});
    }
    return QJsonObject{
        {QStringLiteral("screen"), QJsonObject{{QStringLiteral("widthBytes"), number(screenWidth)},
                                               {QStringLiteral("heightDots"), number(screenHeight)}}},
        {QStringLiteral("messages"), messageArray},
        {QStringLiteral("clock"), QJsonObject{{QStringLiteral("message"), messageValue(clockMessage)},
                                              {QStringLiteral("hourPosition"), number(hourPosition)},
                                              {QStringLiteral("minutePosition"), number(minutePosition)}}},
        {QStringLiteral("countdown"), QJsonObject{{QStringLiteral("message"), messageValue(daysMessage)},
                                                  {QStringLiteral("position"), number(daysPosition)},
                                                  {QStringLiteral("days"), number(countdownDays)}}},
        {QStringLiteral("workTime"), QJsonObject{{QStringLiteral("enabled"), workTimeEnabled},
                                                 {QStringLiteral("start"), workStart},
                                                 {QStringLiteral("end"), workEnd}}},
        {QStringLiteral("memory"),
         QJsonObject{{QStringLiteral("bytes"), memoryBytes}, {QStringLiteral("gaugePercent"), gaugePercent}}},
        {QStringLiteral("alternation"),
         QJsonObject{{QStringLiteral("begin"), altBegin}, {QStringLiteral("count"), altCount}}},
        {QStringLiteral("upload"), QJsonObject{{QStringLiteral("bytes"), uploadBytes},
                                               {QStringLiteral("seconds"), uploadSeconds},
                                               {QStringLiteral("cut"), indices(cut)},
                                               {QStringLiteral("dropped"), indices(dropped)}}},
    };
}
