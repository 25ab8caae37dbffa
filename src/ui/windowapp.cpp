#include "ui/windowapp.h"

#include "link/portline.h"

WindowApp::WindowApp()
    : m_line(std::make_unique<PortLine>())
    , m_controller(std::make_unique<Controller>(m_dialogs, *m_line))
    , m_window(std::make_unique<MainWindow>(*m_controller))
{
    m_dialogs.setParent(m_window.get());
}

WindowApp::~WindowApp() = default;

void WindowApp::start()
{
    m_controller->startUp();
    m_window->show();
}
