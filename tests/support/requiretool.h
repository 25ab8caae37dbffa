// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QStandardPaths>
#include <QString>
#include <QTest>

// A test that needs another program skips, with the reason, where that program is not installed.
// scripts/test installs every such program first and sets P10SIGN_REQUIRE_TOOLS, and there a
// missing one fails the test: a gap in scripts/install-deps must not pass as a skip.
namespace RequireTool {

[[nodiscard]] inline QString missing(const QString& program)
{
    if (!QStandardPaths::findExecutable(program).isEmpty())
        return {};
    return program + QStringLiteral(" is not installed; scripts/install-deps installs it");
}

[[nodiscard]] inline bool required()
{
    return qEnvironmentVariableIsSet("P10SIGN_REQUIRE_TOOLS");
}

} // namespace RequireTool

#define SKIP_WITHOUT_TOOL(program)                                                                           \
    do {                                                                                                     \
        const QString missingTool = RequireTool::missing(program);                                           \
        if (!missingTool.isEmpty()) {                                                                        \
            if (RequireTool::required())                                                                     \
                QFAIL(qPrintable(missingTool));                                                              \
            QSKIP(qPrintable(missingTool));                                                                  \
        }                                                                                                    \
    } while (false)
