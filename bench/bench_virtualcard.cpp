// SPDX-License-Identifier: GPL-3.0-or-later
#include "card/cardmemoryfile.h"
#include "link/uploadframes.h"
#include "model/project.h"

#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <QThread>
#include <unistd.h>

namespace {

constexpr int kBytesPerSecond = 960;
constexpr int kTickMs = 16; // a USB serial adapter hands over what it holds about this often
constexpr int kTimeoutMs = 180000;
constexpr double kCpuPercentMax = 2.0;

// Processor seconds the process has used so far, from /proc.
double cpuSeconds(qint64 pid)
{
    QFile stat(QStringLiteral("/proc/%1/stat").arg(pid));
    if (!stat.open(QIODevice::ReadOnly))
        return -1;
    const QByteArray text = stat.readAll();
    // Fields after the command's closing parenthesis: state is field 3, utime 14, stime 15.
    const QList<QByteArray> fields = text.mid(text.lastIndexOf(')') + 2).split(' ');
    const double ticks = fields.value(11).toDouble() + fields.value(12).toDouble();
    return ticks / double(::sysconf(_SC_CLK_TCK));
}

// A full card: two messages of 2047 bytes on a 16-row sign, 57,344 bytes of rows.
struct Upload {
    QByteArray header;
    QByteArray rows;
};

Upload fullCard()
{
    Project project;
    for (int m = 0; m < 2; ++m) {
        for (int row = 0; row < kRows; ++row) {
            for (int col = 0; col < kColumns; ++col)
                project.dispData().set(col, row, m, static_cast<std::uint8_t>(col * 7 + row + m));
        }
        project.setMsgLen(m, kColumns);
    }
    const auto layout = UploadFrames::screenRows(project.globals().screenHeight.text());
    const UploadFrames::HeaderValues values = UploadFrames::headerValues(project, layout.rowCapacity);
    Upload upload{UploadFrames::header(values), {}};
    for (int row = 0; row < layout.rowCount; ++row)
        upload.rows += UploadFrames::rowBlock(project.dispData(), values.directory, row);
    return upload;
}

// Writes the bytes no faster than a 9600-baud line carries them, a few at a time.
void writePaced(QFile& line, const QByteArray& bytes)
{
    QElapsedTimer clock;
    clock.start();
    qsizetype written = 0;
    while (written < bytes.size()) {
        QThread::msleep(kTickMs);
        const qsizetype due = std::min<qsizetype>(bytes.size(), clock.elapsed() * kBytesPerSecond / 1000);
        if (due > written)
            written += line.write(bytes.mid(written, due - written));
    }
}

} // namespace

// p10signcard --pty --headless receiving a full card over a line paced as 9600 baud (about 63
// seconds): the processor time of the card's whole process, and that every byte arrived.
class BenchVirtualCard : public QObject {
    Q_OBJECT

private slots:
    void fullThrottledUpload()
    {
        QTemporaryDir dir;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("XDG_RUNTIME_DIR"), dir.path());
        const QString json = dir.filePath(QStringLiteral("card.json"));
        QProcess card;
        card.setProcessEnvironment(environment);
        card.start(QStringLiteral(P10SIGNCARD),
                   {QStringLiteral("--pty"), QStringLiteral("--headless"), QStringLiteral("--json"), json,
                    QStringLiteral("--memory"), dir.filePath(QStringLiteral("memory.json"))});
        QVERIFY(card.waitForReadyRead());
        const QString device = QString::fromUtf8(card.readLine()).trimmed();
        QFile line(device);
        QVERIFY(line.open(QIODevice::WriteOnly | QIODevice::Unbuffered));
        const Upload upload = fullCard();

        QElapsedTimer wall;
        wall.start();
        const double cpuBefore = cpuSeconds(card.processId());
        QCOMPARE(line.write("Hello32"), 7);
        QThread::msleep(3000);
        writePaced(line, upload.header);
        QThread::msleep(300);
        writePaced(line, upload.rows);
        QVERIFY(card.waitForReadyRead(kTimeoutMs));
        const QString logged = QString::fromUtf8(card.readLine()).trimmed();
        const double cpu = cpuSeconds(card.processId()) - cpuBefore;
        const double seconds = wall.elapsed() / 1000.0;
        const double percent = 100.0 * cpu / seconds;
        qInfo("upload %.1f s, the card's process %.3f s CPU = %.2f %% of a core", seconds, cpu, percent);
        qInfo("%s", qUtf8Printable(logged));

        const std::optional<CardMemory> memory = CardMemoryFile::read(json).memory;
        QVERIFY(memory.has_value());
        QCOMPARE(memory->rows.size(), upload.rows.size());
        QVERIFY2(memory->rows == upload.rows, "every byte arrived as sent");
        QVERIFY2(percent <= kCpuPercentMax, "receiving costs more than 2 % of a core");
        card.terminate();
        card.waitForFinished();
    }
};

QTEST_GUILESS_MAIN(BenchVirtualCard)
#include "bench_virtualcard.moc"
