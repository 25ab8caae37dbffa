// SPDX-License-Identifier: GPL-3.0-or-later
#include "imaging/textrenderer.h"
#include "imagingtesthelpers.h"
#include "support/controllerfixture.h"
#include "texts/messagetexts.h"

#include <QFontMetrics>
#include <QPainter>
#include <QSignalSpy>
#include <QTest>

using namespace ImagingTest;

class TestTextRendering : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<ControllerFixture> m_fixture;

    Project& project() { return m_fixture->controller.project(); }
    const QImage& image(int m) { return m_fixture->controller.images().canvas(m).image(); }

    void setUp(int m, const QString& text, const QString& size = "12", const QString& adjust = "0",
               const QString& font = "IPAGothic", bool bold = false)
    {
        m_fixture->controller.setMessageText(m, text);
        m_fixture->controller.typeText(m, MessageList::FontSize, size);
        m_fixture->controller.setTopAdjText(m, adjust);
        m_fixture->controller.setFontName(m, font);
        m_fixture->controller.setBold(m, bold);
    }

    QImage adopted(const QString& text, const QString& size = "12", const QString& adjust = "0",
                   const QString& font = "IPAGothic", bool bold = false)
    {
        setUp(0, text, size, adjust, font, bold);
        m_fixture->controller.adoptText();
        return image(0).copy();
    }

private slots:
    void init() { m_fixture = std::make_unique<ControllerFixture>(); }

    void busyLineRefusesAndChangesNothing()
    {
        adopted("abc");
        const QByteArray bytes = messageBytes(m_fixture->controller, 0);
        const QImage before = image(0).copy();
        m_fixture->controller.setMessageText(0, "xyz");
        project().setModified(false);
        m_fixture->fakeLine.open();

        m_fixture->controller.adoptText();
        QCOMPARE(m_fixture->dialogs.told.size(), 1);
        QCOMPARE(m_fixture->dialogs.told[0].title, MessageTexts::busyTitle());
        QCOMPARE(m_fixture->dialogs.told[0].text, "現在転送中。");
        QCOMPARE(image(0), before);
        QCOMPARE(messageBytes(m_fixture->controller, 0), bytes);
        QVERIFY(!project().modified());
    }

    void emptyTextGivesABlackImage()
    {
        m_fixture->controller.images().canvas(0).setPixel(5, 5, MessageCanvas::kRed);
        adopted("");
        QCOMPARE(litBounds(image(0)), QRect());
        QCOMPARE(project().msgLen()[0], 0);
        QCOMPARE(project().totalLen(), 0);
        QVERIFY(project().gauge().isEmpty());
        QVERIFY(project().modified());
    }

    void textIsDrawnAndEncodedAtOnce()
    {
        QSignalSpy changed(&m_fixture->controller.images(), &MessageImages::imageChanged);
        adopted("Message0\r\n");
        QVERIFY(project().msgLen()[0] > 4);
        QVERIFY(project().totalLen() > 0);
        QVERIFY(project().modified());
        QCOMPARE(changed.size(), 1);
        QCOMPARE(changed[0][0].toInt(), 0);
        // The data is what the lit rule reads from the image.
        QCOMPARE(litBounds(image(0)).right() / 8 + 1, project().msgLen()[0]);
    }

    void missingCharactersAreNamedAndTheTextAdopted()
    {
        // Hangul and Thai are in none of the installed faces; 東, the emoji and the line break are.
        const QImage shown = adopted(QStringLiteral("東 한 ก 😀 한\r\n"));
        QCOMPARE(m_fixture->dialogs.told.size(), 1);
        QCOMPARE(m_fixture->dialogs.told[0].title, MessageTexts::warningTitle());
        QCOMPARE(m_fixture->dialogs.told[0].text, MessageTexts::missingGlyphs() + QStringLiteral("한ก"));
        QCOMPARE(m_fixture->dialogs.told[0].detail, QStringLiteral("IPAGothic"));
        QVERIFY(litBounds(shown).width() > 10);
        QVERIFY(project().msgLen()[0] > 0);
        adopted(QStringLiteral("東京"));
        QCOMPARE(m_fixture->dialogs.told.size(), 1);
    }

    void cellTopLeftIsOneAboveTheAdjust_data()
    {
        QTest::addColumn<QString>("adjust");
        QTest::addColumn<int>("top");
        QTest::newRow("0") << "0" << -1;
        QTest::newRow("3") << "3" << 2;
        QTest::newRow("-10") << "-10" << -11;
        QTest::newRow("abc counts as 0") << "abc" << -1;
        QTest::newRow("5 typed") << "5" << 4;
        QTest::newRow("2.5 rounds to even") << "2.5" << 2;
        QTest::newRow("3.5 rounds to even") << "3.5" << 2;
        QTest::newRow("leading blanks") << "  4px" << 3;
    }
    void cellTopLeftIsOneAboveTheAdjust()
    {
        QFETCH(QString, adjust);
        QFETCH(int, top);
        const QString text = QStringLiteral("Mg東|");
        const QImage drawn = adopted(text, "12", adjust);

        QImage expected(kCanvasWidth, kRows, QImage::Format_RGB32);
        expected.fill(MessageCanvas::kBlack);
        const QFont font = TextRenderer::fontFor("IPAGothic", 12, false);
        QPainter painter(&expected);
        painter.setFont(font);
        painter.setPen(QColor::fromRgb(MessageCanvas::kRed));
        painter.drawText(QPoint(0, top + QFontMetrics(font).ascent()), text);
        painter.end();
        QCOMPARE(drawn, expected);
    }

    void adjustShiftsTheWholeLine()
    {
        const QImage reference = adopted("Message0 東京", "12", "0");
        const QImage lower = adopted("Message0 東京", "12", "3");
        QVERIFY(litCount(reference) > 0);
        for (int y = 3; y < kRows; ++y)
            QCOMPARE(lower.copy(0, y, 200, 1), reference.copy(0, y - 3, 200, 1));
        QCOMPARE(project().message(0).adjustBar, 0); // typing the adjust does not move the bar
    }

    void lineBreaksNeverStartASecondLine()
    {
        const QImage one = adopted("Message0");
        const int oneLength = project().msgLen()[0];
        QCOMPARE(adopted("Message0\r\n"), one); // the trailing blanks light nothing
        QCOMPARE(adopted(QStringLiteral("Message0\u2028Message0")), adopted("Message0 Message0"));
        QCOMPARE(adopted("Message0\tMessage0"), adopted("Message0 Message0"));
        const QImage two = adopted("Message0\r\nMessage0");
        QCOMPARE(litBounds(two).top(), litBounds(one).top());
        QCOMPARE(litBounds(two).bottom(), litBounds(one).bottom());
        QVERIFY(project().msgLen()[0] > 2 * oneLength);
    }

    void twelvePointsFitASixteenDotSign()
    {
        const QRect bounds = litBounds(adopted("Message0 東京駅 ようこそ", "12", "0", "ＭＳ ゴシック"));
        QVERIFY(bounds.top() >= 0);
        QVERIFY2(bounds.bottom() <= 15, qPrintable(QString::number(bounds.bottom())));
    }

    void fullWidthAndHalfWidthAsTyped()
    {
        adopted("AAAA");
        const int half = project().msgLen()[0];
        adopted("ＡＡＡＡ");
        const int full = project().msgLen()[0];
        QCOMPARE(half, 4);
        QCOMPARE(full, 8);
    }

    void thirtySixPointsAreCutAtTheBottomRow()
    {
        const QImage drawn = adopted("||||", "36");
        QCOMPARE(litBounds(drawn).bottom(), kRows - 1);
    }

    void boldLightsMorePixels()
    {
        const int regular = litCount(adopted("東京 Message", "12", "0", "IPAGothic", false));
        const int bold = litCount(adopted("東京 Message", "12", "0", "IPAGothic", true));
        QVERIFY2(bold > regular, qPrintable(QStringLiteral("%1 %2").arg(bold).arg(regular)));
    }

    void windowsFontNameIsKeptAndSubstituted()
    {
        const QImage substituted = adopted("東京 Message", "12", "0", "ＭＳ ゴシック");
        QCOMPARE(project().message(0).fontName, "ＭＳ ゴシック");
        QCOMPARE(adopted("東京 Message", "12", "0", "IPAGothic"), substituted);
    }

    void worksOnTheCurrentMessage()
    {
        m_fixture->controller.selectTab(2);
        setUp(2, "Hello");
        m_fixture->controller.adoptText();
        QVERIFY(project().msgLen()[2] > 0);
        QCOMPARE(project().msgLen()[0], 0);
        QCOMPARE(litBounds(image(0)), QRect());
    }

    void adoptingDropsAnImportedPicture()
    {
        QImage picture(300, 32, QImage::Format_RGB32);
        picture.fill(MessageCanvas::kRed);
        MessageCanvas& canvas = m_fixture->controller.images().canvas(0);
        canvas.setBackground(picture);
        canvas.clear();
        adopted("");
        QVERIFY(!canvas.hasBackground());
        QCOMPARE(litBounds(image(0)), QRect());
    }

    void typingLeavesImageAndDataAlone()
    {
        adopted("abc");
        const int length = project().msgLen()[0];
        const QImage before = image(0).copy();
        project().setModified(false);
        m_fixture->controller.setMessageText(0, "a much longer text");
        QVERIFY(project().modified());
        QCOMPARE(project().msgLen()[0], length);
        QCOMPARE(image(0), before);
    }
};

QTEST_MAIN(TestTextRendering)
#include "tst_textrendering.moc"
