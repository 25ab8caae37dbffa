// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QRandomGenerator>
#include <QtGlobal>

// The randomized tests' two knobs: P10_FUZZ_SECONDS lengthens a run (two seconds a case unless
// set), P10_FUZZ_SEED replays the seed a failing run printed.
namespace FuzzBudget {

[[nodiscard]] inline qint64 budgetMs()
{
    const int seconds = qEnvironmentVariableIntValue("P10_FUZZ_SECONDS");
    return 1000LL * (seconds > 0 ? seconds : 2);
}

[[nodiscard]] inline quint32 seed()
{
    const quint32 seed = qEnvironmentVariableIsSet("P10_FUZZ_SEED")
                             ? quint32(qEnvironmentVariableIntValue("P10_FUZZ_SEED"))
                             : QRandomGenerator::global()->generate();
    qInfo("fuzz seed %u", seed);
    return seed;
}

} // namespace FuzzBudget
