// SPDX-License-Identifier: GPL-3.0-or-later
#include "link/uploadexchange.h"

#include "link/linkconstants.h"
#include "model/project.h"

UploadExchange::UploadExchange(Project& project, SerialLine& line, LinkTime& time, QObject* parent)
    : LinkExchange(line, time, parent)
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
    UploadFrames::HeaderValues values = UploadFrames::headerValues(m_project, rowCapacity);
    m_project.setAltGroup(values.altBeginMsg, values.altMsgNum);
    return values;
}
