// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "card/cardline.h"

class QSerialPort;

// The card listening on a serial port of this computer, or on any device a serial port opens,
// such as one end of a pseudo-terminal pair that socat joins to a sender.
class SerialCardLine : public CardLine {
    Q_OBJECT

public:
    explicit SerialCardLine(const QString& device, QObject* parent = nullptr);

    [[nodiscard]] bool open() override;
    [[nodiscard]] QString device() const override;
    [[nodiscard]] bool isPaced() const override { return !m_pseudoTerminal; }
    [[nodiscard]] QString errorString() const override;

private:
    QString m_device;
    bool m_pseudoTerminal = false;
    QSerialPort* m_port = nullptr;
};
