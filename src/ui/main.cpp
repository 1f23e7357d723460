// Program entry of the desktop application: opens the catalog beside the program and
// shows the main window; a catalog that cannot be used ends the run after saying why.
#include "shell/KinemoContext.h"
#include "shell/UserDialogs.h"

#include <QApplication>
#include <QMainWindow>
#include <QMessageBox>

#include <exception>
#include <memory>

namespace {

class QtDialogs : public kinemo::IUserDialogs {
public:
    int ShowMessageDialog(const std::string& text, kinemo::TMsgDlgType type, unsigned buttons) override {
        QMessageBox box;
        box.setWindowTitle(QApplication::applicationName());
        box.setText(QString::fromStdString(text));
        box.setIcon(type == kinemo::TMsgDlgType::Error         ? QMessageBox::Critical
                    : type == kinemo::TMsgDlgType::Warning     ? QMessageBox::Warning
                    : type == kinemo::TMsgDlgType::Information ? QMessageBox::Information
                                                               : QMessageBox::Question);
        QMessageBox::StandardButtons b;
        if (buttons & kinemo::mbYes) b |= QMessageBox::Yes;
        if (buttons & kinemo::mbNo) b |= QMessageBox::No;
        if (buttons & kinemo::mbOK) b |= QMessageBox::Ok;
        if (buttons & kinemo::mbCancel) b |= QMessageBox::Cancel;
        box.setStandardButtons(b);
        switch (box.exec()) {
        case QMessageBox::Yes: return kinemo::mrYes;
        case QMessageBox::No: return kinemo::mrNo;
        case QMessageBox::Ok: return kinemo::mrOk;
        default: return kinemo::mrCancel;
        }
    }
};

}  // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName("Kinemo");
    QtDialogs dialogs;
    std::unique_ptr<kinemo::TKinemoContext> context;
    try {
        const std::string catalog = QApplication::applicationDirPath().toStdString() + "/Kinemo.db";
        context = std::make_unique<kinemo::TKinemoContext>(catalog, kinemo::TSpecialFolder(), dialogs);
        if (!context->ReadCatalogConfig()) return 1;
    } catch (const std::exception& e) {
        QMessageBox::critical(nullptr, QApplication::applicationName(), QString::fromUtf8(e.what()));
        return 1;
    }
    QMainWindow window;
    window.setWindowTitle("Kinemo");
    window.resize(1024, 700);
    window.show();
    return app.exec();
}
