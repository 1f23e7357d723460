// The desktop application's entry: the catalogs and pictures lie beside the program file (or
// in share/kinemo/ when installed); --catalog PATH chooses another catalog; the first other
// argument may name a project file to open. "--report" makes a report PDF without a window
// and ends.
#include "common/KinemoApplication.h"
#include "shell/ProgramEntry.h"
#include "reports/ReportCommandLine.h"

#include <QGuiApplication>
#include <QStringList>

#include <cstdlib>

int main(int argc, char** argv) {
    std::vector<std::string> arguments(argv + 1, argv + argc);
    if (kinemo::IsReportCommandLine(arguments)) {
        // No display is needed to lay out and write the pages.
        if (!std::getenv("QT_QPA_PLATFORM")) setenv("QT_QPA_PLATFORM", "offscreen", 1);
        QGuiApplication app(argc, argv);
        return kinemo::RunReportCommandLine(arguments, QCoreApplication::applicationDirPath().toStdString());
    }
    kinemo::TKinemoApplication app(argc, argv);
    kinemo::TProgramOptions options;
    options.ProgramFolder = QCoreApplication::applicationDirPath().toStdString();
    const QStringList args = QCoreApplication::arguments();
    for (qsizetype i = 1; i < args.size(); ++i) options.Arguments.push_back(args[i].toStdString());
    return kinemo::RunProgram(std::move(options));
}
