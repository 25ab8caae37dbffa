// SPDX-License-Identifier: GPL-3.0-or-later
#include "imaging/fontcatalogue.h"
#include "imaging/fontsubstitution.h"
#include "imaging/textrenderer.h"

#include <QFontDatabase>
#include <QFontInfo>
#include <QFontMetrics>
#include <QTest>

class TestFonts : public QObject {
    Q_OBJECT

private slots:
    void substitutes_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("family");
        auto row = [](const char* name, const char* family) {
            QTest::newRow(name) << QString::fromUtf8(name) << QString::fromUtf8(family);
        };
        row("ＭＳ ゴシック", "IPAGothic");
        row("ＭＳ　ゴシック", "IPAGothic");
        row("MS Gothic", "IPAGothic");
        row("ＭＳ Ｐゴシック", "IPAPGothic");
        row("ms pgothic", "IPAPGothic");
        row("MS UI Gothic", "IPAPGothic");
        row("メイリオ", "IPAPGothic");
        row("System", "IPAPGothic");
        row("ＭＳ 明朝", "IPAMincho");
        row("ＭＳ Ｐ明朝", "IPAPMincho");
        row("Nonexistent Face", "");
    }
    void substitutes()
    {
        QFETCH(QString, name);
        QTEST(FontSubstitution::substituteFor(name), "family");
    }

    void renderingUsesTheSubstituteWhileTheNameIsKept()
    {
        const QString name = QStringLiteral("ＭＳ ゴシック");
        QCOMPARE(FontSubstitution::renderFamily(name), "IPAGothic");
        QCOMPARE(QFontInfo(TextRenderer::fontFor(name, 12, false)).family(), "IPAGothic");
        QCOMPARE(FontSubstitution::renderFamily("IPAPGothic"), "IPAPGothic");
        QCOMPARE(FontSubstitution::renderFamily("Nonexistent Face"), "Nonexistent Face");
    }

    void monospacedSubstituteGivesTheMarkGeometry()
    {
        // Full-width characters one em wide, half-width ones half an em: a clock mark covers four
        // byte columns at either height.
        const QFontMetrics small(TextRenderer::fontFor("ＭＳ ゴシック", 12, false));
        QCOMPARE(small.horizontalAdvance("ＨＨ"), 32);
        QCOMPARE(small.horizontalAdvance("ＤＤＤ"), 48);
        const QFontMetrics large(TextRenderer::fontFor("ＭＳ ゴシック", 24, false));
        QCOMPARE(large.horizontalAdvance("HH"), 32);
        QCOMPARE(large.horizontalAdvance("DDD"), 48);
    }

    void pointsBecomePixelsAt96Dpi_data()
    {
        QTest::addColumn<double>("points");
        QTest::addColumn<int>("pixels");
        QTest::newRow("12") << 12.0 << 16;
        QTest::newRow("24") << 24.0 << 32;
        QTest::newRow("36") << 36.0 << 48;
        QTest::newRow("9") << 9.0 << 12;
        QTest::newRow("0 draws at the smallest size") << 0.0 << 1;
        QTest::newRow("absurd size is capped") << 1e9 << 1000;
    }
    void pointsBecomePixelsAt96Dpi()
    {
        QFETCH(double, points);
        QTEST(TextRenderer::fontFor("IPAGothic", points, false).pixelSize(), "pixels");
    }

    // The list the message pages' font boxes offer: each family once, by the name a project gives
    // it, sorted without regard to case.
    void fontListTheWindowShows_data()
    {
        QTest::addColumn<QStringList>("offered");
        QTest::addColumn<QStringList>("listed");
        QTest::newRow("foundries told apart") << QStringList{"C059 [urw]", "IPAGothic [IPA ]", "C059 [other]"}
                                              << QStringList{"C059", "IPAGothic"};
        QTest::newRow("brackets that name no foundry")
            << QStringList{"[x]", "Fixed [x"} << QStringList{"[x]", "Fixed [x"};
        QTest::newRow("case") << QStringList{"b", "IPAPGothic", "a", "B"}
                              << QStringList{"a", "B", "b", "IPAPGothic"};
    }
    void fontListTheWindowShows()
    {
        QFETCH(QStringList, offered);
        QTEST(FontCatalogue::listOf(offered), "listed");
    }

    void installedListHasTheJapaneseFaces()
    {
        const QStringList families = FontCatalogue::installedFamilies();
        QVERIFY(families.contains("IPAGothic"));
        QVERIFY(families.contains("IPAPGothic"));
        QCOMPARE(FontCatalogue::listOf(families), families);
    }
};

QTEST_MAIN(TestFonts)
#include "tst_fonts.moc"
