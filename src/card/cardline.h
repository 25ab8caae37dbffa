// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QObject>
#include <QString>

// The card's end of the serial line: it only listens, as the card never answers. The virtual
// card reads a real port or a pseudo-terminal it makes itself through this one interface.
class CardLine : public QObject {
    Q_OBJECT

public:
    using QObject::QObject;

    // Starts listening at 9600 baud, 8N1; false, with errorString() saying why, when it cannot.
    [[nodiscard]] virtual bool open() = 0;
    // What a sender opens to reach the card.
    [[nodiscard]] virtual QString device() const = 0;
    [[nodiscard]] virtual QString errorString() const = 0;
    // Whether the bytes come at the line's baud rate, as on a real serial line.
    [[nodiscard]] virtual bool isPaced() const = 0;

signals:
    // Bytes as one read gave them.
    void received(const QByteArray& bytes);
    // The line broke (device gone, read error); nothing more comes.
    void failed(const QString& reason);
    // The sender went away, and everything it sent has been received.
    void senderGone();
};
