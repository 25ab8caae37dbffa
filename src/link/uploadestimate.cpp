// SPDX-License-Identifier: GPL-3.0-or-later
#include "link/uploadestimate.h"

#include "link/linkconstants.h"
#include "link/uploadframes.h"
#include "model/project.h"
#include "texts/linktexts.h"
#include "texts/messagetexts.h"

#include <QStringList>
#include <algorithm>

UploadEstimate UploadEstimate::of(const Project& project)
{
    const auto rows = UploadFrames::screenRows(project.globals().screenHeight.text());
    const auto directory = UploadFrames::messageDirectory(project.msgLen(), rows.rowCapacity);
    UploadEstimate estimate;
    for (const int length : project.msgLen())
        estimate.usedColumns += std::max(length, 0);
    estimate.capacityColumns = rows.rowCapacity;
    estimate.clippedColumns = estimate.usedColumns - directory.totalRowLength;
    for (int m = 0; m < kMessageCount; ++m) {
        const int sent = directory.entries[m].length;
        if (sent == 0 && project.msgLen()[m] > 0)
            estimate.dropped << m;
        else if (sent < project.msgLen()[m])
            estimate.cut << m;
    }
    estimate.memoryBytes = rows.rowCount * directory.totalRowLength;
    estimate.lineBytes = Link::kUploadHello.size() + Link::kHeaderSize + estimate.memoryBytes;
    const int waitsMs = Link::kHandshakeSteps * Link::kHandshakeWaitMs + Link::kHeaderSettleMs;
    estimate.seconds = double(estimate.lineBytes) / Link::kBytesPerSecond + waitsMs / 1000.0;
    return estimate;
}

QString UploadEstimate::overflowText() const
{
    QStringList lines;
    if (!cut.isEmpty())
        lines << LinkTexts::cutMessages().arg(MessageTexts::messageNames(cut));
    if (!dropped.isEmpty())
        lines << LinkTexts::droppedMessages().arg(MessageTexts::messageNames(dropped));
    return lines.join(u'\n');
}

QString UploadEstimate::overCapacityText(const QString& next) const
{
    return LinkTexts::overCapacity() + u'\n' + overflowText() + u'\n' + next;
}
