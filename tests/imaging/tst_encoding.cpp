// SPDX-License-Identifier: GPL-3.0-or-later
#include "imaging/bitpacking.h"
#include "imaging/messageencoder.h"
#include "imaging/messageimages.h"
#include "model/project.h"

#include <QRandomGenerator>
#include <QTest>

class TestEncoding : public QObject {
    Q_OBJECT

private:
    Project m_project;
    MessageImages m_images;
    MessageEncoder m_encoder{m_project, m_images};

    void encode(int m)
    {
        m_project.setCurMsg(m);
        m_encoder.encodeMessage();
    }

private slots:
    void init()
    {
        for (int m = 0; m < kMessageCount; ++m) {
            m_images.canvas(m).dropBackground();
            m_images.canvas(m).clear();
            encode(m);
        }
        m_project.editMessage(0, [](MessageSettings& message) { message.mode.setIndex(0); });
        m_project.setModified(false);
    }

    void blankImageEncodesToNothing()
    {
        encode(4);
        QCOMPARE(m_project.msgLen()[4], 0);
        QCOMPARE(m_project.totalLen(), 0);
        QVERIFY(m_project.gauge().isEmpty());
        QVERIFY(m_project.modified());
        const auto bytes = m_project.dispData().message(4);
        QVERIFY(std::all_of(bytes.begin(), bytes.end(), [](std::uint8_t b) { return b == 0; }));
    }

    void workedExamples_data()
    {
        QTest::addColumn<int>("x");
        QTest::addColumn<int>("y");
        QTest::addColumn<int>("col");
        QTest::addColumn<int>("byte");
        QTest::addColumn<int>("length");
        QTest::newRow("top left") << 0 << 0 << 0 << 0x80 << 1;
        QTest::newRow("x 100 row 3") << 100 << 3 << 12 << 0x08 << 13;
        QTest::newRow("bottom right") << 16375 << 31 << 2046 << 0x01 << 2047;
        QTest::newRow("row below a 16-dot screen counts") << 327 << 20 << 40 << 0x01 << 41;
    }
    void workedExamples()
    {
        QFETCH(int, x);
        QFETCH(int, y);
        QFETCH(int, col);
        QFETCH(int, byte);
        QFETCH(int, length);
        m_images.canvas(2).setPixel(x, y, MessageCanvas::kRed);
        encode(2);
        QCOMPARE(m_project.dispData().at(col, y, 2), std::uint8_t(byte));
        QCOMPARE(m_project.msgLen()[2], length);
        const auto bytes = m_project.dispData().message(2);
        QCOMPARE(std::count_if(bytes.begin(), bytes.end(), [](std::uint8_t b) { return b != 0; }), 1);
    }

    void fullByte()
    {
        for (int x = 8; x < 16; ++x)
            m_images.canvas(1).setPixel(x, 5, MessageCanvas::kRed);
        encode(1);
        QCOMPARE(m_project.dispData().at(1, 5, 1), std::uint8_t(0xFF));
        QCOMPARE(m_project.msgLen()[1], 2);
    }

    void litRule_data()
    {
        QTest::addColumn<QRgb>("colour");
        QTest::addColumn<bool>("lit");
        QTest::newRow("red") << QRgb(0xFF0000) << true;
        QTest::newRow("half red") << QRgb(0x800000) << true;
        QTest::newRow("just under half red") << QRgb(0x7F0000) << false;
        QTest::newRow("green mark") << QRgb(0x00FF00) << false;
        QTest::newRow("blue") << QRgb(0x0000FF) << false;
        QTest::newRow("white") << QRgb(0xFFFFFF) << true;
    }
    void litRule()
    {
        QFETCH(QRgb, colour);
        QFETCH(bool, lit);
        m_images.canvas(6).setPixel(9, 0, colour);
        encode(6);
        QCOMPARE(m_project.dispData().at(1, 0, 6) == 0x40, lit);
        QCOMPARE(m_project.msgLen()[6], lit ? 2 : 0);
    }

    // The fast packer must agree with the obvious reading of every pixel.
    void packerMatchesPixelByPixel()
    {
        QImage& image = m_images.canvas(7).image();
        auto* random = QRandomGenerator::global();
        for (int i = 0; i < 20000; ++i)
            image.setPixel(random->bounded(kCanvasWidth), random->bounded(kRows),
                           0xFF000000u | random->generate());
        encode(7);
        int expectedLength = 0;
        for (int row = 0; row < kRows; ++row) {
            for (int col = 0; col < kColumns; ++col) {
                std::uint8_t expected = 0;
                for (int k = 0; k < 8; ++k) {
                    if (MessageCanvas::isLit(image.pixel(col * 8 + k, row)))
                        expected |= 0x80 >> k;
                }
                QCOMPARE(m_project.dispData().at(col, row, 7), expected);
                if (expected)
                    expectedLength = std::max(expectedLength, col + 1);
            }
        }
        QCOMPARE(m_project.msgLen()[7], expectedLength);
        QCOMPARE(usedLength(m_project.dispData().message(7)), expectedLength);
    }

    void recountMatchesEncodeAndKeepsModified()
    {
        m_images.canvas(3).setPixel(777, 9, MessageCanvas::kRed);
        encode(3);
        const int encoded = m_project.msgLen()[3];
        m_project.setMsgLen(3, 0);
        m_project.setModified(false);
        m_encoder.recountMessage();
        QCOMPARE(m_project.msgLen()[3], encoded);
        QVERIFY(!m_project.modified());
        QVERIFY(m_project.totalLen() > 0);
    }

    void animationRounding()
    {
        m_project.editMessage(0, [](MessageSettings& message) { message.mode.setIndex(kAnimationMode); });
        m_images.canvas(0).setPixel(32 * 8, 0, MessageCanvas::kRed); // last lit column 32
        encode(0);
        QCOMPARE(m_project.msgLen()[0], 48);

        // Encoding another message rounds message 0 too.
        m_project.setMsgLen(0, 33);
        encode(5);
        QCOMPARE(m_project.msgLen()[0], 48);

        m_project.editMessage(0, [](MessageSettings& message) { message.mode.setIndex(0); });
        encode(0);
        QCOMPARE(m_project.msgLen()[0], 33);
    }

    void roundToScreens()
    {
        QCOMPARE(MessageEncoder::roundToScreens(0, 16), 0);
        QCOMPARE(MessageEncoder::roundToScreens(32, 16), 32);
        QCOMPARE(MessageEncoder::roundToScreens(33, 12), 36);
        QCOMPARE(MessageEncoder::roundToScreens(33, 0), 33); // a typed width of 0 never divides
    }

    void anUntouchedCanvasIsAsBlackAsAClearedOne()
    {
        const MessageCanvas untouched;
        MessageCanvas cleared;
        cleared.setPixel(7, 3, MessageCanvas::kRed);
        cleared.clear();
        QCOMPARE(untouched.pixel(7, 3), MessageCanvas::kBlack);
        QCOMPARE(untouched.image(), cleared.image());
    }

    void backgroundIsDrawnBackOnClear()
    {
        QImage picture(4, 2, QImage::Format_RGB32);
        picture.fill(Qt::red);
        MessageCanvas& canvas = m_images.canvas(8);
        canvas.setBackground(picture);
        canvas.setPixel(100, 0, MessageCanvas::kRed);
        canvas.clear();
        QCOMPARE(canvas.pixel(3, 1), MessageCanvas::kRed);
        QCOMPARE(canvas.pixel(100, 0), MessageCanvas::kBlack);
        canvas.dropBackground();
        canvas.clear();
        QCOMPARE(canvas.pixel(3, 1), MessageCanvas::kBlack);
    }

    void oversizedBackgroundIsCut()
    {
        QImage picture(20000, 64, QImage::Format_RGB32);
        picture.fill(Qt::white);
        m_images.canvas(9).setBackground(picture);
        QCOMPARE(m_images.canvas(9).background().size(), QSize(kCanvasWidth, kRows));
    }
};

QTEST_GUILESS_MAIN(TestEncoding)
#include "tst_encoding.moc"
