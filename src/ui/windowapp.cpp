#include "ui/windowapp.h"

#include "link/serialline.h"

namespace {

// Stands in until the serial port code is part of the program: a line that never opens.
class ClosedLine : public SerialLine {
public:
    using SerialLine::SerialLine;
    void setPortName(const QString&) override {}
    bool open() override { return false; }
    void close() override {}
    bool isOpen() const override { return false; }
    void setDtr(bool) override {}
    bool write(const QByteArray&) override { return false; }
    qint64 bytesQueued() const override { return 0; }
};

} // namespace

WindowApp::WindowApp()
    : m_line(std::make_unique<ClosedLine>())
    , m_controller(std::make_unique<Controller>(m_dialogs, *m_line))
    , m_window(std::make_unique<MainWindow>(*m_controller)) {
    m_dialogs.setParent(m_window.get());
}

WindowApp::~WindowApp() = default;

void WindowApp::start() {
    m_controller->startUp();
    m_window->show();
}
