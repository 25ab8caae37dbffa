// SPDX-License-Identifier: GPL-3.0-or-later
#include "settings/profiledocument.h"

#include <QTest>

class TestProfileDocument : public QObject {
    Q_OBJECT

private slots:
    void writingIntoNothingCreatesSectionsInOrder()
    {
        ProfileDocument document;
        document.writeString("B", "one", "1");
        document.writeString("A", "two", "2");
        document.writeString("B", "three", "3");
        QCOMPARE(document.toBytes(), QByteArray("[B]\r\none=1\r\nthree=3\r\n[A]\r\ntwo=2\r\n"));
    }

    void existingKeyIsReplacedInPlaceAndOtherLinesStay()
    {
        const QByteArray before = "; note\r\n[Sec]\r\n  Key = old \r\nother=x\r\n\r\n[Next]\r\nk=v\r\n";
        ProfileDocument document(before);
        document.writeString("sec", "KEY", "new");
        QCOMPARE(document.toBytes(),
                 QByteArray("; note\r\n[Sec]\r\nKey=new\r\nother=x\r\n\r\n[Next]\r\nk=v\r\n"));
    }

    void newKeyGoesAfterTheLastLineOfItsSection()
    {
        ProfileDocument document(QByteArray("[A]\r\na=1\r\n\r\n[B]\r\nb=2\r\n"));
        document.writeString("A", "c", "3");
        QCOMPARE(document.toBytes(), QByteArray("[A]\r\na=1\r\nc=3\r\n\r\n[B]\r\nb=2\r\n"));
    }

    // A file keeps its form: lines written end as its first line ends, and a byte order mark
    // does not hide the first section.
    void newLinesEndAsTheFileDoes_data()
    {
        QTest::addColumn<QByteArray>("before");
        QTest::addColumn<QByteArray>("after");
        QTest::newRow("LF") << QByteArray("[A]\na=1\nlast") << QByteArray("[A]\na=9\nlast\nb=2\n[C]\nd=4\n");
        QTest::newRow("lone CR") << QByteArray("[A]\ra=1\r") << QByteArray("[A]\ra=9\rb=2\r[C]\rd=4\r");
        QTest::newRow("UTF-8 mark") << QByteArray("\xEF\xBB\xBF[A]\r\na=1\r\n")
                                    << QByteArray("\xEF\xBB\xBF[A]\r\na=9\r\nb=2\r\n[C]\r\nd=4\r\n");
    }
    void newLinesEndAsTheFileDoes()
    {
        QFETCH(QByteArray, before);
        QFETCH(QByteArray, after);
        ProfileDocument document(before);
        QCOMPARE(document.value("A", "a"), std::optional<QByteArray>("1"));
        document.writeString("A", "a", "9");
        document.writeString("A", "b", "2");
        document.writeString("C", "d", "4");
        QCOMPARE(document.toBytes(), after);
    }

    void unchangedValueKeepsItsLine()
    {
        const QByteArray before = "[S]\r\n k = \"v\" \r\n";
        ProfileDocument document(before);
        document.writeString("S", "k", "v");
        QCOMPARE(document.toBytes(), before);
    }

    void namesMatchRegardlessOfCaseAndFirstDuplicateCounts()
    {
        ProfileDocument document(QByteArray("[Work]\r\nx=1\r\nX=2\r\n[WORK]\r\nx=3\r\n"));
        QCOMPARE(document.value("work", "X"), std::optional<QByteArray>("1"));
        document.writeString("wOrK", "x", "9");
        QCOMPARE(document.toBytes(), QByteArray("[Work]\r\nx=9\r\nX=2\r\n[WORK]\r\nx=3\r\n"));
    }

    void twoByteNamesDoNotFoldTheirSecondByte()
    {
        // 0x83 0x41 is "ア"; folding the second byte would make it 0x83 0x61, "ャ".
        ProfileDocument document(QByteArray("[\x83\x41]\r\nk=1\r\n"));
        QVERIFY(document.value("\x83\x61", "k") == std::nullopt);
        QCOMPARE(document.value("\x83\x41", "k"), std::optional<QByteArray>("1"));
    }

    void readStringUsesDefaultAndBuffer_data()
    {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<QByteArray>("expected");
        QTest::newRow("missing file content") << QByteArray() << QByteArray("dflt");
        QTest::newRow("missing key") << QByteArray("[S]\r\nother=1\r\n") << QByteArray("dflt");
        QTest::newRow("empty value is a value") << QByteArray("[S]\r\nk=\r\n") << QByteArray();
        QTest::newRow("blanks around") << QByteArray("[S]\r\nk =  a b  \r\n") << QByteArray("a b");
        QTest::newRow("double quotes dropped") << QByteArray("[S]\r\nk=\" x \"\r\n") << QByteArray(" x ");
        QTest::newRow("single quotes dropped") << QByteArray("[S]\r\nk='y'\r\n") << QByteArray("y");
        QTest::newRow("unmatched quote kept") << QByteArray("[S]\r\nk=\"y\r\n") << QByteArray("\"y");
        QTest::newRow("cut to buffer - 1")
            << QByteArray("[S]\r\nk=1234567890abc\r\n") << QByteArray("123456789");
        QTest::newRow("equals in value") << QByteArray("[S]\r\nk=a=b\r\n") << QByteArray("a=b");
        QTest::newRow("line without equals") << QByteArray("[S]\r\nk\r\n") << QByteArray("dflt");
    }
    void readStringUsesDefaultAndBuffer()
    {
        QFETCH(QByteArray, file);
        QFETCH(QByteArray, expected);
        QCOMPARE(ProfileDocument(file).readString("S", "k", "dflt", 10), expected);
    }

    void readIntTakesTheLeadingNumber_data()
    {
        QTest::addColumn<QByteArray>("value");
        QTest::addColumn<qint64>("expected");
        QTest::newRow("plain") << QByteArray("k=42") << qint64(42);
        QTest::newRow("negative") << QByteArray("k=-1") << qint64(-1);
        QTest::newRow("plus") << QByteArray("k=+7") << qint64(7);
        QTest::newRow("trailing text") << QByteArray("k=12abc") << qint64(12);
        QTest::newRow("no digits") << QByteArray("k=abc") << qint64(0);
        QTest::newRow("decimal point stops") << QByteArray("k=3.9") << qint64(3);
        QTest::newRow("empty gives default") << QByteArray("k=") << qint64(55);
        QTest::newRow("missing gives default") << QByteArray("other=1") << qint64(55);
        QTest::newRow("blanks") << QByteArray("k =  8 ") << qint64(8);
    }
    void readIntTakesTheLeadingNumber()
    {
        QFETCH(QByteArray, value);
        QFETCH(qint64, expected);
        QCOMPARE(ProfileDocument("[S]\r\n" + value + "\r\n").readInt("S", "k", 55), expected);
    }

    void valuesThatWindowsWouldTrimAreQuoted_data()
    {
        QTest::addColumn<QByteArray>("value");
        QTest::addColumn<QByteArray>("line");
        QTest::newRow("plain") << QByteArray("abc") << QByteArray("k=abc");
        QTest::newRow("leading blank") << QByteArray(" abc") << QByteArray("k=\" abc\"");
        QTest::newRow("quoted") << QByteArray("\"abc\"") << QByteArray("k=\"\"abc\"\"");
        QTest::newRow("quote inside") << QByteArray("a\"b") << QByteArray("k=a\"b");
    }
    void valuesThatWindowsWouldTrimAreQuoted()
    {
        QFETCH(QByteArray, value);
        QFETCH(QByteArray, line);
        ProfileDocument document;
        document.writeString("S", "k", value);
        QCOMPARE(document.toBytes(), "[S]\r\n" + line + "\r\n");
        QCOMPARE(ProfileDocument(document.toBytes()).value("S", "k"), std::optional<QByteArray>(value));
    }

    void aLineBreakNeverSplitsAKeyLine()
    {
        ProfileDocument document;
        document.writeString("S", "k", "first\r\n[Evil]\r\nx=1");
        QCOMPARE(document.toBytes(), QByteArray("[S]\r\nk=first\r\n"));
    }
};

QTEST_GUILESS_MAIN(TestProfileDocument)
#include "tst_profiledocument.moc"
