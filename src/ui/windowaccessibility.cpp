// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/windowaccessibility.h"

#include "model/limits.h"
#include "texts/desktoptexts.h"
#include "ui/tabstrip.h"
#include "ui/windowlayout.h"

#include <QLabel>
#include <QWidget>

using WindowLayout::arrayName;

namespace {

struct Labelled {
    const char* label;
    const char* field;
};

// The labels of the window and the fields they stand beside.
constexpr Labelled kGlobalLabels[] = {
    {"Label19", "ComScrH"},  {"Label11", "ComBright"}, {"Label4", "ComSele"},    {"Label9", "ComTimeMsg"},
    {"Label14", "ComHSide"}, {"Label16", "ComMSide"},  {"Label13", "ComDJSMsg"}, {"Label15", "ComDSide"},
    {"Label18", "TxtDJS"},   {"Label20", "TxtSTime"},  {"Label21", "TxtETime"},  {"Label8", "Picture2"},
};
constexpr Labelled kPageLabels[] = {
    {"Label5", "FntName"},  {"Label7", "FntSize"}, {"Label3", "ComMod"},
    {"Label2", "MovSpeed"}, {"Label6", "TopAdj"},
};
// The sign's width, which the first page holds.
constexpr Labelled kScreenWidth = {"Label10", "ComScrW"};
// Up/down controls read the label of the time or adjust field they step.
constexpr Labelled kSteppers[] = {{"Label20", "VScSTime"}, {"Label21", "VScETime"}};
constexpr Labelled kPageSteppers[] = {{"Label6", "VScAdj"}};

template <typename T = QWidget> T* child(QWidget& window, const QString& name)
{
    return window.findChild<T*>(name);
}

void pair(QWidget& window, const QString& labelName, const QString& fieldName, bool buddy)
{
    auto* label = child<QLabel>(window, labelName);
    auto* field = child(window, fieldName);
    if (!label || !field)
        return;
    if (buddy)
        label->setBuddy(field);
    else
        field->setAccessibleName(label->text());
}

void name(QWidget& window, const QString& fieldName, const QString& accessibleName)
{
    if (auto* field = child(window, fieldName))
        field->setAccessibleName(accessibleName);
}

} // namespace

void WindowAccessibility::describe(QWidget& window)
{
    for (const Labelled& entry : kGlobalLabels)
        pair(window, QLatin1String(entry.label), QLatin1String(entry.field), true);
    for (const Labelled& entry : kSteppers)
        pair(window, QLatin1String(entry.label), QLatin1String(entry.field), false);
    name(window, QStringLiteral("TxtTime"), DesktopTexts::clockName());
    name(window, QStringLiteral("ProgressBar1"), DesktopTexts::progressName());
    name(window, QStringLiteral("ProgressBar2"), DesktopTexts::clockProgressName());

    // The tab strip draws its own tabs; it reads as the tab that is selected.
    if (auto* tabs = child<TabStrip>(window, QStringLiteral("TabStrip1"))) {
        const auto nameTab = [tabs](int index) { tabs->setAccessibleName(tabs->tabText(index).trimmed()); };
        QObject::connect(tabs, &TabStrip::currentChanged, tabs, nameTab);
        nameTab(tabs->currentIndex());
    }
}

void WindowAccessibility::describePage(QWidget& page, int message)
{
    if (message == 0)
        pair(page, QLatin1String(kScreenWidth.label), QLatin1String(kScreenWidth.field), true);
    for (const Labelled& entry : kPageLabels)
        pair(page, arrayName(QLatin1String(entry.label), message),
             arrayName(QLatin1String(entry.field), message), true);
    for (const Labelled& entry : kPageSteppers)
        pair(page, arrayName(QLatin1String(entry.label), message),
             arrayName(QLatin1String(entry.field), message), false);
    name(page, arrayName(QStringLiteral("TxtBox"), message), DesktopTexts::messageTextName());
}
