#include <QApplication>
#include <QMainWindow>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QMainWindow window;
    window.setWindowTitle(QStringLiteral("P10 LED表示器イメージ設定ソフト Ver3.72"));
    window.resize(993, 681);
    window.show();
    return app.exec();
}
