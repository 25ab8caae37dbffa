// SPDX-License-Identifier: GPL-3.0-or-later
#include "card/cardframes.h"
#include "card/ledpainter.h"
#include "card/signplayer.h"
#include "imaging/messagecanvas.h"
#include "link/uploadestimate.h"
#include "support/controllerfixture.h"
#include "ui/ledview.h"
#include "ui/signview.h"

#include <QLabel>
#include <QScreen>
#include <QTemporaryDir>
#include <QTest>
#include <QWheelEvent>
#include <functional>
#include <memory>

using Change = std::function<void(Controller&, const QString& dir)>;
Q_DECLARE_METATYPE(Change)

namespace {

// Long enough for the default move-left message to stand well inside a 16-byte sign, and in the
// dark half of a flash.
constexpr qint64 kPlayMs = 5600;

} // namespace

class TestSignView : public QObject {
    Q_OBJECT

private:
    QTemporaryDir m_dir;
    std::unique_ptr<ControllerFixture> m_fixture;
    std::unique_ptr<SignView> m_view;

    [[nodiscard]] SignFrame playersFrame(qint64 ms) const
    {
        const Controller& controller = m_fixture->controller;
        return SignPlayer::frame(CardFrames::memoryOf(controller.project()), controller.selectedTab(),
                                 {ms, {m_fixture->clock.time, 0}});
    }
    [[nodiscard]] QString label(const char* name) const
    {
        return m_view->findChild<QLabel*>(QString::fromLatin1(name))->text();
    }

private slots:
    void init()
    {
        m_fixture = std::make_unique<ControllerFixture>();
        m_fixture->clock.time = QTime(9, 41, 30);
        m_fixture->controller.startUp();
        m_fixture->controller.adoptText();
        m_view = std::make_unique<SignView>(m_fixture->controller, nullptr);
    }
    void cleanup()
    {
        m_view.reset();
        m_fixture.reset();
    }

    void playsThePlayersFrameDrawnByTheLedPainter()
    {
        m_view->playAt(kPlayMs);
        const SignFrame expected = playersFrame(kPlayMs);
        QVERIFY(std::ranges::any_of(expected.bits, [](std::uint8_t byte) { return byte != 0; }));
        QCOMPARE(m_view->frame(), expected);

        auto* leds = m_view->findChild<LedView*>();
        const QImage painted = LedPainter(leds->pitch()).paint(expected);
        QCOMPARE(leds->image(), painted);
        QCOMPARE(leds->grab().toImage().convertToFormat(QImage::Format_RGB32), painted);
    }

    void followsAChange_data()
    {
        QTest::addColumn<Change>("change");
        const auto row = [](const char* name, Change change) { QTest::newRow(name) << change; };
        row("mode", [](Controller& c, const QString&) { c.chooseEntry(0, MessageList::Mode, 1); });
        row("speed", [](Controller& c, const QString&) { c.chooseEntry(0, MessageList::Speed, 7); });
        row("flash", [](Controller& c, const QString&) { c.setFlash(0, true); });
        row("loop lamp", [](Controller& c, const QString&) { c.setLoopLamp(0, true); });
        row("width", [](Controller& c, const QString&) { c.chooseEntry(GlobalList::ScreenWidth, 7); });
        row("height", [](Controller& c, const QString&) { c.chooseEntry(GlobalList::ScreenHeight, 1); });
        row("brightness", [](Controller& c, const QString&) { c.chooseEntry(GlobalList::Brightness, 0); });
        row("clock", [](Controller& c, const QString&) { c.chooseEntry(GlobalList::ClockMessage, 1); });
        row("days", [](Controller& c, const QString&) { c.chooseEntry(GlobalList::DaysMessage, 1); });
        row("work time", [](Controller& c, const QString&) { c.setStartMinutes(10 * 60); });
        row("adopted text", [](Controller& c, const QString&) {
            c.setMessageText(0, QStringLiteral("OPEN"));
            c.adoptText();
        });
        row("imported picture", [](Controller& c, const QString& dir) {
            QImage picture(64, 16, QImage::Format_RGB32);
            picture.fill(Qt::black);
            for (int x = 0; x < 64; x += 2)
                picture.setPixel(x, x % 16, qRgb(255, 0, 0));
            const QString path = dir + QStringLiteral("/dots.bmp");
            QVERIFY(picture.save(path, "BMP"));
            QVERIFY(c.importPictureFrom(path));
        });
        row("page showing", [](Controller& c, const QString&) { c.selectTab(1); });
    }
    void followsAChange()
    {
        QFETCH(Change, change);
        m_view->playAt(kPlayMs);
        const SignFrame before = m_view->frame();
        change(m_fixture->controller, m_dir.path());
        m_view->playAt(kPlayMs);
        QVERIFY(m_view->frame() != before);
        QCOMPARE(m_view->frame(), playersFrame(kPlayMs));
        const auto* leds = m_view->findChild<LedView*>();
        QCOMPARE(leds->size(), LedPainter(leds->pitch()).imageSize(m_view->frame()));
    }

    void showsTheUploadTimeAndWhetherTheProjectFits()
    {
        m_view->playAt(0);
        const UploadEstimate fitting = UploadEstimate::of(m_fixture->controller.project());
        QVERIFY(label("LabUploadTime").contains(QString::number(fitting.seconds, 'f', 1)));
        QVERIFY(label("LabFit").startsWith(QStringLiteral("カードに収まります")));

        // Two messages of the whole canvas width, 2 x 2047 byte columns, where a row holds 3584.
        for (int m = 0; m < 2; ++m) {
            m_fixture->controller.images().canvas(m).setPixel(kCanvasWidth - 1, 0, MessageCanvas::kRed);
            m_fixture->controller.project().setCurMsg(m);
            m_fixture->controller.encodeMessage();
        }
        m_view->playAt(0);
        const UploadEstimate over = UploadEstimate::of(m_fixture->controller.project());
        QVERIFY(over.seconds > fitting.seconds);
        QVERIFY(label("LabUploadTime").contains(QString::number(over.seconds, 'f', 1)));
        QVERIFY(label("LabFit").startsWith(QStringLiteral("カードに収まりません: 510 バイト超過")));
    }

    void saysWhyTheSignIsDarkOutsideTheWorkTime()
    {
        const auto* dark = m_view->findChild<QLabel*>(QStringLiteral("LabDark"));
        m_view->playAt(kPlayMs);
        QVERIFY(!dark->isVisibleTo(m_view.get()));
        m_fixture->clock.time = QTime(19, 0);
        m_view->playAt(kPlayMs);
        QVERIFY(dark->isVisibleTo(m_view.get()));
        QVERIFY(dark->text().contains(QStringLiteral("07:00〜19:00")));
        QVERIFY(std::ranges::all_of(m_view->frame().bits, [](std::uint8_t byte) { return byte == 0; }));
    }

    void placedBesideTheMainWindowOnTheScreen_data()
    {
        QTest::addColumn<QRect>("window");
        QTest::addColumn<QSize>("size");
        QTest::addColumn<QPoint>("place");
        QTest::newRow("right") << QRect(0, 0, 993, 720) << QSize(900, 300) << QPoint(993, 0);
        QTest::newRow("below") << QRect(0, 0, 993, 720) << QSize(1100, 300) << QPoint(0, 720);
        QTest::newRow("left") << QRect(900, 100, 993, 980) << QSize(880, 300) << QPoint(20, 100);
        QTest::newRow("above") << QRect(400, 500, 993, 580) << QSize(1300, 300) << QPoint(400, 200);
        // No room anywhere: the least of the main window covered, and the whole view on the screen.
        QTest::newRow("no room") << QRect(100, 100, 1700, 900) << QSize(1200, 300) << QPoint(100, 0);
    }
    void placedBesideTheMainWindowOnTheScreen()
    {
        QFETCH(QRect, window);
        QFETCH(QSize, size);
        QFETCH(QPoint, place);
        const QRect screen(0, 0, 1920, 1080);
        QCOMPARE(SignView::placeBeside(window, size, screen), place);
        QVERIFY(screen.contains(QRect(place, size)));
    }

    void aSignMadeTallerKeepsTheWindowOnTheScreen()
    {
        m_view->open();
        const QRect screen = m_view->screen()->availableGeometry();
        m_view->move(screen.left(), screen.bottom() + 1 - m_view->frameGeometry().height());
        QTRY_VERIFY(screen.contains(m_view->frameGeometry()));
        const int before = m_view->height();
        m_fixture->controller.chooseEntry(GlobalList::ScreenHeight, 1);
        m_view->playAt(kPlayMs);
        QTRY_VERIFY(m_view->height() > before);
        QTRY_VERIFY(screen.contains(m_view->frameGeometry()));
    }

    void ctrlWheelZoomsWhileTheSignStaysOnTheScreen()
    {
        m_view->playAt(kPlayMs);
        auto* leds = m_view->findChild<LedView*>();
        const auto wheel = [leds](int steps, Qt::KeyboardModifiers modifiers) {
            for (int i = 0; i < std::abs(steps); ++i) {
                QWheelEvent event({10, 10}, leds->mapToGlobal(QPointF(10, 10)), {},
                                  {0, steps > 0 ? 120 : -120}, Qt::NoButton, modifiers, Qt::NoScrollPhase,
                                  false);
                QCoreApplication::sendEvent(leds, &event);
            }
        };
        const int start = leds->pitch();
        wheel(-1, Qt::NoModifier);
        QCOMPARE(leds->pitch(), start);
        wheel(-1, Qt::ControlModifier);
        QCOMPARE(leds->pitch(), start - 1);
        wheel(20, Qt::ControlModifier);
        QVERIFY(leds->pitch() >= start);
        QVERIFY(leds->width() <= m_view->screen()->availableGeometry().width());
        wheel(-20, Qt::ControlModifier);
        QCOMPARE(leds->pitch(), LedView::kMinPitch);
    }
};

QTEST_MAIN(TestSignView)
#include "tst_signview.moc"
