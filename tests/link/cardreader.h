// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QElapsedTimer>
#include <QList>
#include <QObject>
#include <QString>

class QSocketNotifier;
class QTimer;

// The card's side of a pseudo-terminal: reads whatever arrives, optionally no faster than a real
// 9600-baud line would take it, and notes when every byte came. Independent of the program's own
// serial code on purpose.
class CardReader : public QObject {
    Q_OBJECT

public:
    // bytesPerSecond 0 reads as fast as bytes arrive.
    explicit CardReader(int bytesPerSecond = 0, QObject* parent = nullptr);
    ~CardReader() override;

    [[nodiscard]] bool open(const QString& path);
    // Reads from a descriptor opened elsewhere, such as an accepted network connection.
    void adopt(int fd);
    // Closes the card's end: the program's side sees the line break.
    void hangUp();

    [[nodiscard]] const QByteArray& received() const { return m_received; }
    // Milliseconds since open() at which byte i arrived.
    [[nodiscard]] qint64 arrival(qsizetype i) const { return m_arrivals.at(i); }

signals:
    void receivedChanged(qsizetype total);

private:
    void readAvailable();

    int m_bytesPerSecond = 0;
    int m_fd = -1;
    QSocketNotifier* m_notifier = nullptr;
    QTimer* m_resume = nullptr;
    QElapsedTimer m_clock;
    double m_credit = 0;       // bytes the line could have delivered since the last read
    bool m_backlogged = false; // bytes were waiting at the last look
    qint64 m_lastRefill = 0;
    QByteArray m_received;
    QList<qint64> m_arrivals;
};
