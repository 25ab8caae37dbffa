// SPDX-License-Identifier: GPL-3.0-or-later
#include "ctl/projectsummary.h"

#include "imaging/usagegauge.h"
#include "link/linkconstants.h"
#include "link/uploadframes.h"
#include "model/project.h"
#include "schedule/alternation.h"

#include <QJsonArray>
#include <cmath>

namespace {

double tenths(double value)
{
    return std::round(value * 10) / 10;
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
        summary.messages.append(
            {m, project.msgLen()[m], message.mode.index(), message.mode.text(), message.speed.text()});
    }

    const auto rows = UploadFrames::screenRows(globals.screenHeight.text());
    const auto directory = UploadFrames::messageDirectory(project.msgLen(), rows.rowCapacity);
    summary.memoryBytes = rows.rowCount * directory.totalRowLength;
    summary.gaugePercent = tenths(100.0 * project.totalLen() / UsageGauge::kLastPixel);

    const AltGroup group = Alternation::findAltGroup(project.altBoxes());
    summary.altBegin = group.begin;
    summary.altCount = group.count;

    summary.uploadBytes = Link::kUploadHello.size() + Link::kHeaderSize + summary.memoryBytes;
    const int waitsMs = Link::kHandshakeSteps * Link::kHandshakeWaitMs + Link::kHeaderSettleMs;
    summary.uploadSeconds = tenths(double(summary.uploadBytes) / Link::kBytesPerSecond + waitsMs / 1000.0);
    return summary;
}

QString ProjectSummary::text() const
{
    QString text;
    text += QStringLiteral("画面: %1 バイト × %2 ドット\n").arg(screenWidth, screenHeight);
    for (const Message& message : messages) {
        text += QStringLiteral("表示 %1: 長さ %2 バイト, %3, 速度 %4\n")
                    .arg(message.index, 2)
                    .arg(message.length, 4)
                    .arg(message.mode, message.speed);
    }
    text += QStringLiteral("メモリ: %1 バイト (%2 %)\n").arg(memoryBytes).arg(gaugePercent, 0, 'f', 1);
    text += altCount == 0 ? QStringLiteral("交互表示: なし\n")
                          : QStringLiteral("交互表示: 表示 %1 から %2 個\n").arg(altBegin).arg(altCount);
    text += QStringLiteral("転送: %1 バイト, 約 %2 秒\n").arg(uploadBytes).arg(uploadSeconds, 0, 'f', 1);
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
                                        {QStringLiteral("speed"), message.speed}});
    }
    return QJsonObject{
        {QStringLiteral("screen"), QJsonObject{{QStringLiteral("widthBytes"), screenWidth},
                                               {QStringLiteral("heightDots"), screenHeight}}},
        {QStringLiteral("messages"), messageArray},
        {QStringLiteral("memory"),
         QJsonObject{{QStringLiteral("bytes"), memoryBytes}, {QStringLiteral("gaugePercent"), gaugePercent}}},
        {QStringLiteral("alternation"),
         QJsonObject{{QStringLiteral("begin"), altBegin}, {QStringLiteral("count"), altCount}}},
        {QStringLiteral("upload"),
         QJsonObject{{QStringLiteral("bytes"), uploadBytes}, {QStringLiteral("seconds"), uploadSeconds}}},
    };
}
