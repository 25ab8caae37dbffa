// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QElapsedTimer>
#include <QObject>
#include <functional>

class QIODevice;
class QTimer;

// Reads a card line no faster than 9600 baud brings the bytes, as a card's receiver takes them,
// so that a sender on a pseudo-terminal or the network waits for the virtual card as long as for a
// real one; or, when fast, takes whatever is there at once. The line says when bytes are waiting
// and how to take some; this decides how many, and comes back for the rest.
class PacedReader : public QObject {
    Q_OBJECT

public:
    struct Taken {
        QByteArray bytes;
        bool more = false; // bytes are left waiting
    };
    using Read = std::function<Taken(qsizetype most)>;
    // At most `most` bytes of what a device holds.
    [[nodiscard]] static Taken take(QIODevice& device, qsizetype most);

    // read: takes at most that many of the bytes waiting. watch: turns the line's own notice of
    // waiting bytes on or off, so that bytes left waiting on purpose do not wake it again and again.
    PacedReader(bool fast, Read read, std::function<void(bool)> watch, QObject* parent = nullptr);

    // Bytes are waiting on the line.
    void readAvailable();

signals:
    void received(const QByteArray& bytes);

private:
    void comeBack();

    bool m_fast = false;
    Read m_read;
    std::function<void(bool)> m_watch;
    QTimer* m_resume = nullptr;
    QElapsedTimer m_clock;
    double m_credit = 0;       // bytes the line has brought since the last read
    bool m_backlogged = false; // bytes were left waiting at the last read
    qint64 m_lastMs = 0;
};
