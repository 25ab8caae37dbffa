// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "card/cardline.h"

class QSocketNotifier;

// The card listening on a pseudo-terminal pair it makes itself (Linux and macOS): a sender opens
// the device() path as it would a serial port. Reads wait on the terminal without polling.
class PtyCardLine : public CardLine {
    Q_OBJECT

public:
    explicit PtyCardLine(QObject* parent = nullptr);
    ~PtyCardLine() override;
    PtyCardLine(const PtyCardLine&) = delete;
    PtyCardLine& operator=(const PtyCardLine&) = delete;

    [[nodiscard]] bool open() override;
    [[nodiscard]] QString device() const override { return m_device; }
    [[nodiscard]] bool isPaced() const override { return false; }
    [[nodiscard]] QString errorString() const override { return m_error; }

private:
    [[nodiscard]] bool fail(const QString& step);
    void readAvailable();
    void closeAll();

    int m_master = -1;
    int m_far = -1; // the sender's end, held open by the card too
    QSocketNotifier* m_notifier = nullptr;
    QString m_device;
    QString m_error;
};
