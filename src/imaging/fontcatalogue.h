// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QStringList>

// The installed font families, sorted by name without regard to case, as the font lists of the
// message pages offer them. Start-up hands them to the project.
class FontCatalogue {
public:
    [[nodiscard]] static QStringList installedFamilies();
    // A family as a project names it: the font service tells families that several foundries
    // offer apart as "C059 [urw]", a name no project file from Windows holds.
    [[nodiscard]] static QString plainFamily(const QString& family);
};
