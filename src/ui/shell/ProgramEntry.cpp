// Program entry.
#include "shell/ProgramEntry.h"

#include "shell/ApplicationTitle.h"
#include "shell/CatalogChoice.h"
#include "shell/FormDebug.h"
#include "shell/FormSplash.h"
#include "common/KinemoApplication.h"
#include "session/KinemoContext.h"
#include "common/MessageDialog.h"
#include "common/QtFileDialogs.h"
#include "base/SpecialFolder.h"
#include "units/ValueFormat.h"

#include <QApplication>
#include <QIcon>
#include <QLocale>
#include <QTimer>

#include <cstdio>
#include <ctime>
#include <fstream>
#include <string>

namespace kinemo {

namespace {

void ShowSplash(TFormSplash& splash, const std::string& programFolder) {
    try {
        splash.LoadPicture(programFolder);
    } catch (const std::exception& e) {
        ReportUncaughtError(e.what());  // start-up goes on without the picture
    }
    splash.ShowNow();
}

// With KINEMO_EXIT_WHEN_READY set, the first idle moment after the main window is shown
// (project opened, window drawn) prints the wall-clock time and the resident memory and
// ends the program: the start-up measurement of bench/startup_memory.sh.
void ExitWhenReadyIfAsked(QWidget* form) {
    if (qEnvironmentVariableIsEmpty("KINEMO_EXIT_WHEN_READY")) return;
    QTimer::singleShot(0, form, [] {
        timespec now{};
        clock_gettime(CLOCK_REALTIME, &now);
        long rssKb = -1;
        std::ifstream status("/proc/self/status");
        for (std::string line; std::getline(status, line);)
            if (line.rfind("VmRSS:", 0) == 0) rssKb = std::stol(line.substr(6));
        std::printf("ready_epoch=%lld.%09ld rss_kb=%ld\n", static_cast<long long>(now.tv_sec), now.tv_nsec, rssKb);
        std::fflush(stdout);
        QApplication::quit();
    });
}

}  // namespace

int RunProgram(TProgramOptions options) {
    QApplication::setApplicationName(kApplicationTitle);
    // The desktop entry's name ties the windows to it (task bars, Wayland), and the
    // installed theme icon becomes the windows' icon.
    QGuiApplication::setDesktopFileName("kinemo");
    if (QApplication::windowIcon().isNull()) QApplication::setWindowIcon(QIcon::fromTheme("kinemo"));
    TCatalogChoice catalog;
    try {
        catalog = ChooseCatalog(options.ProgramFolder, options.Arguments, TSpecialFolder().SettingsFile());
    } catch (const std::exception& e) {
        ReportUncaughtError(e.what());  // a bad command line: no catalog to start with
        return 1;
    }
    const std::string folder = catalog.PictureFolder;
    TMessageDialog messageDialog;
    TQtFileDialogs systemFiles;
    IUserDialogs& dialogs = options.Dialogs ? *options.Dialogs : messageDialog;
    IFileDialogs& files = options.FileDialogs ? *options.FileDialogs : systemFiles;

    TFormSplash splash;
    ShowSplash(splash, folder);

    TFormMainServices services;
    services.FileDialogs = &files;
    services.Arguments = catalog.Arguments;
    services.Restart = options.Restart;
    services.DialogTextsLoaded = [&messageDialog](const TMessageDialogText& texts, const std::string& font) {
        messageDialog.SetTexts(texts);
        messageDialog.SetInterfaceFont(font);
    };
    std::unique_ptr<TKinemoContext> context;
    std::unique_ptr<TFormMain> form;
    try {
        context = std::make_unique<TKinemoContext>(catalog.CatalogPath, TSpecialFolder(), dialogs);
        context->SetProgramFolder(folder);
        // Typed numbers are read with the decimal mark of the user's locale.
        context->ValueFormat().SetDecimalMark(QLocale().decimalPoint() == QStringLiteral(",") ? ',' : '.');
        // A catalog's folder supplies pictures and help pages only; what runs comes from the
        // user's settings and the installation.
        context->SetInstallFolder(catalog.InstallFolder);
        services.Registry = options.Registry ? *options.Registry
                                             : TRegistry::ForUser(context->Folders(), catalog.InstallFolder);
        form = std::make_unique<TFormMain>(*context, std::move(services));
    } catch (const std::exception& e) {
        splash.close();
        ReportUncaughtError(e.what());  // no working main window without a catalog
        return 1;
    }
    splash.close();
    TFormDebug debug(files, context->Run().FontName);
    form->SetDebugWindow(&debug);
    if (form->TerminateRequested()) return 0;
    QObject::connect(form.get(), &TFormMain::Closed, qApp, &QApplication::quit, Qt::QueuedConnection);
    form->show();
    if (options.Started) QTimer::singleShot(0, form.get(), [&] { options.Started(*form); });
    ExitWhenReadyIfAsked(form.get());
    return QApplication::exec();
}

}  // namespace kinemo
