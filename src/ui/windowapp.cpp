// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/windowapp.h"

#include "appinfo.h"
#include "link/portline.h"
#include "ui/windowfonts.h"

#include <QApplication>
#include <QDirIterator>
#include <QIcon>
#include <QTimer>

WindowApp::WindowApp(PortCatalogue& ports)
    : m_line(std::make_unique<PortLine>())
    , m_controller(std::make_unique<Controller>(m_dialogs, *m_line, ports, m_clock))
    , m_lastPort(std::make_unique<LastPort>(*m_controller, m_places))
    , m_settings(std::make_unique<SettingsCommands>(*m_controller, m_dialogs))
    , m_session(std::make_unique<ProjectSession>(*m_settings, m_dialogs, m_places))
    , m_window(std::make_unique<MainWindow>(*m_controller, *m_settings, m_session.get()))
    , m_recovery(std::make_unique<CrashRecovery>(m_controller->project(), m_window->history(), *m_settings,
                                                 m_dialogs))
{
    m_dialogs.setParent(m_window.get());
    m_dialogs.rememberFoldersIn(&m_places);
    m_controller->setLightingChooser(&m_dialogs);
    QObject::connect(m_window.get(), &MainWindow::languageChosen, m_window.get(),
                     [this](Language::Id id) { Language::remember(m_store, id); });
}

WindowApp::~WindowApp() = default;

void WindowApp::dressApplication()
{
    QGuiApplication::setDesktopFileName(QLatin1String(AppInfo::kDesktopId));
    QIcon icon;
    QDirIterator sizes(QStringLiteral(":/icons"), QDir::Files, QDirIterator::Subdirectories);
    while (sizes.hasNext())
        icon.addFile(sizes.next());
    QApplication::setWindowIcon(icon);
    QApplication::setFont(WindowFonts::anyText());
}

void WindowApp::start(const QString& project)
{
    m_controller->startUp();
    m_lastPort->restore();
    m_window->show();
    // After the window shows, so that the questions and what loading has to say stand over it.
    QTimer::singleShot(0, m_window.get(), [this, project] {
        m_recovery->offerLeftCopies();
        if (!project.isEmpty())
            m_session->open(project);
    });
}
