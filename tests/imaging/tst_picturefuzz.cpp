// SPDX-License-Identifier: GPL-3.0-or-later
#include "imaging/picturefiles.h"
#include "model/limits.h"
#include "support/fuzzbudget.h"

#include <QBuffer>
#include <QElapsedTimer>
#include <QFile>
#include <QImage>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTest>
#include <QtEndian>

// Damaged and forged pictures of every format the import reads must never crash it, overflow,
// or give a picture larger than the canvas. Each run is bounded in time (P10_FUZZ_SECONDS,
// longer under the sanitizers); the seed is printed so that a failure can be replayed with
// P10_FUZZ_SEED.
class TestPictureFuzz : public QObject {
    Q_OBJECT

private:
    QRandomGenerator m_random;
    QList<QByteArray> m_seeds;

    int below(int n) { return int(m_random.bounded(std::max(n, 1))); }

    static QByteArray encoded(const QImage& picture, const char* format)
    {
        QByteArray bytes;
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::WriteOnly);
        if (!picture.save(&buffer, format))
            qFatal("cannot write %s", format);
        return bytes;
    }

    // Bytes changed or cut, or a BMP header field (sizes, offsets, depth, compression) set to a
    // value at its limits.
    QByteArray mutate(QByteArray bytes)
    {
        constexpr int kBmpFields[] = {2, 10, 14, 18, 22, 28, 30, 34, 46};
        constexpr quint32 kExtremes[] = {0, 1, 0x7fffffff, 0x80000000, 0xffffffff, 0x80000001, 16376, 32};
        for (int steps = 1 + below(4); steps > 0 && !bytes.isEmpty(); --steps) {
            const int at = below(int(bytes.size()));
            const int field = kBmpFields[below(int(std::size(kBmpFields)))];
            if (below(3) == 0)
                bytes.truncate(at);
            else if (below(2) == 0 && field + 4 <= bytes.size())
                qToLittleEndian(kExtremes[below(int(std::size(kExtremes)))], bytes.data() + field);
            else
                bytes[at] = char(m_random.bounded(256));
        }
        return bytes;
    }

private slots:
    void initTestCase()
    {
        m_random.seed(FuzzBudget::seed());
        QImage picture(40, 20, QImage::Format_ARGB32);
        for (int y = 0; y < picture.height(); ++y) {
            for (int x = 0; x < picture.width(); ++x)
                picture.setPixel(x, y, qRgba(x * 6, y * 12, 128, x % 3 ? 255 : 0));
        }
        for (const char* format : {"bmp", "jpg", "ico", "png"})
            m_seeds << encoded(picture, format);
        // Qt writes no GIF: the well-known one-pixel transparent one.
        m_seeds << QByteArray("GIF89a\x01\x00\x01\x00\x80\x00\x00\xff\xff\xff\x00\x00\x00"
                              "\x21\xf9\x04\x01\x00\x00\x00\x00"
                              "\x2c\x00\x00\x00\x00\x01\x00\x01\x00\x00\x02\x02\x44\x01\x00\x3b",
                              43);
        for (const QByteArray& seed : std::as_const(m_seeds))
            QVERIFY(!QImage::fromData(seed).isNull());
        m_seeds << encoded(picture.convertToFormat(QImage::Format_Indexed8), "bmp");
        m_seeds << encoded(picture.convertToFormat(QImage::Format_Mono), "bmp");
    }

    void importSurvivesDamagedPictures()
    {
        const qint64 budget = FuzzBudget::budgetMs();
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        const QString path = dir.filePath(QStringLiteral("fuzz.bmp"));
        QElapsedTimer clock;
        clock.start();
        int runs = 0;
        while (clock.elapsed() < budget) {
            QFile file(path);
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write(mutate(m_seeds[below(int(m_seeds.size()))]));
            file.close();
            const PictureFiles::Loaded loaded = PictureFiles::read(path);
            QCOMPARE(loaded.picture.isNull(), !loaded.problem.isEmpty());
            QVERIFY(loaded.picture.width() <= kCanvasWidth && loaded.picture.height() <= kRows);
            ++runs;
        }
        qInfo("%d damaged pictures read", runs);
    }
};

QTEST_GUILESS_MAIN(TestPictureFuzz)
#include "tst_picturefuzz.moc"
