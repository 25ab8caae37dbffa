// SPDX-License-Identifier: GPL-3.0-or-later
#include "sendertools.h"

#include "ctl/ctlcommand.h"
#include "model/limits.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QImage>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTextStream>

namespace SenderTools {

QByteArray contentsOf(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

Run ctl(const QStringList& arguments)
{
    Run run;
    QTextStream output(&run.output);
    QTextStream errors(&run.error);
    CtlCommand command(output, errors);
    QElapsedTimer elapsed;
    elapsed.start();
    run.status = command.run(QStringList{QStringLiteral("p10signctl")} + arguments);
    run.ms = elapsed.elapsed();
    return run;
}

QString makeProject(const QString& folder, int widthBytes, int heightDots)
{
    QImage picture(widthBytes * kPixelsPerByte, heightDots, QImage::Format_RGB32);
    picture.fill(Qt::black);
    for (int row = 0; row < heightDots; ++row) {
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
    const QString project =
        QDir(folder).filePath(QStringLiteral("pattern%1x%2.ini").arg(widthBytes).arg(heightDots));
    if (!picture.save(bmp) ||
        ctl({QStringLiteral("set"), project, QStringLiteral("--height"), QString::number(heightDots)})
                .status != 0 ||
        ctl({QStringLiteral("import"), project, QStringLiteral("--message"), QStringLiteral("0"),
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
    const int heightDots = card[QStringLiteral("screen")][QStringLiteral("heightDots")].toInt();
    if (rows.size() < heightDots || length == 0)
        return QStringLiteral("%1 rows of %2 bytes").arg(rows.size()).arg(length);
    for (int row = 0; row < heightDots; ++row) {
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
