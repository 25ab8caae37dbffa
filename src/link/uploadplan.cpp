// SPDX-License-Identifier: GPL-3.0-or-later
#include "link/uploadplan.h"

#include "dialogs/linktexts.h"
#include "dialogs/messagetexts.h"
#include "link/linkconstants.h"
#include "model/project.h"

#include <QStringList>

UploadPlan UploadPlan::of(const Project& project)
{
    UploadPlan plan;
    plan.rows = UploadFrames::screenRows(project.globals().screenHeight.text());
    plan.directory = UploadFrames::messageDirectory(project.msgLen(), plan.rows.rowCapacity);
    for (int m = 0; m < kMessageCount; ++m) {
        const int length = plan.directory.entries[m].length;
        if (length == 0 && project.msgLen()[m] > 0)
            plan.dropped << m;
        else if (length < project.msgLen()[m])
            plan.cut << m;
    }
    plan.memoryBytes = qint64(plan.rows.rowCount) * plan.directory.totalRowLength;
    plan.streamBytes = Link::kUploadHello.size() + Link::kHeaderSize + plan.memoryBytes;
    const int waitsMs = Link::kHandshakeSteps * Link::kHandshakeWaitMs + Link::kHeaderSettleMs;
    plan.durationMs = plan.streamBytes * 1000 / Link::kBytesPerSecond + waitsMs;
    return plan;
}

QString UploadPlan::overflowText() const
{
    QStringList lines;
    if (!cut.isEmpty())
        lines << LinkTexts::cutMessages().arg(MessageTexts::messageNames(cut));
    if (!dropped.isEmpty())
        lines << LinkTexts::droppedMessages().arg(MessageTexts::messageNames(dropped));
    return lines.join(u'\n');
}
