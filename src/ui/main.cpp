// Program entry of the desktop application.
#include <QApplication>
#include <QMainWindow>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName("Kinemo");
    QMainWindow window;
    window.setWindowTitle("Kinemo");
    window.resize(1024, 700);
    window.show();
    return app.exec();
}
