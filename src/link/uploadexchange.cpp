// SPDX-License-Identifier: GPL-3.0-or-later
#include "link/uploadexchange.h"

#include "link/linkconstants.h"
#include "model/project.h"
#include "schedule/alternation.h"

UploadExchange::UploadExchange(Project& project, SerialLine& line, QObject* parent)
    : LinkExchange(line, parent)
    , m_project(project)
{
}

QCoro::Task<> UploadExchange::steps()
{
    const UploadFrames::ScreenRows rows = UploadFrames::screenRows(m_project.globals().screenHeight.text());
    setProgressMaximum(rows.rowCount - 1 + Link::kProgressRowOffset);
    showProgress(1);
    send(Link::kUploadHello.toByteArray());
    if (!co_await waitMs(Link::kHandshakeWaitMs))
        co_return;
    showProgress(2);
    if (!co_await waitMs(Link::kHandshakeWaitMs))
        co_return;
    showProgress(3);
    if (!co_await waitMs(Link::kHandshakeWaitMs))
        co_return;

    const UploadFrames::HeaderValues header = headerValues(rows.rowCapacity);
    send(UploadFrames::header(header));
    if (!co_await drain() || !co_await waitMs(Link::kHeaderSettleMs))
        co_return;

    // The lengths stay those of the header, which the card has already taken; the bytes are
    // read as each row goes out.
    for (int row = 0; row < rows.rowCount; ++row) {
        showProgress(row + Link::kProgressRowOffset);
        const QByteArray block = UploadFrames::rowBlock(m_project.dispData(), header.directory, row);
        for (const QByteArray& chunk : UploadFrames::chunks(block)) {
            send(chunk);
            if (!co_await drain())
                co_return;
        }
    }
}

UploadFrames::HeaderValues UploadExchange::headerValues(int rowCapacity)
{
    const AltGroup group = Alternation::findAltGroup(m_project.altBoxes());
    if (group.count < 2)
        m_project.setAltGroup(0, 0);
    else
        m_project.setAltGroup(group.begin, group.count);

    const GlobalSettings& globals = m_project.globals();
    UploadFrames::HeaderValues values;
    values.msgLen0 = m_project.msgLen()[0];
    values.screenWidthText = globals.screenWidth.text();
    values.brightnessText = globals.brightness.text();
    values.altBeginMsg = m_project.altBeginMsg();
    values.altMsgNum = m_project.altMsgNum();
    values.clockMessageText = globals.clockMessage.text();
    values.hourPositionText = globals.hourPosition.text();
    values.minutePositionText = globals.minutePosition.text();
    values.daysMessageText = globals.daysMessage.text();
    values.daysPositionText = globals.daysPosition.text();
    for (int m = 0; m < kMessageCount; ++m) {
        const MessageSettings& message = m_project.message(m);
        values.modes[m] = {message.mode.index(), message.speed.text(), message.flash, message.loopLamp};
    }
    values.directory = UploadFrames::messageDirectory(m_project.msgLen(), rowCapacity);
    return values;
}
