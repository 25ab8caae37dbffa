#include "controller/controller.h"
#include "link/serialline.h"
#include "ui/mainwindow.h"
#include "ui/widgetdialogs.h"
#include "ui/windowfonts.h"

#include <QApplication>

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

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setFont(WindowFonts::caption());
    WidgetDialogs dialogs;
    ClosedLine line;
    Controller controller(dialogs, line);
    MainWindow window(controller);
    dialogs.setParent(&window);
    controller.startUp();
    window.show();
    return app.exec();
}
