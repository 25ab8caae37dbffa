// SPDX-License-Identifier: GPL-3.0-or-later
#include "schedule/alternation.h"

#include <QTest>

namespace {

// Ticks the boxes one after another, each tick running the chain rule, as loading does.
AltBoxes tickInTurn(std::initializer_list<int> ticks, AltBoxes boxes = {})
{
    for (int m : ticks) {
        boxes[m].ticked = true;
        Alternation::applyChainRule(boxes);
    }
    return boxes;
}

QString ticked(const AltBoxes& boxes)
{
    QString s;
    for (const AltBox& box : boxes)
        s += box.ticked ? u'x' : u'.';
    return s;
}

QString enabled(const AltBoxes& boxes)
{
    QString s;
    for (const AltBox& box : boxes)
        s += box.enabled ? u'e' : u'-';
    return s;
}

} // namespace

class TestAlternation : public QObject {
    Q_OBJECT

private slots:
    void chainRule_data()
    {
        QTest::addColumn<QList<int>>("ticks");
        QTest::addColumn<QString>("expectedTicked");
        QTest::addColumn<QString>("expectedEnabled");
        QTest::addColumn<int>("begin");
        QTest::addColumn<int>("count");
        QTest::newRow("none") << QList<int>{} << "................"
                              << "eeeeeeeeeeeeeeee" << 0 << 0;
        QTest::newRow("3..5") << QList<int>{3, 4, 5} << "...xxx.........."
                              << "eeeeeee---------" << 3 << 3;
        QTest::newRow("9 after 3..5 is undone") << QList<int>{3, 4, 5, 9} << "...xxx.........."
                                                << "eeeeeee---------" << 3 << 3;
        QTest::newRow("0 alone") << QList<int>{0} << "x..............."
                                 << "ee--------------" << 0 << 1;
        QTest::newRow("15 alone is undone") << QList<int>{15} << "................"
                                            << "eeeeeeeeeeeeeee-" << 0 << 0;
        QTest::newRow("14 and 15") << QList<int>{14, 15} << "..............xx"
                                   << "eeeeeeeeeeeeeeee" << 14 << 2;
        QTest::newRow("gap clears later run") << QList<int>{0, 1, 7} << "xx.............."
                                              << "eee-------------" << 0 << 2;
    }
    void chainRule()
    {
        QFETCH(QList<int>, ticks);
        AltBoxes boxes;
        for (int m : ticks) {
            boxes[m].ticked = true;
            Alternation::applyChainRule(boxes);
        }
        QTEST(ticked(boxes), "expectedTicked");
        QTEST(enabled(boxes), "expectedEnabled");
        const AltGroup group = Alternation::findAltGroup(boxes);
        QTEST(int(group.begin), "begin");
        QTEST(int(group.count), "count");
    }

    void untickingTheFirstBoxMovesTheStart()
    {
        AltBoxes boxes = tickInTurn({3, 4, 5});
        boxes[3].ticked = false;
        Alternation::applyChainRule(boxes);
        QCOMPARE(ticked(boxes), "....xx..........");
        QVERIFY(boxes[3].enabled);
        QCOMPARE(Alternation::findAltGroup(boxes), (AltGroup{4, 2}));
    }

    void loadingRebuildsTheStoredRun()
    {
        AltBoxes boxes = tickInTurn({2, 3, 4});
        for (AltBox& box : boxes)
            box.ticked = false;
        Alternation::applyChainRule(boxes);
        boxes = tickInTurn({6, 7, 8}, boxes);
        QCOMPARE(ticked(boxes), "......xxx.......");
    }
};

QTEST_GUILESS_MAIN(TestAlternation)
#include "tst_alternation.moc"
