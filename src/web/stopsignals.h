// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>

class QSocketNotifier;

// Turns SIGINT and SIGTERM into a signal of the event loop, so that the service ends as any other
// run does: the exchange on the line and the open connections go with their owners. One at a time.
class StopSignals : public QObject {
    Q_OBJECT

public:
    explicit StopSignals(QObject* parent = nullptr);
    ~StopSignals() override;

signals:
    void received();

private:
    QSocketNotifier* m_notifier = nullptr;
};
