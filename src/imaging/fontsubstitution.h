// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

// Project files made on Windows name fonts that this system lacks. Rendering maps such a name to
// an installed face of the same kind (monospaced or proportional, Gothic or Mincho); the name in
// the project stays as the operator chose it.
class FontSubstitution {
public:
    // The family to render for the given name: the name itself when it is installed, else its
    // substitute from the table, else the name unchanged (the font service then falls back).
    [[nodiscard]] static QString renderFamily(const QString& name);
    // The table alone, for the names it knows; an empty string for any other name.
    [[nodiscard]] static QString substituteFor(const QString& name);
};
