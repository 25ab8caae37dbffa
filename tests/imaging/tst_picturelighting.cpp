// SPDX-License-Identifier: GPL-3.0-or-later
#include "controller/lightingchooser.h"
#include "imaging/picturelighting.h"
#include "imagingtesthelpers.h"
#include "support/controllerfixture.h"

#include <QPainter>
#include <QTemporaryDir>
#include <QTest>

using namespace ImagingTest;
using Choice = PictureLighting::Choice;
using Method = PictureLighting::Method;

namespace {

constexpr int kWidth = 256;

// A photo's stand-in: dark on the left to bright on the right, with a tint that keeps red from
// deciding alone.
QImage gradient()
{
    QImage picture(kWidth, kRows, QImage::Format_RGB32);
    for (int y = 0; y < kRows; ++y) {
        for (int x = 0; x < kWidth; ++x)
            picture.setPixel(x, y, qRgb(x / 2, x, std::min(x + 40, 255)));
    }
    return picture;
}

// Black letters on white: two bars and a block.
QImage logo()
{
    QImage picture(kWidth, kRows, QImage::Format_RGB32);
    picture.fill(Qt::white);
    QPainter painter(&picture);
    for (const QRect& letter : {QRect(10, 4, 6, 24), QRect(30, 4, 6, 24), QRect(60, 8, 40, 16)})
        painter.fillRect(letter, Qt::black);
    return picture;
}

int litIn(const QImage& lit, const QRect& area)
{
    int count = 0;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x)
            count += MessageCanvas::isLit(lit.pixel(x, y)) ? 1 : 0;
    }
    return count;
}

class ScriptedChooser : public LightingChooser {
public:
    std::optional<Choice> answer;
    QImage asked;
    std::optional<Choice> choose(const QImage& picture) override
    {
        asked = picture;
        return answer;
    }
};

} // namespace

class TestPictureLighting : public QObject {
    Q_OBJECT

private slots:
    void logoLightsItsLettersWhenInverted_data()
    {
        QTest::addColumn<int>("method");
        QTest::addColumn<bool>("inverted");
        QTest::addColumn<bool>("lettersLit");
        QTest::newRow("as it is: the white lights") << int(Method::StrongRed) << false << false;
        QTest::newRow("red inverted") << int(Method::StrongRed) << true << true;
        QTest::newRow("brightness") << int(Method::Brightness) << false << false;
        QTest::newRow("brightness inverted") << int(Method::Brightness) << true << true;
        QTest::newRow("dithered inverted") << int(Method::Dithered) << true << true;
    }
    void logoLightsItsLettersWhenInverted()
    {
        QFETCH(int, method);
        QFETCH(bool, inverted);
        QFETCH(bool, lettersLit);
        const QImage lit =
            PictureLighting::litPattern(PictureLighting::apply(logo(), {Method(method), 128, inverted}));
        const int letterPixels = 2 * 6 * 24 + 40 * 16;
        const int inLetters = litIn(lit, QRect(10, 4, 6, 24)) + litIn(lit, QRect(30, 4, 6, 24)) +
                              litIn(lit, QRect(60, 8, 40, 16));
        const int everywhere = litIn(lit, lit.rect());
        QCOMPARE(inLetters, lettersLit ? letterPixels : 0);
        QCOMPARE(everywhere - inLetters, lettersLit ? 0 : kWidth * kRows - letterPixels);
    }

    void thresholdSplitsAPhotoByBrightness()
    {
        // The tinted gradient's grey rises with x; a step at the threshold, none lit before it.
        const QImage picture = gradient();
        for (const int threshold : {64, 128, 200}) {
            const QImage lit = PictureLighting::apply(picture, {Method::Brightness, threshold, false});
            for (int x = 0; x < kWidth; ++x)
                QCOMPARE(MessageCanvas::isLit(lit.pixel(x, 5)), qGray(picture.pixel(x, 5)) >= threshold);
        }
    }

    void ditheringKeepsThePhotosShades()
    {
        // In each band of the gradient about as many dots light as its brightness asks for, where a
        // plain threshold lights all or none.
        const QImage picture = gradient();
        const QImage lit = PictureLighting::apply(picture, {Method::Dithered, 128, false});
        constexpr int kBand = 32;
        for (int left = 0; left < kWidth; left += kBand) {
            const QRect band(left, 0, kBand, kRows);
            const double wanted = qGray(picture.pixel(band.center())) / 255.0;
            const double share = double(litIn(lit, band)) / (kBand * kRows);
            QVERIFY2(
                std::abs(share - wanted) < 0.1,
                qPrintable(QStringLiteral("band at %1: %2 lit, %3 wanted").arg(left).arg(share).arg(wanted)));
        }
    }

    void importTakesTheChoice_data()
    {
        QTest::addColumn<bool>("withChooser");
        QTest::addColumn<bool>("cancelled");
        QTest::newRow("no chooser") << false << false;
        QTest::newRow("as it is") << true << false;
        QTest::newRow("cancelled") << true << true;
    }
    void importTakesTheChoice()
    {
        // A picture taken without changes encodes byte for byte as without the choice.
        QFETCH(bool, withChooser);
        QFETCH(bool, cancelled);
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("photo.png"));
        QVERIFY(gradient().save(path));
        ControllerFixture plain;
        QVERIFY(plain.controller.importPictureFrom(path));

        ControllerFixture fixture;
        ScriptedChooser chooser;
        if (withChooser)
            fixture.controller.setLightingChooser(&chooser);
        if (!cancelled)
            chooser.answer = Choice{};
        QCOMPARE(fixture.controller.importPictureFrom(path), !cancelled);
        QCOMPARE(chooser.asked.isNull(), !withChooser);
        QCOMPARE(messageBytes(fixture.controller, 0), cancelled
                                                          ? messageBytes(ControllerFixture().controller, 0)
                                                          : messageBytes(plain.controller, 0));
        QCOMPARE(fixture.controller.project().modified(), !cancelled);
    }

    void importLightsTheChosenWay()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("logo.bmp"));
        QVERIFY(logo().save(path));
        ControllerFixture fixture;
        ScriptedChooser chooser;
        chooser.answer = Choice{Method::Brightness, 128, true};
        fixture.controller.setLightingChooser(&chooser);
        QVERIFY(fixture.controller.importPictureFrom(path));
        // The block covers pixels 60–99 of rows 8–23: half of byte column 7, all of 8 to 11, half of 12.
        QCOMPARE(fixture.controller.project().msgLen()[0], 13);
        QCOMPARE(int(byteAt(fixture.controller, 0, 7, 10)), 0x0F);
        QCOMPARE(int(byteAt(fixture.controller, 0, 8, 10)), 0xFF);
        QCOMPARE(int(byteAt(fixture.controller, 0, 8, 2)), 0);
    }
};

QTEST_MAIN(TestPictureLighting)
#include "tst_picturelighting.moc"
