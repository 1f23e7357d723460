// The desktop application's entry: the catalogs and pictures lie beside the program file (or
// in share/kinemo/ when installed); --catalog PATH chooses another catalog; the first other
// argument may name a project file to open.
#include "app/KinemoApplication.h"
#include "app/ProgramEntry.h"

#include <QStringList>

int main(int argc, char** argv) {
    kinemo::TKinemoApplication app(argc, argv);
    kinemo::TProgramOptions options;
    options.ProgramFolder = QCoreApplication::applicationDirPath().toStdString();
    const QStringList args = QCoreApplication::arguments();
    for (qsizetype i = 1; i < args.size(); ++i) options.Arguments.push_back(args[i].toStdString());
    return kinemo::RunProgram(std::move(options));
}
