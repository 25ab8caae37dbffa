// SPDX-License-Identifier: GPL-3.0-or-later
#include "settings/codepage932.h"

#include <QTest>

class TestCodePage932 : public QObject {
    Q_OBJECT

private slots:
    void vendorCharactersRoundTrip_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QByteArray>("bytes");
        QTest::newRow("circled one") << QStringLiteral("①") << QByteArray("\x87\x40");
        QTest::newRow("wave dash") << QStringLiteral("～") << QByteArray("\x81\x60");
        QTest::newRow("parenthesised kabushiki") << QStringLiteral("㈱") << QByteArray("\x87\x8a");
        QTest::newRow("ladder taka") << QStringLiteral("髙") << QByteArray("\xfb\xfc");
        QTest::newRow("half-width katakana") << QStringLiteral("ﾃｽﾄ") << QByteArray("\xc3\xbd\xc4");
        QTest::newRow("ascii") << QStringLiteral("Message0 ~\\") << QByteArray("Message0 ~\\");
        QTest::newRow("kanji") << QStringLiteral("営業中") << QByteArray("\x89\x63\x8b\xc6\x92\x86");
    }
    void vendorCharactersRoundTrip()
    {
        QFETCH(QString, text);
        QFETCH(QByteArray, bytes);
        QCOMPARE(CodePage932::encode(text), bytes);
        QCOMPARE(CodePage932::decode(bytes), text);
        QVERIFY(CodePage932::canEncode(text));
    }

    void necSelectedRowDecodesToo()
    {
        // Windows writes the IBM row for characters that both rows hold, but reads either.
        QCOMPARE(CodePage932::decode("\xee\xe0"), QStringLiteral("髙"));
        QCOMPARE(CodePage932::encode(QStringLiteral("髙")), QByteArray("\xfb\xfc"));
    }

    void bestFitCharactersGetTheirLookAlikes_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QByteArray>("bytes");
        QTest::newRow("wave dash") << QStringLiteral("10時\u301C19時")
                                   << QByteArray("10\x8e\x9e\x81\x60"
                                                 "19\x8e\x9e");
        QTest::newRow("minus sign") << QStringLiteral("\u2212") << QByteArray("\x81\x7c");
        QTest::newRow("double vertical line") << QStringLiteral("\u2016") << QByteArray("\x81\x61");
        QTest::newRow("cent pound not") << QStringLiteral("¢£¬") << QByteArray("\x81\x91\x81\x92\x81\xca");
        QTest::newRow("em dash") << QStringLiteral("\u2014") << QByteArray("\x81\x5c");
    }
    void bestFitCharactersGetTheirLookAlikes()
    {
        QFETCH(QString, text);
        QFETCH(QByteArray, bytes);
        QCOMPARE(CodePage932::encode(text), bytes);
        QVERIFY(CodePage932::canEncode(text));
    }

    void lostCharactersBecomeQuestionMarks()
    {
        const QString text = QStringLiteral("a😀b€c");
        QVERIFY(!CodePage932::canEncode(text));
        QCOMPARE(CodePage932::encode(text), QByteArray("a?b?c"));
    }

    void cutKeepsWholeCharacters_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<int>("buffer");
        QTest::addColumn<QByteArray>("expected");
        QTest::newRow("short enough") << QByteArray("12345") << 10 << QByteArray("12345");
        QTest::newRow("exactly buffer - 1") << QByteArray("123456789") << 10 << QByteArray("123456789");
        QTest::newRow("cut") << QByteArray("1234567890") << 10 << QByteArray("123456789");
        QTest::newRow("two-byte at the edge")
            << QByteArray("12345678\x87\x40") << 10 << QByteArray("12345678");
        QTest::newRow("two-byte inside")
            << QByteArray("1234567\x87\x40z") << 10 << QByteArray("1234567\x87\x40");
        QTest::newRow("lead byte from the last rows")
            << QByteArray("12345678\xfb\xfc") << 10 << QByteArray("12345678");
        QTest::newRow("half-width kana is one byte")
            << QByteArray("12345678\xc3\xbd") << 10 << QByteArray("12345678\xc3");
        QTest::newRow("buffer of one") << QByteArray("abc") << 1 << QByteArray();
    }
    void cutKeepsWholeCharacters()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(int, buffer);
        QFETCH(QByteArray, expected);
        QCOMPARE(CodePage932::cutToBuffer(bytes, buffer).toByteArray(), expected);
    }
};

QTEST_GUILESS_MAIN(TestCodePage932)
#include "tst_codepage932.moc"
