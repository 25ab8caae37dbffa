// SPDX-License-Identifier: GPL-3.0-or-later
#include "imaging/messageencoder.h"
#include "imaging/messageimages.h"
#include "model/project.h"

#include <QTest>

// Encoding reads all 524,032 pixels of a message; recounting reads only its 65,504 bytes.
class BenchEncoding : public QObject {
    Q_OBJECT

private:
    Project m_project;
    MessageImages m_images;
    MessageEncoder m_encoder{m_project, m_images};

private slots:
    void initTestCase()
    {
        QImage& image = m_images.canvas(0).image();
        for (int y = 0; y < kRows; ++y) {
            for (int x = 0; x < kCanvasWidth; x += 3)
                image.setPixel(x, y, MessageCanvas::kRed);
        }
    }

    void encodeMessage()
    {
        QBENCHMARK
        {
            m_encoder.encodeMessage();
        }
    }

    void recountMessage()
    {
        QBENCHMARK
        {
            m_encoder.recountMessage();
        }
    }

    void recountEmptyMessage()
    {
        m_project.setCurMsg(1);
        QBENCHMARK
        {
            m_encoder.recountMessage();
        }
    }

    void memoryOfCanvasesAndData()
    {
        const qsizetype canvases = kMessageCount * m_images.canvas(0).image().sizeInBytes();
        const qsizetype total = canvases + qsizetype(m_project.dispData().bytes().size());
        qInfo("canvases and display data: %.1f MB", double(total) / 1e6);
        QVERIFY(total <= 40'000'000);
    }
};

QTEST_GUILESS_MAIN(BenchEncoding)
#include "bench_encoding.moc"
