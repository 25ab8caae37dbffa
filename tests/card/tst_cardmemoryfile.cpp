// SPDX-License-Identifier: GPL-3.0-or-later
#include "card/cardmemoryfile.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QTemporaryDir>
#include <QTest>

namespace {

// A memory whose every value differs from the default and from its neighbours, and whose bytes
// tell a row's first from its last and a bit's left from its right.
CardMemory unusualMemory()
{
    CardMemory memory;
    memory.screenWidth = 24;
    memory.screenHeight = 32;
    memory.brightness = 2;
    memory.frameCount = 3;
    memory.altBegin = 4;
    memory.altCount = 2;
    memory.clockMessage = 3;
    memory.hourPosition = 12;
    memory.minutePosition = 30;
    memory.daysPosition = 155;
    memory.messages[0] = {0x80, 0, 3};
    memory.messages[1] = {0x01, 3, 2};
    memory.messages[15] = {0xFD, 5, 0};
    memory.rowLength = 5;
    for (int row = 0; row < 32; ++row)
        memory.rows += QByteArray::fromHex("8001") + char(row) + QByteArray::fromHex("fe7f");
    memory.clockSetTo = QTime(23, 59, 58);
    memory.clockSetAtMs = 1700000000123;
    memory.countdownDays = 365;
    memory.workStart = 7 * 60 + 30;
    memory.workEnd = 20 * 60;
    memory.workEnabled = true;
    return memory;
}

void setAt(QJsonObject& object, const QStringList& path, const QJsonValue& value)
{
    if (path.size() == 1) {
        object[path.first()] = value;
        return;
    }
    const QString key = path.first();
    bool isIndex = false;
    const int index = path.at(1).toInt(&isIndex);
    if (isIndex) {
        QJsonArray array = object[key].toArray();
        QJsonObject inner = array.at(index).toObject();
        if (path.size() == 2) {
            array[index] = value;
        } else {
            setAt(inner, path.mid(2), value);
            array[index] = inner;
        }
        object[key] = array;
        return;
    }
    QJsonObject inner = object[key].toObject();
    setAt(inner, path.mid(1), value);
    object[key] = inner;
}

} // namespace

// The virtual card's memory file: what it keeps between runs, read back exactly, and nothing read
// back that the card could not hold.
class TestCardMemoryFile : public QObject {
    Q_OBJECT

private:
    QTemporaryDir m_dir;

private slots:
    void roundTrip()
    {
        const CardMemory memory = unusualMemory();
        const QString path = m_dir.filePath(QStringLiteral("kept/memory.json"));
        const std::optional<QString> failure = CardMemoryFile::write(path, memory);
        QVERIFY2(!failure, qUtf8Printable(failure.value_or(QString())));
        const CardMemoryFile::ReadResult read = CardMemoryFile::read(path);
        QVERIFY2(read.memory.has_value(), qUtf8Printable(read.error));
        QVERIFY(*read.memory == memory);

        const CardMemoryFile::ReadResult fresh =
            CardMemoryFile::read(m_dir.filePath(QStringLiteral("none.json")));
        QVERIFY(fresh.memory.has_value());
        QVERIFY(*fresh.memory == CardMemory{});
    }

    void refused_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<QJsonValue>("value");
        QTest::newRow("width no sign has") << "screen/widthBytes" << QJsonValue(5);
        QTest::newRow("height") << "screen/heightDots" << QJsonValue(24);
        QTest::newRow("brightness") << "brightness" << QJsonValue(0);
        QTest::newRow("clock message 16") << "clock/message" << QJsonValue(16);
        QTest::newRow("negative offset") << "messages/1/offset" << QJsonValue(-1);
        QTest::newRow("fraction") << "messages/1/length" << QJsonValue(2.5);
        QTest::newRow("text for a number") << "rowLength" << QJsonValue(QStringLiteral("5"));
        QTest::newRow("15 messages") << "messages/15" << QJsonValue();
        QTest::newRow("row not hex") << "rows/3" << QJsonValue(QStringLiteral("zz0102fe7f"));
        QTest::newRow("short row") << "rows/3" << QJsonValue(QStringLiteral("800103fe"));
        QTest::newRow("no time") << "clockSet/time" << QJsonValue(QStringLiteral("24:00:00.000"));
        QTest::newRow("work flag") << "workTime/enabled" << QJsonValue(1);
    }
    void refused()
    {
        QFETCH(QString, path);
        QFETCH(QJsonValue, value);
        QJsonObject json = CardMemoryFile::toJson(unusualMemory());
        QVERIFY(CardMemoryFile::fromJson(json).has_value());
        if (path == QStringLiteral("messages/15")) {
            QJsonArray messages = json[QStringLiteral("messages")].toArray();
            messages.removeLast();
            json[QStringLiteral("messages")] = messages;
        } else {
            setAt(json, path.split(u'/'), value);
        }
        QVERIFY(!CardMemoryFile::fromJson(json));

        const QString file = m_dir.filePath(QStringLiteral("bad.json"));
        QFile out(file);
        QVERIFY(out.open(QIODevice::WriteOnly | QIODevice::Truncate));
        out.write(QJsonDocument(json).toJson());
        out.close();
        const CardMemoryFile::ReadResult read = CardMemoryFile::read(file);
        QVERIFY(!read.memory);
        QVERIFY(read.error.contains(file));
    }

    void unwritableFolder()
    {
        const QString blocker = m_dir.filePath(QStringLiteral("plain"));
        QFile file(blocker);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.close();
        const std::optional<QString> failure = CardMemoryFile::write(blocker + QStringLiteral("/m.json"), {});
        QVERIFY(failure.has_value());
        QVERIFY(failure->contains(blocker));
    }
};

QTEST_GUILESS_MAIN(TestCardMemoryFile)
#include "tst_cardmemoryfile.moc"
