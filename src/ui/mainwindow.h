// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "model/limits.h"
#include "texts/language.h"

#include <QWidget>
#include <array>
#include <memory>

class Controller;
class MessagePage;
class ProjectHistory;
class ProjectSession;
class QLabel;
class QStackedWidget;
class SettingsCommands;
class SignView;
class TabStrip;

// The one window of the program: a view over the controller's project. Every control hands the
// operator's change to the controller and shows the project's state back; nothing is computed
// here.
class MainWindow : public QWidget {
    Q_OBJECT

public:
    // With a session the window offers the recent projects.
    MainWindow(Controller& controller, SettingsCommands& settings, ProjectSession* session = nullptr,
               QWidget* parent = nullptr);
    ~MainWindow() override;

    // The operator's changes, to undo and redo.
    [[nodiscard]] ProjectHistory& history() { return *m_history; }

signals:
    // The operator chose the language of the next start.
    void languageChosen(Language::Id id);

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    [[nodiscard]] static QString title();
    [[nodiscard]] static QStringList tabCaptions();
    void buildFileBox();
    void buildTabs();
    void buildLowerRegions(ProjectSession* session);
    void buildPageShortcuts();
    void buildHistoryButtons(int left);
    [[nodiscard]] MessagePage* page(int message);
    void showSelectedPage();

    Controller& m_controller;
    SettingsCommands& m_settings;
    ProjectHistory* m_history = nullptr;
    TabStrip* m_tabs = nullptr;
    QStackedWidget* m_pages = nullptr;
    std::array<MessagePage*, kMessageCount> m_messagePages{};
    QLabel* m_fileLabel = nullptr;
    // A window of its own, not a child: a child window would be kept in front of this one.
    std::unique_ptr<SignView> m_signView;
};
