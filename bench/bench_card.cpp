// SPDX-License-Identifier: GPL-3.0-or-later
#include "card/ledpainter.h"
#include "card/signplayer.h"

#include <QRandomGenerator>
#include <QTest>

// The player draws every frame afresh; target: one frame of a 64-byte x 32-row sign in 50 us.
class BenchCard : public QObject {
    Q_OBJECT

private:
    CardMemory m_memory;
    SignFrame m_frame;
    qint64 m_playMs = 0;

    void play(Link::ShowCode code)
    {
        m_memory.messages[0].modeByte = std::uint8_t(0x70 | int(code));
        QBENCHMARK
        {
            m_playMs += 33;
            SignPlayer::frame(m_memory, 0, {m_playMs, {QTime(12, 34), 0}}, m_frame);
        }
    }

private slots:
    void initTestCase()
    {
        // A full card: message 0 fills all 1792 bytes of every row of a 32-row sign, with the
        // clock's digits written into it.
        m_memory.screenWidth = 64;
        m_memory.screenHeight = 32;
        m_memory.rowLength = 1792;
        m_memory.rows.resize(32 * 1792);
        QRandomGenerator random(3);
        for (char& byte : m_memory.rows)
            byte = char(random.generate());
        m_memory.messages[0] = {0, 0, 1792};
        m_memory.clockMessage = 0;
        m_memory.hourPosition = 100;
        m_memory.minutePosition = 104;
    }

    void moveLeft() { play(Link::ShowCode::MoveLeft); }
    void stacking() { play(Link::ShowCode::Stacking); }
    void split() { play(Link::ShowCode::Split); }

    void ledsAtPitch4()
    {
        SignPlayer::frame(m_memory, 0, {}, m_frame);
        const LedPainter painter(4);
        QImage image;
        QBENCHMARK
        {
            painter.paint(m_frame, image);
        }
    }
};

QTEST_GUILESS_MAIN(BenchCard)
#include "bench_card.moc"
