// The program on the Japanese catalog: every caption the English catalog fills is filled in
// Japanese too (menus, labels, buttons, group boxes, tabs, grid headers, on every page with
// example 02 open), and the main window on the element page is written as main_ja.png.
#include "UiTestSupport.h"

#include "shell/CatalogChoice.h"
#include "shell/PageControl.h"
#include "shell/MainWindowModel.h"
#include "session/SizingSession.h"
#include "machine/ChoicedFactorGrid.h"
#include "machine/FrameChoiceFactor.h"
#include "machine/PopertyGrid.h"
#include "machine/PropertyGridModel.h"
#include "selection/FormMotorDetail.h"
#include "selection/FrameChoiceMotor.h"
#include "selection/MotorGrid.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QComboBox>
#include <QDir>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QTabWidget>
#include <QTemporaryDir>

#include <map>

using namespace kinemo;

namespace {

const char* const kExample02 = "/examples/02_ball_screw_through_gear.kjb";

// The main window over one catalog with example 02 open.
struct TCatalogMain {
    QTemporaryDir dir;
    test::TRecordingDialogs dialogs;
    test::TScriptedFileDialogs files;
    std::unique_ptr<TKinemoContext> context;
    std::unique_ptr<TFormMain> form;

    std::function<int(QDialog&)> onDialog;

    explicit TCatalogMain(const std::string& catalog) {
        context = std::make_unique<TKinemoContext>(catalog, TSpecialFolder(dir.filePath("cfg").toStdString()), dialogs);
        TFormMainServices s;
        s.FileDialogs = &files;
        s.ExecDialog = [this](QDialog& d) { return onDialog ? onDialog(d) : int(QDialog::Rejected); };
        form = std::make_unique<TFormMain>(*context, std::move(s));
        files.openNames = {std::string(KINEMO_SOURCE_DIR) + kExample02};
        form->Action("ActionMenuFileOpen")->trigger();
        form->show();
        QApplication::processEvents();
    }
};

// Every caption of the window by a name that is the same whichever catalog is open:
// the object path plus the kind of caption.
std::map<QString, QString> Captions(QWidget& window) {
    std::map<QString, QString> captions;
    auto nameOf = [&](QObject* o) {
        QString path;
        for (QObject* p = o; p && p != &window; p = p->parent())
            path.prepend("/" + (p->objectName().isEmpty() ? QString(p->metaObject()->className()) : p->objectName()));
        return path;
    };
    for (QAction* a : window.findChildren<QAction*>())
        if (!a->isSeparator() && !a->objectName().isEmpty()) captions["action:" + a->objectName()] = a->text();
    for (QMenu* m : window.findChildren<QMenu*>()) captions["menu:" + nameOf(m)] = m->title();
    for (QLabel* l : window.findChildren<QLabel*>())
        if (l->pixmap().isNull()) captions["label:" + nameOf(l)] = l->text();
    for (QAbstractButton* b : window.findChildren<QAbstractButton*>())
        if (!b->objectName().isEmpty()) captions["button:" + nameOf(b)] = b->text();
    for (QGroupBox* g : window.findChildren<QGroupBox*>()) captions["group:" + nameOf(g)] = g->title();
    for (QTabWidget* t : window.findChildren<QTabWidget*>())
        for (int i = 0; i < t->count(); ++i) captions[QString("tab:%1[%2]").arg(nameOf(t)).arg(i)] = t->tabText(i);
    for (QAbstractItemView* v : window.findChildren<QAbstractItemView*>()) {
        QAbstractItemModel* m = v->model();
        if (!m) continue;
        for (int c = 0; c < m->columnCount(); ++c)
            captions[QString("header:%1[%2]").arg(nameOf(v)).arg(c)] = m->headerData(c, Qt::Horizontal).toString();
    }
    return captions;
}

// The captions of the window on each of the three sizing pages.
std::map<QString, QString> CaptionsOnEveryPage(TCatalogMain& m) {
    std::map<QString, QString> all;
    for (int page = 0; page < 3; ++page) {
        m.form->PageControlMotorSelect()->setCurrentIndex(page);
        QApplication::processEvents();
        for (auto& [name, text] : Captions(*m.form)) all[QString("page%1 ").arg(page) + name] = text;
    }
    m.form->PageControlMotorSelect()->setCurrentIndex(0);
    return all;
}

bool HasJapanese(const QString& text) {
    for (QChar c : text)
        if (c.unicode() >= 0x3040 && c.unicode() <= 0x9fff) return true;
    return false;
}

}  // namespace

class JapaneseCatalogTest : public QObject {
    Q_OBJECT
private slots:
    void noCaptionIsEmptyThatEnglishFills() {
        TCatalogMain en(test::SampleCatalogPath());
        TCatalogMain ja(std::string(KINEMO_BIN_DIR) + "/Kinemo-ja.db");
        QVERIFY(en.dialogs.messages.empty());
        QVERIFY(ja.dialogs.messages.empty());
        const auto english = CaptionsOnEveryPage(en);
        const auto japanese = CaptionsOnEveryPage(ja);
        int filled = 0, inJapanese = 0;
        for (const auto& [name, text] : english) {
            if (text.trimmed().isEmpty()) continue;
            ++filled;
            auto it = japanese.find(name);
            QVERIFY2(it != japanese.end(), qPrintable("no such caption on the Japanese catalog: " + name));
            QVERIFY2(!it->second.trimmed().isEmpty(), qPrintable("empty Japanese caption: " + name + " (English: " + text + ")"));
            if (HasJapanese(it->second)) ++inJapanese;
        }
        QVERIFY(filled > 50);
        // Numbers, models and unit symbols stay; the words are Japanese.
        QVERIFY2(inJapanese * 10 > filled * 6, qPrintable(QString("%1 of %2 captions in Japanese").arg(inJapanese).arg(filled)));
        QVERIFY(HasJapanese(ja.form->windowTitle()));
    }

    // Example 02 on the element page, the ball screw selected.
    void mainWindowOnTheElementPage() {
        TCatalogMain ja(std::string(KINEMO_BIN_DIR) + "/Kinemo-ja.db");
        TFrameChoiceFactor* frame = ja.form->FrameChoiceFactor();
        QCOMPARE(ja.form->Model().Session().Chain().Count(), 6);
        frame->ChoicedFactorGrid()->SelectColumn(3);
        QCOMPARE(frame->PropertyGrid()->Grid().Element()->ID, 301);
        QApplication::processEvents();
        const QImage image = ja.form->grab().toImage();
        QDir().mkpath(KINEMO_SCREENSHOT_DIR);
        QVERIFY(image.save(QString(KINEMO_SCREENSHOT_DIR) + "/main_ja.png"));
        QCOMPARE(image.size(), QSize(907, 738));
    }

    // The drive pattern page and the judged candidates of example 02 in Japanese.
    void patternAndMotorPages() {
        TCatalogMain ja(std::string(KINEMO_BIN_DIR) + "/Kinemo-ja.db");
        QDir().mkpath(KINEMO_SCREENSHOT_DIR);
        ja.form->PageControlMotorSelect()->setCurrentIndex(1);
        QApplication::processEvents();
        QVERIFY(ja.form->grab().toImage().save(QString(KINEMO_SCREENSHOT_DIR) + "/main_ja_pattern.png"));
        auto* frame = ja.form->TabSheet(TTabSheet::ChoiceMotor)->findChild<TFrameChoiceMotor*>();
        QVERIFY(frame);
        frame->FirstIdle();
        ja.form->PageControlMotorSelect()->setCurrentIndex(2);
        frame->findChild<QAbstractButton*>("BtnAdjudication100")->click();
        QVERIFY(frame->JudgeAllCandidates());
        QVERIFY(frame->Grid()->model()->rowCount() >= 1);
        QApplication::processEvents();
        QVERIFY(ja.form->grab().toImage().save(QString(KINEMO_SCREENSHOT_DIR) + "/main_ja_motor.png"));
        // The motor detail window with its charts.
        bool shown = false;
        frame->SetDialogRunner([&](QDialog& d) {
            auto* detail = qobject_cast<TFormMotorDetail*>(&d);
            if (!detail) return 0;
            detail->show();
            QApplication::processEvents();
            shown = detail->grab().toImage().save(QString(KINEMO_SCREENSHOT_DIR) + "/motor_detail_ja.png") &&
                    HasJapanese(detail->windowTitle());
            return 0;
        });
        frame->OpenMotorDetail(0);
        QVERIFY(shown);
        QVERIFY(ja.dialogs.messages.empty());
    }

    // Options → Language: the installed catalogs in their own names; a change is stored for
    // the next start and said so, the same choice again writes nothing.
    void languageCommandStoresTheChoiceForTheNextStart() {
        TCatalogMain ja(std::string(KINEMO_BIN_DIR) + "/Kinemo-ja.db");
        const std::string settings = ja.context->Folders().SettingsFile();
        QStringList offered;
        ja.onDialog = [&](QDialog& d) {
            auto* list = d.findChild<QComboBox*>("ComboBoxLanguage");
            if (!list) return int(QDialog::Rejected);
            for (int i = 0; i < list->count(); ++i) offered << list->itemText(i);
            d.show();
            QApplication::processEvents();
            d.grab().toImage().save(QString(KINEMO_SCREENSHOT_DIR) + "/language_ja.png");
            list->setCurrentIndex(1);
            return int(QDialog::Accepted);
        };
        QAction* command = ja.form->Action("ActionMenuOptionLanguage");
        QVERIFY(command && command->isVisible());
        QCOMPARE(command->text(), QString("言語(&L)..."));
        command->trigger();
        QCOMPARE(offered, QStringList({"English(英語)", "日本語"}));
        QCOMPARE(ReadCatalogLanguage(settings), std::string("ja"));
        QCOMPARE(ja.dialogs.messages.size(), size_t(1));
        QCOMPARE(ja.dialogs.messages[0].text, std::string("言語は Kinemo の次回起動時に切り替わります。"));
        command->trigger();  // 日本語 again: unchanged, no message
        QCOMPARE(ja.dialogs.messages.size(), size_t(1));
        QCOMPARE(ReadCatalogLanguage(settings), std::string("ja"));
    }

    // The Help commands lead to installed pages: the Japanese quick start, the English manual.
    void helpCommandsOpenInstalledPages() {
        TCatalogMain ja(std::string(KINEMO_BIN_DIR) + "/Kinemo-ja.db");
        const std::pair<const char*, const char*> targets[] = {{"ActionMenuHelpHelp", "/doc/help-ja.html"},
                                                               {"ActionMenuHelpCatalog", "/doc/catalog.html"},
                                                               {"ActionMenuHelpManual", "/doc/manual.html"}};
        for (const auto& [command, page] : targets) {
            const THelpTarget target = ja.form->Model().HelpTarget(command);
            QVERIFY2(QString::fromStdString(target.Target).endsWith(page), target.Target.c_str());
            QVERIFY2(ja.form->Model().HelpTargetAvailable(target), target.Target.c_str());
        }
        QVERIFY(ja.dialogs.messages.empty());
    }
};

QTEST_MAIN(JapaneseCatalogTest)
#include "tst_JapaneseCatalog.moc"
