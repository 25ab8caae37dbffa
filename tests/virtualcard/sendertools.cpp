// SPDX-License-Identifier: GPL-3.0-or-later
#include "sendertools.h"

#include "model/limits.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QImage>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>

namespace SenderTools {

namespace {

constexpr int kRunMs = 120000;
constexpr int kRows16 = 16;

} // namespace

QByteArray contentsOf(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

Run ctl(const QProcessEnvironment& environment, const QStringList& arguments)
{
    QProcess process;
    process.setProcessEnvironment(environment);
    QElapsedTimer elapsed;
    elapsed.start();
    process.start(QStringLiteral(P10SIGNCTL), arguments);
    if (!process.waitForFinished(kRunMs)) {
        process.kill();
        process.waitForFinished();
        return {};
    }
    return {process.exitCode(), QString::fromUtf8(process.readAllStandardOutput()),
            QString::fromUtf8(process.readAllStandardError()), elapsed.elapsed()};
}

QString makeProject(const QProcessEnvironment& environment, const QString& folder, int widthBytes)
{
    QImage picture(widthBytes * kPixelsPerByte, kRows16, QImage::Format_RGB32);
    picture.fill(Qt::black);
    for (int row = 0; row < kRows16; ++row) {
        for (int column = 0; column < widthBytes; ++column) {
            // The last column lit whole, so the message is as long as the picture.
            const int value = column == widthBytes - 1 ? 0xFF : (column * 7 + row * 13) & 0xFF;
            for (int bit = 0; bit < kPixelsPerByte; ++bit) {
                if ((value & (0x80 >> bit)) != 0)
                    picture.setPixel(column * kPixelsPerByte + bit, row, qRgb(255, 0, 0));
            }
        }
    }
    const QString bmp = QDir(folder).filePath(QStringLiteral("pattern.bmp"));
    const QString project = QDir(folder).filePath(QStringLiteral("pattern%1.ini").arg(widthBytes));
    if (!picture.save(bmp) ||
        ctl(environment, {QStringLiteral("set"), project, QStringLiteral("--height"), QStringLiteral("16")})
                .status != 0 ||
        ctl(environment, {QStringLiteral("import"), project, QStringLiteral("--message"), QStringLiteral("0"),
                          QStringLiteral("--picture"), bmp})
                .status != 0)
        return {};
    return project;
}

QString memoryDifference(const QString& cardJson, const QString& project)
{
    const QJsonObject card = QJsonDocument::fromJson(contentsOf(cardJson)).object();
    const QByteArray data = contentsOf(project.chopped(3) + QStringLiteral("bin"));
    const QJsonArray rows = card[QStringLiteral("rows")].toArray();
    const int length = card[QStringLiteral("messages")].toArray().at(0)[QStringLiteral("length")].toInt();
    if (card[QStringLiteral("screen")][QStringLiteral("heightDots")].toInt() != kRows16 || length == 0)
        return QStringLiteral("%1 rows of %2 bytes").arg(rows.size()).arg(length);
    for (int row = 0; row < kRows16; ++row) {
        const QByteArray sent = data.mid(qsizetype(row) * kColumns, length).toHex();
        const QByteArray held = rows[row].toString().left(length * 2).toLatin1();
        if (held != sent)
            return QStringLiteral("row %1: %2 instead of %3")
                .arg(row)
                .arg(QString::fromLatin1(held), QString::fromLatin1(sent));
    }
    return {};
}

} // namespace SenderTools
