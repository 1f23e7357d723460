// The default error report.
#include "common/KinemoApplication.h"

#include "shell/ApplicationTitle.h"
#include "base/MessageDialogText.h"

#include <QMessageBox>

namespace kinemo {

namespace {

std::function<void(const QString&)>& Reporter() {
    static std::function<void(const QString&)> reporter;
    return reporter;
}

}  // namespace

TKinemoApplication::TKinemoApplication(int& argc, char** argv) : QApplication(argc, argv) {}

bool TKinemoApplication::notify(QObject* receiver, QEvent* event) {
    try {
        return QApplication::notify(receiver, event);
    } catch (const std::exception& e) {
        ReportUncaughtError(e.what());
    } catch (...) {
        ReportUncaughtError("Unexpected error");
    }
    return false;
}

void ReportUncaughtError(const std::string& message) {
    const QString text = QString::fromStdString(DefaultErrorReportText(message));
    if (Reporter()) {
        Reporter()(text);
        return;
    }
    QMessageBox box(QMessageBox::Critical, QString::fromUtf8(kApplicationTitle), text, QMessageBox::Ok,
                    QApplication::activeWindow());
    box.exec();
}

void SetErrorReporter(std::function<void(const QString& text)> reporter) { Reporter() = std::move(reporter); }

}  // namespace kinemo
