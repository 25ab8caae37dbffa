// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "controller/lightingchooser.h"
#include "dialogs/dialogs.h"
#include "ui/recentplaces.h"

class QWidget;

// The operator's dialogs as modal Qt boxes over the main window.
class WidgetDialogs : public Dialogs, public LightingChooser {
public:
    explicit WidgetDialogs(QWidget* parent = nullptr)
        : m_parent(parent)
    {
    }
    void setParent(QWidget* parent) { m_parent = parent; }
    // The file dialogs start in the folder last used for their kind of file, projects or pictures.
    void rememberFoldersIn(RecentPlaces* places) { m_places = places; }

    [[nodiscard]] bool askYesNo(const QString& title, const QString& text) override;
    [[nodiscard]] Answer askYesNoCancel(const QString& title, const QString& text) override;
    void tell(const QString& title, const QString& text, const QString& detail = {}) override;
    [[nodiscard]] QString chooseOpenFile(const QString& filter) override;
    [[nodiscard]] QString chooseSaveFile(const QString& filter) override;
    [[nodiscard]] QString chooseSaveFileAt(const QString& filter, const QString& current) override;
    [[nodiscard]] std::optional<PictureLighting::Choice> choose(const QImage& picture) override;

    // "Picture(*.bmp)|*.bmp" becomes "BMP 画像 (*.bmp)", the form Qt's dialogs read.
    [[nodiscard]] static QString qtFilter(const QString& filter);

private:
    [[nodiscard]] static RecentPlaces::Kind kindOf(const QString& filter);
    [[nodiscard]] static QString filesName(const QString& filter);
    [[nodiscard]] QString startFolder(const QString& filter) const;
    QString remembered(const QString& filter, const QString& chosen);

    QWidget* m_parent = nullptr;
    RecentPlaces* m_places = nullptr;
};
