// UI test support.
#include "UiTestSupport.h"

#include <QLocale>
#include <QTabBar>

#include <sqlite3.h>

#include <cstdlib>
#include <filesystem>
#include <stdexcept>

namespace kinemo::uitest {

void PrepareEnvironment() {
    static QTemporaryDir home;  // removed when the test program ends
    const QByteArray h = home.path().toUtf8();
    qputenv("QT_QPA_PLATFORM", "offscreen");
    qputenv("LC_ALL", "C.UTF-8");
    qputenv("LANG", "C.UTF-8");
    qputenv("HOME", h);
    qputenv("XDG_CONFIG_HOME", h + "/config");
    qputenv("XDG_CONFIG_DIRS", h + "/etc");
    qputenv("XDG_DATA_HOME", h + "/data");
    qputenv("XDG_CACHE_HOME", h + "/cache");
    qputenv("XDG_STATE_HOME", h + "/state");
    qputenv("XDG_RUNTIME_DIR", h + "/runtime");
    qputenv("TMPDIR", h.constData());
    std::filesystem::create_directories(std::string(h.constData()) + "/runtime");
    std::filesystem::permissions(std::string(h.constData()) + "/runtime", std::filesystem::perms::owner_all);
    QLocale::setDefault(QLocale::c());
}

TErrorReports::TErrorReports() {
    SetErrorReporter([this](const QString& text) { texts << text; });
}

TErrorReports::~TErrorReports() { SetErrorReporter({}); }

void CreateCatalog(const std::string& path, const std::string& sql) {
    std::remove(path.c_str());
    sqlite3* db = nullptr;
    if (sqlite3_open(path.c_str(), &db) != SQLITE_OK) throw std::runtime_error("cannot create " + path);
    char* err = nullptr;
    // One transaction without syncing: a fixture built statement by statement takes a third of a second.
    const std::string all = "PRAGMA synchronous=OFF; BEGIN; " + sql + "; COMMIT;";
    const int rc = sqlite3_exec(db, all.c_str(), nullptr, nullptr, &err);
    const std::string why = err ? err : "";
    sqlite3_free(err);
    sqlite3_close(db);
    if (rc != SQLITE_OK) throw std::runtime_error("fixture catalog: " + why);
}

TProgramFolder::TProgramFolder(const test::TShellCatalogOptions& options, bool withSplash) {
    std::filesystem::copy_file(test::SampleCatalogPath(), File("Kinemo.db"));
    test::ApplyCatalogSql(File("Kinemo.db"), test::ShellCatalogSql(options));
    test::LinkSamplePictures(Path(), withSplash);
}

TMainFixture::TMainFixture(const test::TShellCatalogOptions& options, const std::string& registryText,
                           std::vector<std::string> arguments)
    : folder(options) {
    if (!registryText.empty()) test::WriteFile(File("registry.ini"), registryText);
    context = std::make_unique<TKinemoContext>(File("Kinemo.db"), TSpecialFolder(File("cfg")), dialogs);
    BuildForm(std::move(arguments));
}

void TMainFixture::BuildForm(std::vector<std::string> arguments) {
    TFormMainServices s;
    s.FileDialogs = &files;
    s.Registry = TRegistry({File("registry.ini")});
    s.Arguments = std::move(arguments);
    s.OpenUrl = [this](const QUrl& url) {
        opened.push_back(url);
        return openSucceeds;
    };
    s.Restart = [this](const std::vector<std::string>& arguments) {
        ++restarts;
        restartArguments = arguments;
    };
    s.ExecDialog = [this](QDialog& d) { return onDialog ? onDialog(d) : int(QDialog::Rejected); };
    form = std::make_unique<TFormMain>(*context, std::move(s));
}

void TMainFixture::RestartWindow(std::vector<std::string> arguments) {
    if (form && form->isVisible()) form->close();
    form.reset();
    BuildForm(std::move(arguments));
}

TMainFixture::~TMainFixture() {
    form.reset();
    context.reset();
}

std::string TMainFixture::Messages() const {
    std::string out;
    for (const auto& m : dialogs.messages) out += (out.empty() ? "" : "|") + m.text;
    return out;
}

void ClickTab(QTabBar* bar, int index) {
    QTest::mouseClick(bar, Qt::LeftButton, Qt::NoModifier, bar->tabRect(index).center());
}

}  // namespace kinemo::uitest
