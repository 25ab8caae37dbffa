// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <QString>

class LinkTime;
class LinkTimer;

// The status line of the exchanges with the card: while an upload runs, the time it has left by
// the reckoning `p10signctl info` uses; afterwards whether the exchange completed or why not, and
// how long it took. The transfer commands keep it up to date.
class TransferStatus : public QObject {
    Q_OBJECT

public:
    explicit TransferStatus(LinkTime& time, QObject* parent = nullptr);

    [[nodiscard]] const QString& text() const { return m_text; }

    void uploadStarted(qint64 estimatedMs);
    void clockSetStarted();
    // failure: why the exchange did not complete; empty when it did.
    void showEnded(const QString& failure);
    // Another project is loaded: what was said about the last one's exchange goes.
    void clear() { show({}); }

signals:
    void changed(const QString& text);

private:
    void showTimeLeft();
    void show(const QString& text);

    LinkTime& m_time;
    LinkTimer* m_tick = nullptr;
    bool m_upload = false;
    qint64 m_startMs = 0;
    qint64 m_estimatedMs = 0;
    QString m_text;
};
