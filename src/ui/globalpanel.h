// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "model/globalsettings.h"

#include <QGroupBox>
#include <map>

class Controller;
class ListCombo;
class ProjectSession;
class QGridLayout;
class QVBoxLayout;
class SettingsCommands;
class QCheckBox;
class QLabel;
class QProgressBar;
class QPushButton;

// The sign-wide settings under the message tabs: height, brightness, port, the clock and
// countdown marks, with the buttons that load, save and send the project.
class GlobalPanel : public QGroupBox {
    Q_OBJECT

public:
    // With a session, the arrow beside the load button offers the recent projects.
    GlobalPanel(Controller& controller, SettingsCommands& settings, ProjectSession* session, QWidget* parent);

private:
    [[nodiscard]] QGridLayout* settingsGrid();
    [[nodiscard]] QVBoxLayout* commandButtons(ProjectSession* session);
    [[nodiscard]] ListCombo* globalList(const QString& name, int width, GlobalList list);
    void refresh();
    void showPort();

    Controller& m_controller;
    SettingsCommands& m_settings;
    std::map<GlobalList, ListCombo*> m_lists;
    QCheckBox* m_showMarks = nullptr;
    QLabel* m_portDevice = nullptr;
    QProgressBar* m_progress = nullptr;
};
