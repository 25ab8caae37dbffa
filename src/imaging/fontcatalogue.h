// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QStringList>

// The installed font families, sorted by name without regard to case, as the font lists of the
// message pages offer them. Start-up hands them to the project.
class FontCatalogue {
public:
    [[nodiscard]] static QStringList installedFamilies();
    // The list made of the families the font service offers. The service tells families that
    // several foundries offer apart as "C059 [urw]", a name no project file from Windows holds;
    // the list names each family once, as a project names it.
    [[nodiscard]] static QStringList listOf(const QStringList& offered);
};
