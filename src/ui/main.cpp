#include "ui/windowapp.h"
#include "ui/windowfonts.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QApplication::setFont(WindowFonts::caption());
    WindowApp program;
    program.start();
    return app.exec();
}
