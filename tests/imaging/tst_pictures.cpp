// SPDX-License-Identifier: GPL-3.0-or-later
#include "imaging/picturefiles.h"
#include "imagingtesthelpers.h"
#include "support/controllerfixture.h"
#include "texts/messagetexts.h"
#include "texts/picturetexts.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImageReader>
#include <QTemporaryDir>
#include <QTest>
#include <QtEndian>
#include <sys/stat.h>

using namespace ImagingTest;

class TestPictures : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<ControllerFixture> m_fixture;
    std::unique_ptr<QTemporaryDir> m_dir;

    Project& project() { return m_fixture->controller.project(); }
    const QImage& image(int m) { return m_fixture->controller.images().canvas(m).image(); }
    QString path(const QString& name) const { return m_dir->filePath(name); }

    QString save(const QImage& picture, const QString& name, const char* format = nullptr)
    {
        const QString file = path(name);
        if (!picture.save(file, format))
            qFatal("cannot write %s", qPrintable(file));
        return file;
    }

    QString writeBytes(const QString& name, const QByteArray& bytes)
    {
        QFile file(path(name));
        if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
            qFatal("cannot write %s", qPrintable(name));
        return file.fileName();
    }

    static QImage filled(int width, int height, QRgb colour)
    {
        QImage picture(width, height, QImage::Format_RGB32);
        picture.fill(colour);
        return picture;
    }

private slots:
    void init()
    {
        m_fixture = std::make_unique<ControllerFixture>();
        m_dir = std::make_unique<QTemporaryDir>();
        QVERIFY(m_dir->isValid());
    }

    void redBmpAtTheTopLeft()
    {
        m_fixture->dialogs.openPaths << save(filled(100, 16, qRgb(255, 0, 0)), "red.bmp");
        m_fixture->controller.importPicture();
        QCOMPARE(m_fixture->dialogs.openFilters,
                 QStringList{"Picture(*.bmp;*.gif;*.jpg;*.ico;*.png)|*.bmp;*.gif;*.jpg;*.ico;*.png"});
        for (int row = 0; row < kRows; ++row) {
            for (int col = 0; col < 14; ++col) {
                const int expected = row >= 16 ? 0 : col < 12 ? 0xFF : col == 12 ? 0xF0 : 0;
                QCOMPARE(int(byteAt(m_fixture->controller, 0, col, row)), expected);
            }
        }
        QCOMPARE(project().msgLen()[0], 13);
        QVERIFY(project().modified());
        QVERIFY(m_fixture->dialogs.told.isEmpty());
    }

    void litRuleDecidesWhatAPictureLights_data()
    {
        QTest::addColumn<QRgb>("colour");
        QTest::addColumn<int>("length");
        QTest::newRow("white") << qRgb(255, 255, 255) << 2;
        QTest::newRow("green") << qRgb(0, 255, 0) << 0;
        QTest::newRow("blue") << qRgb(0, 0, 255) << 0;
        QTest::newRow("red 128") << qRgb(128, 0, 0) << 2;
        QTest::newRow("red 127") << qRgb(127, 255, 255) << 0;
    }
    void litRuleDecidesWhatAPictureLights()
    {
        QFETCH(QRgb, colour);
        QVERIFY(m_fixture->controller.importPictureFrom(save(filled(16, 8, colour), "picture.bmp")));
        QTEST(project().msgLen()[0], "length");
    }

    void wideAndTallPicturesAreCut()
    {
        QImage picture = filled(20000, 64, qRgb(0, 0, 0));
        picture.setPixel(16375, 31, qRgb(255, 0, 0));
        picture.setPixel(16376, 0, qRgb(255, 0, 0));
        picture.setPixel(19999, 10, qRgb(255, 0, 0));
        picture.setPixel(0, 32, qRgb(255, 0, 0));
        QVERIFY(m_fixture->controller.importPictureFrom(save(picture, "wide.bmp")));
        QCOMPARE(project().msgLen()[0], 2047);
        QCOMPARE(int(byteAt(m_fixture->controller, 0, 2046, 31)), 0x01);
        QCOMPARE(litCount(image(0)), 1);
        // Only what the canvas can show is kept.
        QCOMPARE(m_fixture->controller.images().canvas(0).background().size(), QSize(kCanvasWidth, kRows));
    }

    void tallPictureIsCutBeforeDecoding()
    {
        // 16376 x 6000 at one bit per pixel: 12 MB on disk, 390 MB if decoded whole.
        constexpr int rows = 6000;
        constexpr int stride = kColumns + 1;
        QByteArray bmp = forgedBmp(kCanvasWidth, rows, 1, qsizetype(stride) * rows);
        qToLittleEndian(qint32(0x00FFFFFF), bmp.data() + 58); // colour 1 is white
        auto rowAt = [&](int y) { return 62 + qsizetype(stride) * (rows - 1 - y); };
        bmp[rowAt(0) + kColumns - 1] = 0x01; // x = 16375, top row
        bmp[rowAt(31)] = char(0x80);         // x = 0, row 31
        bmp[rowAt(32)] = char(0xFF);         // below the canvas
        QVERIFY(m_fixture->controller.importPictureFrom(writeBytes("tall.bmp", bmp)));
        QCOMPARE(project().msgLen()[0], kColumns);
        QCOMPARE(int(byteAt(m_fixture->controller, 0, kColumns - 1, 0)), 0x01);
        QCOMPARE(int(byteAt(m_fixture->controller, 0, 0, 31)), 0x80);
        QCOMPARE(litCount(image(0)), 2);
    }

    void transparentIconAndPngPixelsStayBlack_data()
    {
        QTest::addColumn<QString>("format");
        QTest::newRow("icon") << "ico";
        QTest::newRow("png") << "png";
    }
    void transparentIconAndPngPixelsStayBlack()
    {
        QFETCH(QString, format);
        QImage icon(32, 32, QImage::Format_ARGB32);
        icon.fill(qRgba(255, 255, 255, 0));
        for (int y = 8; y < 24; ++y) {
            for (int x = 8; x < 24; ++x)
                icon.setPixel(x, y, qRgba(255, 0, 0, 255));
        }
        icon.setPixel(10, 10, qRgba(100, 0, 0, 255));
        QVERIFY(m_fixture->controller.importPictureFrom(save(icon, "glyph." + format, qPrintable(format))));
        QCOMPARE(litBounds(image(0)), QRect(8, 8, 16, 16));
        QCOMPARE(litCount(image(0)), 16 * 16 - 1);
    }

    void transparentGifPixelsStayBlack_data()
    {
        QTest::addColumn<char>("flags");
        QTest::addColumn<int>("length");
        QTest::newRow("transparent white") << char(0x01) << 0;
        QTest::newRow("opaque white") << char(0x00) << 1;
    }
    void transparentGifPixelsStayBlack()
    {
        QFETCH(char, flags);
        // One white pixel, colour 0, which the graphic control extension may make transparent.
        QByteArray gif = QByteArray::fromHex("47494638396101000100800000"
                                             "ffffff000000"
                                             "21f9040000000000"
                                             "2c000000000100010000"
                                             "0202440100"
                                             "3b");
        gif[13 + 6 + 3] = flags;
        QVERIFY(m_fixture->controller.importPictureFrom(writeBytes("pixel.gif", gif)));
        QTEST(project().msgLen()[0], "length");
    }

    void jpegIsRead()
    {
        QImage picture = filled(64, 16, qRgb(0, 0, 0));
        for (int y = 0; y < 16; ++y) {
            for (int x = 0; x < 40; ++x)
                picture.setPixel(x, y, qRgb(255, 255, 255));
        }
        QVERIFY(picture.save(path("white.jpg"), "jpeg", 100));
        QVERIFY(m_fixture->controller.importPictureFrom(path("white.jpg")));
        QCOMPARE(project().msgLen()[0], 5);
    }

    void exportThenImportGivesTheSameData()
    {
        m_fixture->controller.setMessageText(0, "Message0 東京");
        m_fixture->controller.setFontName(0, "ＭＳ ゴシック");
        m_fixture->controller.adoptText();
        m_fixture->dialogs.savePaths << path("out.bmp");
        m_fixture->controller.exportPicture();
        QCOMPARE(m_fixture->dialogs.saveFilters, QStringList{"Picture(*.bmp)|*.bmp"});

        QFile file(path("out.bmp"));
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray header = file.read(54);
        QCOMPARE(header.left(2), "BM");
        QCOMPARE(qFromLittleEndian<qint32>(header.constData() + 18), kCanvasWidth);
        QCOMPARE(qAbs(qFromLittleEndian<qint32>(header.constData() + 22)), kRows);
        QCOMPARE(qFromLittleEndian<qint16>(header.constData() + 28), qint16(24));

        m_fixture->controller.selectTab(3);
        QVERIFY(m_fixture->controller.importPictureFrom(path("out.bmp")));
        QCOMPARE(messageBytes(m_fixture->controller, 3), messageBytes(m_fixture->controller, 0));
        QCOMPARE(project().msgLen()[3], project().msgLen()[0]);
    }

    void exportChangesNothingInTheProject()
    {
        m_fixture->controller.importPictureFrom(save(filled(40, 10, qRgb(255, 0, 0)), "red.bmp"));
        project().setModified(false);
        const QByteArray bytes = messageBytes(m_fixture->controller, 0);
        QVERIFY(m_fixture->controller.exportPictureTo(path("out.bmp")));
        QVERIFY(!project().modified());
        QCOMPARE(messageBytes(m_fixture->controller, 0), bytes);
    }

    void exportedMarksAreGreenAndLightNothing()
    {
        m_fixture->controller.chooseEntry(GlobalList::ClockMessage, 1); // message 0, on the page showing
        QVERIFY(m_fixture->controller.exportPictureTo(path("marks.bmp")));
        const QImage exported(path("marks.bmp"));
        const QRect green = boundsOf(exported, [](QRgb c) { return c == qRgb(0, 255, 0); });
        QVERIFY(!green.isEmpty());
        QCOMPARE(boundsOf(exported, [](QRgb c) { return c != qRgb(0, 255, 0) && c != qRgb(0, 0, 0); }),
                 QRect());
        QVERIFY(m_fixture->controller.importPictureFrom(path("marks.bmp")));
        QCOMPARE(project().msgLen()[0], 0);
    }

    void busyLineRefusesImportButNotExport()
    {
        m_fixture->controller.importPictureFrom(save(filled(40, 10, qRgb(255, 0, 0)), "red.bmp"));
        project().setModified(false);
        const QByteArray bytes = messageBytes(m_fixture->controller, 0);
        const QImage before = image(0).copy();
        m_fixture->fakeLine.open();
        m_fixture->dialogs.openPaths << save(filled(100, 16, qRgb(255, 255, 255)), "white.bmp");
        m_fixture->controller.importPicture();
        QCOMPARE(m_fixture->dialogs.told.size(), 1);
        QCOMPARE(m_fixture->dialogs.told[0].title, MessageTexts::busyTitle());
        QCOMPARE(m_fixture->dialogs.told[0].text, MessageTexts::busy());
        QVERIFY(m_fixture->dialogs.openFilters.isEmpty()); // refused before the dialog
        QCOMPARE(image(0), before);
        QCOMPARE(messageBytes(m_fixture->controller, 0), bytes);
        QVERIFY(!project().modified());

        m_fixture->dialogs.savePaths << path("busy.bmp");
        m_fixture->controller.exportPicture();
        QVERIFY(QFile::exists(path("busy.bmp")));
    }

    void cancelledDialogsChangeNothing()
    {
        m_fixture->dialogs.savePaths << path("first.bmp");
        m_fixture->controller.exportPicture();
        m_fixture->controller.exportPicture(); // cancelled
        QCOMPARE(QDir(m_dir->path()).entryList(QDir::Files), QStringList{"first.bmp"});

        m_fixture->controller.importPicture(); // cancelled
        QVERIFY(!project().modified());
        QVERIFY(m_fixture->dialogs.told.isEmpty());
    }

    void exportedNameGetsTheBmpExtension()
    {
        m_fixture->dialogs.savePaths << path("picture");
        m_fixture->controller.exportPicture();
        QVERIFY(QFile::exists(path("picture.bmp")));
    }

    void unwritableExportIsTold()
    {
        const QString fifo = path("fifo.bmp");
        QCOMPARE(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
        for (const QString& target : {path("no/such/folder/out.bmp"), fifo}) {
            m_fixture->dialogs.told.clear();
            QVERIFY(!m_fixture->controller.exportPictureTo(target));
            QCOMPARE(m_fixture->dialogs.told.size(), 1);
            QCOMPARE(m_fixture->dialogs.told[0].title, MessageTexts::warningTitle());
            QCOMPARE(m_fixture->dialogs.told[0].text, PictureTexts::notWritten());
            QVERIFY(m_fixture->dialogs.told[0].detail.startsWith(QDir::toNativeSeparators(target) + u'\n'));
        }
        QVERIFY(QFileInfo::exists(fifo) && !QFileInfo(fifo).isFile()); // still the FIFO
    }

    void badInputIsToldAndChangesNothing_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("message");
        QTest::newRow("missing") << "missing.bmp" << QByteArray() << PictureTexts::missing();
        QTest::newRow("not a picture")
            << "notes.bmp" << QByteArray("just some text\r\n") << PictureTexts::notAPicture();
        QTest::newRow("empty file") << "empty.gif" << QByteArray("") << PictureTexts::notAPicture();
        QTest::newRow("100000 x 100000")
            << "forged.bmp" << forgedBmp(100000, 100000, 24, 16) << PictureTexts::tooLarge();
        QTest::newRow("wide and tall")
            << "forged2.bmp" << forgedBmp(20000, 1'000'000, 24, 16) << PictureTexts::tooLarge();
        QTest::newRow("negative width")
            << "forged3.bmp" << forgedBmp(-5, 16, 24, 16) << PictureTexts::notAPicture();
        // Sizes near 2^31 overflowed the size checks' arithmetic.
        constexpr qint32 kNear = 0x7fffffff;
        QTest::newRow("2^31 - 1 square")
            << "forged4.bmp" << forgedBmp(kNear, kNear, 24, 16) << PictureTexts::tooLarge();
        QTest::newRow("2^31 - 1 top-down")
            << "forged5.bmp" << forgedBmp(kNear, -kNear, 24, 16) << PictureTexts::tooLarge();
        QTest::newRow("2^31 - 1 wide")
            << "forged6.bmp" << forgedBmp(kNear, 1, 24, 16) << PictureTexts::tooLarge();
        QTest::newRow("2^30 square") << "forged7.bmp" << forgedBmp(1 << 30, 1 << 30, 24, 16)
                                     << PictureTexts::tooLarge();
    }
    void badInputIsToldAndChangesNothing()
    {
        QFETCH(QString, name);
        QFETCH(QByteArray, bytes);
        QFETCH(QString, message);
        m_fixture->controller.setMessageText(0, "Text");
        m_fixture->controller.adoptText();
        project().setModified(false);
        const QByteArray before = messageBytes(m_fixture->controller, 0);
        const QImage image0 = image(0).copy();
        const int length = project().msgLen()[0];

        const QString file = name == "missing.bmp" ? path(name) : writeBytes(name, bytes);
        m_fixture->dialogs.openPaths << file;
        m_fixture->controller.importPicture();
        QCOMPARE(m_fixture->dialogs.told.size(), 1);
        QCOMPARE(m_fixture->dialogs.told[0].title, "警告");
        QCOMPARE(m_fixture->dialogs.told[0].text, message);
        // The operator learns which file it was, whatever the reason.
        QVERIFY(m_fixture->dialogs.told[0].detail.startsWith(QDir::toNativeSeparators(file)));
        QCOMPARE(messageBytes(m_fixture->controller, 0), before);
        QCOMPARE(image(0), image0);
        QCOMPARE(project().msgLen()[0], length);
        QVERIFY(!project().modified());
        QVERIFY(!m_fixture->controller.importPictureFrom(file));
    }

    void importRemovesThePreviousContent()
    {
        m_fixture->controller.setMessageText(0, "Text");
        m_fixture->controller.adoptText();
        QVERIFY(m_fixture->controller.importPictureFrom(save(filled(8, 8, qRgb(0, 0, 0)), "black.bmp")));
        QCOMPARE(project().msgLen()[0], 0);
        QCOMPARE(litBounds(image(0)), QRect());
    }
};

QTEST_MAIN(TestPictures)
#include "tst_pictures.moc"
