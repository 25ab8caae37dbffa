#pragma once

#include <QWidget>

class Controller;
class QLabel;
class QStackedWidget;
class TabStrip;

// The one window of the program: a view over the controller's project. Every control hands the
// operator's change to the controller and shows the project's state back; nothing is computed
// here.
class MainWindow : public QWidget {
    Q_OBJECT

public:
    explicit MainWindow(Controller& controller, QWidget* parent = nullptr);

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    [[nodiscard]] static QString title();
    [[nodiscard]] static QStringList tabCaptions();
    void buildFileBox();
    void buildTabs();
    void buildLowerRegions();
    void showSelectedPage();

    Controller& m_controller;
    TabStrip* m_tabs = nullptr;
    QStackedWidget* m_pages = nullptr;
    QLabel* m_fileLabel = nullptr;
};
