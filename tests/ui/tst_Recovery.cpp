// Crash recovery as a whole: the program is killed during an edit, and the next start
// offers the recovery copy with the project's name and time, restores it as the modified
// project under its file name, and a normal close removes the copy. The project file
// itself is never written by the recovery copy.
#include "UiTestSupport.h"

#include "shell/FormMain.h"
#include "session/KinemoContext.h"
#include "shell/PageControl.h"
#include "shell/ProgramEntry.h"
#include "base/AtomicFile.h"
#include "base/SpecialFolder.h"

#include <QTemporaryDir>
#include <QTimer>

#include <csignal>
#include <ctime>
#include <filesystem>
#include <sys/wait.h>
#include <unistd.h>

using namespace kinemo;

namespace {

// Runs the program on the sample catalog with scripted dialogs; started runs in the window.
int RunWith(test::TRecordingDialogs& dialogs, test::TScriptedFileDialogs& files, std::vector<std::string> args,
            std::function<void(TFormMain&)> started) {
    TProgramOptions o;
    o.ProgramFolder = KINEMO_BIN_DIR;
    o.Arguments = std::move(args);
    o.Dialogs = &dialogs;
    o.FileDialogs = &files;
    o.Registry = TRegistry();
    o.Restart = [](const std::vector<std::string>&) {};
    o.Started = std::move(started);
    QTimer watchdog;
    watchdog.setSingleShot(true);
    QObject::connect(&watchdog, &QTimer::timeout, [] { QApplication::exit(99); });
    watchdog.start(30000);
    return RunProgram(std::move(o));
}

std::vector<std::string> RecoveryFiles() {
    std::vector<std::string> names;
    const std::string folder = TSpecialFolder().StateFolder();
    for (const auto& e : std::filesystem::directory_iterator(folder)) names.push_back(e.path().filename().string());
    return names;
}

}  // namespace

class RecoveryTest : public QObject {
    Q_OBJECT
private slots:
    void aProgramKilledDuringAnEditOffersItsWorkAtTheNextStart() {
        QTemporaryDir dir;
        const std::string project = dir.filePath("job.kjb").toStdString();
        std::filesystem::copy_file(std::string(KINEMO_SOURCE_DIR) + "/examples/02_ball_screw_through_gear.kjb", project);
        const std::string original = ReadWholeFile(project);
        const std::time_t before = std::time(nullptr);

        // The first run: the user edits, changes the page, and the program is killed.
        std::fflush(nullptr);
        const pid_t child = ::fork();
        if (child == 0) {
            test::TRecordingDialogs dialogs;
            test::TScriptedFileDialogs files;
            RunWith(dialogs, files, {project}, [](TFormMain& form) {
                form.Model().SetPrintTexts("edited just before the crash", "");
                auto* pages = form.findChild<TPageControl*>("PageControlMotorSelect");
                if (!pages || !pages->ChangePage(1)) ::_exit(2);
                ::raise(SIGKILL);
            });
            ::_exit(3);
        }
        int status = 0;
        for (int waited = 0; ::waitpid(child, &status, WNOHANG) == 0; ++waited) {
            if (waited == 600) ::kill(child, SIGKILL);  // a hung child fails the test below
            ::usleep(100000);
        }
        QVERIFY2(WIFSIGNALED(status) && WTERMSIG(status) == SIGKILL,
                 qPrintable(QString("the first run ended with status %1").arg(status)));
        QCOMPARE(ReadWholeFile(project), original);  // the copy never goes over the project
        QCOMPARE(RecoveryFiles().size(), size_t(2));

        // The next start offers the copy; Yes restores it as the modified project.
        test::TRecordingDialogs dialogs;
        test::TScriptedFileDialogs files;
        std::string currentFile, header;
        bool modified = false;
        const int exitCode = RunWith(dialogs, files, {}, [&](TFormMain& form) {
            currentFile = form.Model().Context().Run().CurrentFileName;
            modified = form.Model().Modified();
            header = form.Model().PrintHeaderText();
            dialogs.answers.push_back(mrNo);  // the save question of the close
            form.close();
        });
        QCOMPARE(exitCode, 0);
        QVERIFY(!dialogs.messages.empty());
        const auto& question = dialogs.messages[0];
        QCOMPARE(question.type, TMsgDlgType::Confirmation);
        QVERIFY2(question.text.find("\"job.kjb\"") != std::string::npos, question.text.c_str());
        char day[16];
        std::tm local{};
        localtime_r(&before, &local);
        std::strftime(day, sizeof day, "%Y-%m-%d", &local);
        QVERIFY2(question.text.find(day) != std::string::npos, question.text.c_str());
        QCOMPARE(currentFile, project);
        QVERIFY(modified);
        QCOMPARE(header, std::string("edited just before the crash"));
        QCOMPARE(ReadWholeFile(project), original);
        // The close answered No to saving: a normal end, no copy is left.
        QVERIFY(RecoveryFiles().empty());

        // Nothing is offered after a normal close.
        test::TRecordingDialogs quiet;
        RunWith(quiet, files, {}, [](TFormMain& form) { form.close(); });
        QVERIFY(quiet.messages.empty());
    }
};

KINEMO_UI_TEST_MAIN(RecoveryTest)
#include "tst_Recovery.moc"
