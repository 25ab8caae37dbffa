// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QIODevice>
#include <QString>

class QFile;

// The device a new file is written through: every write reaches the file whole or fails with the
// system's reason. An unbuffered QFile that a full disk stops half way through a write reports the
// part it wrote and no reason at all; writing the rest again makes the system say why it fails.
class WholeWriter : public QIODevice {
public:
    // The file is open for writing, unbuffered.
    explicit WholeWriter(QFile& file);

    [[nodiscard]] bool isSequential() const override { return true; }
    // The system's reason of the write that failed; empty when none did.
    [[nodiscard]] const QString& failure() const { return m_failure; }

protected:
    qint64 readData(char* data, qint64 maxSize) override;
    qint64 writeData(const char* data, qint64 size) override;

private:
    QFile& m_file;
    QString m_failure;
};
