// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "link/serialline.h"

// A serial line that never sends anything: for the busy flag in tests of commands that only
// look at it. Exchanges are tested over real pseudo-terminals.
class FakeSerialLine : public SerialLine {
public:
    using SerialLine::SerialLine;

    void setPortName(const QString& device) override { portName = device; }
    bool open() override
    {
        m_open = true;
        emit openChanged(true);
        return true;
    }
    void close() override
    {
        m_open = false;
        emit openChanged(false);
    }
    bool isOpen() const override { return m_open; }
    void setDtr(bool) override {}
    bool write(const QByteArray& bytes) override
    {
        written += bytes;
        return true;
    }
    qint64 bytesQueued() const override { return queued; }

    QString portName;
    QByteArray written;
    qint64 queued = 0; // bytes that never leave: a stalled line when above 0

private:
    bool m_open = false;
};
