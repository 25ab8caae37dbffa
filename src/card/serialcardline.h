// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "card/cardline.h"

class PacedReader;
class QSerialPort;

// The card listening on a serial port of this computer, or on any device a serial port opens,
// such as one end of a pseudo-terminal pair that socat joins to a sender. A pseudo-terminal has no
// baud rate; unless fast, the card reads it at 9600 baud's pace.
class SerialCardLine : public CardLine {
    Q_OBJECT

public:
    SerialCardLine(const QString& device, bool fast, QObject* parent = nullptr);

    [[nodiscard]] bool open() override;
    [[nodiscard]] QString device() const override;
    [[nodiscard]] bool isPaced() const override { return !m_pseudoTerminal; }
    [[nodiscard]] QString errorString() const override;

private:
    QString m_device;
    bool m_fast = false;
    bool m_pseudoTerminal = false;
    QSerialPort* m_port = nullptr;
    PacedReader* m_reader = nullptr;
};
