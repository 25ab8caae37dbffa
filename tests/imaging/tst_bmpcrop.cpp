// SPDX-License-Identifier: GPL-3.0-or-later
#include "imaging/bmpcrop.h"
#include "model/limits.h"

#include <QBuffer>
#include <QImage>
#include <QRandomGenerator>
#include <QTest>
#include <QtEndian>

class TestBmpCrop : public QObject {
    Q_OBJECT

private:
    static QByteArray bmpOf(const QImage& picture)
    {
        QByteArray bytes;
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::WriteOnly);
        if (!picture.save(&buffer, "bmp"))
            qFatal("cannot write a BMP");
        return bytes;
    }

    static std::optional<QByteArray> crop(const QByteArray& bmp)
    {
        QBuffer buffer;
        buffer.setData(bmp);
        buffer.open(QIODevice::ReadOnly);
        return BmpCrop::crop(buffer, QSize(kCanvasWidth, kRows));
    }

    static QImage noise(int width, int height, QImage::Format format)
    {
        QImage picture(width, height, QImage::Format_RGB32);
        QRandomGenerator random(7);
        for (int y = 0; y < height; ++y) {
            for (int x = 0; x < width; ++x)
                picture.setPixel(x, y, random.generate() | 0xFF000000u);
        }
        return picture.convertToFormat(format);
    }

    static QImage decoded(const QByteArray& bmp)
    {
        return QImage::fromData(bmp, "bmp").convertToFormat(QImage::Format_RGB32);
    }

private slots:
    void keepsTheTopLeftPart_data()
    {
        QTest::addColumn<QImage>("picture");
        QTest::newRow("24 bits, wide and tall") << noise(20001, 64, QImage::Format_RGB32);
        QTest::newRow("8 bits") << noise(16400, 40, QImage::Format_Indexed8);
        QTest::newRow("1 bit") << noise(16390, 33, QImage::Format_Mono);
        QTest::newRow("small") << noise(100, 16, QImage::Format_RGB32);
    }
    void keepsTheTopLeftPart()
    {
        QFETCH(QImage, picture);
        const QByteArray bmp = bmpOf(picture);
        const auto cut = crop(bmp);
        QVERIFY(cut);
        const QRect kept = picture.rect() & QRect(0, 0, kCanvasWidth, kRows);
        QCOMPARE(decoded(*cut), decoded(bmp).copy(kept));

        // Nothing beyond the kept rows and columns travels to the decoder.
        const auto pixelsAt = qFromLittleEndian<quint32>(cut->constData() + 10);
        const int bits = qFromLittleEndian<quint16>(cut->constData() + 28);
        const qint64 stride = (qint64(kept.width()) * bits + 31) / 32 * 4;
        QCOMPARE(qint64(cut->size()), qint64(pixelsAt) + stride * kept.height());
    }

    void readsTopDownFiles()
    {
        const QImage picture = noise(17000, 40, QImage::Format_RGB32);
        QByteArray bmp = bmpOf(picture);
        const auto pixelsAt = qFromLittleEndian<quint32>(bmp.constData() + 10);
        const qint64 stride = (17000 * 24 + 31) / 32 * 4;
        QByteArray topDown = bmp.left(pixelsAt);
        for (int row = 39; row >= 0; --row)
            topDown += bmp.mid(pixelsAt + row * stride, stride);
        qToLittleEndian<qint32>(-40, topDown.data() + 22);
        QCOMPARE(decoded(topDown), decoded(bmp));

        const auto cut = crop(topDown);
        QVERIFY(cut);
        QCOMPARE(qFromLittleEndian<qint32>(cut->constData() + 22), -kRows);
        QCOMPARE(decoded(*cut), decoded(bmp).copy(0, 0, kCanvasWidth, kRows));
    }

    void leavesOtherFilesToTheDecoder_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        const QByteArray bmp = bmpOf(noise(64, 8, QImage::Format_RGB32));
        QByteArray compressed = bmp;
        qToLittleEndian<quint32>(1, compressed.data() + 30);
        QByteArray negativeWidth = bmp;
        qToLittleEndian<qint32>(-64, negativeWidth.data() + 18);
        QByteArray huge = bmp;
        qToLittleEndian<qint32>(100000, huge.data() + 18);
        qToLittleEndian<qint32>(100000, huge.data() + 22);
        QTest::newRow("compressed") << compressed;
        QTest::newRow("truncated") << bmp.left(bmp.size() - 1);
        QTest::newRow("negative width") << negativeWidth;
        QTest::newRow("claims more rows than it holds") << huge;
        QTest::newRow("not a BMP") << QByteArray("GIF89a and more bytes than a header needs..........");
        QTest::newRow("empty") << QByteArray();
    }
    void leavesOtherFilesToTheDecoder()
    {
        QFETCH(QByteArray, bytes);
        QVERIFY(!crop(bytes));
    }
};

QTEST_MAIN(TestBmpCrop)
#include "tst_bmpcrop.moc"
