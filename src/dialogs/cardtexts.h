#pragma once

#include <QCoreApplication>
#include <QString>

// What the card's side reports about the bytes it received.
namespace CardTexts {

[[nodiscard]] inline QString headerFrame()
{
    return QCoreApplication::translate("CardTexts", "ヘッダー");
}
[[nodiscard]] inline QString timeFrame()
{
    return QCoreApplication::translate("CardTexts", "時刻");
}
[[nodiscard]] inline QString scheduleFrame()
{
    return QCoreApplication::translate("CardTexts", "日数と稼働時間");
}
// %1 one of the frame names above, %2 the bytes received, %3 the bytes expected.
[[nodiscard]] inline QString wrongFrameSize(const QString& frame, qsizetype received, int expected)
{
    return QCoreApplication::translate("CardTexts", "%1 フレームが %2 バイトでした（%3 バイトのはず）。")
        .arg(frame)
        .arg(received)
        .arg(expected);
}
[[nodiscard]] inline QString headerTooSoon(qint64 ms, int expectedMs)
{
    return QCoreApplication::translate("CardTexts",
                                       "ヘッダーが挨拶の %1 ミリ秒後に届きました（%2 ミリ秒待つはず）。")
        .arg(ms)
        .arg(expectedMs);
}
[[nodiscard]] inline QString chunkTooLong(qsizetype bytes, int chunk)
{
    return QCoreApplication::translate("CardTexts",
                                       "行データが一度に %1 バイト届きました（一度に %2 バイトまでのはず）。")
        .arg(bytes)
        .arg(chunk);
}
[[nodiscard]] inline QString directoryMismatch(int sum, int total)
{
    return QCoreApplication::translate("CardTexts",
                                       "目録の長さの合計 %1 バイトがヘッダーの行長 %2 バイトと違います。")
        .arg(sum)
        .arg(total);
}
// The row data received does not make whole row blocks of the header's length.
[[nodiscard]] inline QString rowsMismatch(qsizetype received, int rowLength, int rows)
{
    return QCoreApplication::translate(
               "CardTexts", "行データが %1 バイトでした（行長 %2 バイト × %3 行 = %4 バイトのはず）。")
        .arg(received)
        .arg(rowLength)
        .arg(rows)
        .arg(qsizetype(rowLength) * rows);
}
[[nodiscard]] inline QString notATime(const QString& hex)
{
    return QCoreApplication::translate("CardTexts", "時刻フレーム %1 は時刻ではありません。").arg(hex);
}
[[nodiscard]] inline QString bytesAfterEnd(qsizetype bytes)
{
    return QCoreApplication::translate("CardTexts", "交換の終わりの後に %1 バイト届きました。").arg(bytes);
}
[[nodiscard]] inline QString bytesWithoutHello(qsizetype bytes)
{
    return QCoreApplication::translate("CardTexts", "挨拶より前に %1 バイト届きました。").arg(bytes);
}

} // namespace CardTexts
