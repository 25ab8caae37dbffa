// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "card/cardline.h"
#include "card/pacedreader.h"

class QSocketNotifier;

// The card listening on a pseudo-terminal pair it makes itself (Linux and macOS): a sender opens
// the device() path as it would a serial port. Reads wait on the terminal without polling. Unless
// fast, the card reads at 9600 baud's pace and stops the sender's end while a few chunks wait, so
// that the sender's queue, and with it its progress, follows the card as on a real line.
class PtyCardLine : public CardLine {
    Q_OBJECT

public:
    explicit PtyCardLine(bool fast, QObject* parent = nullptr);
    ~PtyCardLine() override;
    PtyCardLine(const PtyCardLine&) = delete;
    PtyCardLine& operator=(const PtyCardLine&) = delete;

    [[nodiscard]] bool open() override;
    [[nodiscard]] QString device() const override { return m_device; }
    [[nodiscard]] bool isPaced() const override { return false; }
    [[nodiscard]] QString errorString() const override { return m_error; }

private:
    [[nodiscard]] bool fail(const QString& step);
    [[nodiscard]] PacedReader::Taken read(qsizetype most);
    void stopSender(bool stop);
    void closeAll();

    bool m_fast = false;
    int m_master = -1;
    int m_far = -1; // the sender's end, held open by the card too
    QSocketNotifier* m_notifier = nullptr;
    PacedReader* m_reader = nullptr;
    bool m_senderStopped = false;
    QString m_device;
    QString m_error;
};
