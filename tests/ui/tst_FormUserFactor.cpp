// The user element editor driven as a user drives it, over the sample catalog and real
// files in the temporary per-user folder: saving with pictures and typed defaults,
// refusals that write nothing, and deleting.
#include "UiTestSupport.h"

#include "base/AtomicFile.h"
#include "base/CatalogText.h"
#include "machine/Block.h"
#include "machine/Factor.h"
#include "machine/FormUserFactor.h"
#include "machine/MachineServices.h"
#include "machine/PopertyGrid.h"
#include "machine/PropertyDelegate.h"
#include "machine/PropertyGridModel.h"
#include "machine/PropertyItemModel.h"
#include "machine/QtPictureLoader.h"
#include "machine/UserFactorModel.h"
#include "units/ValueFormat.h"

#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>

#include <filesystem>

using namespace kinemo;
using namespace kinemo::uitest;

namespace {

std::string ElementPicture(const std::string& name) { return std::string(KINEMO_BIN_DIR) + "/picture/element/" + name; }

struct TEditor {
    TEditor() {
        context = std::make_unique<TKinemoContext>(test::SampleCatalogPath(), TSpecialFolder(), dialogs);
        context->SetPictureLoader(TQtPictureLoader::Instance());
        context->ReadCatalogConfig();
        context->ReloadUserFactors();
        TRunValues& run = context->Run();
        files = run.Settings.UserFactorFileFolder;
        images = run.Settings.UserFactorImageFolder;
        // Each case starts without user elements.
        for (const auto& e : std::filesystem::directory_iterator(files))
            if (e.path().extension() == ".kuf" || e.path().extension() == ".png") std::filesystem::remove(e.path());
        context->ReloadUserFactors();
        model = std::make_unique<TUserFactorModel>(
            context->Machine(), context->Query(), dialogs,
            TUserFactorPlace{files, images, ReadMessageText(context->Query(), "main_window", "DirUserFactorExt"),
                             run.ApplicationVersionText, run.MdbVersionText},
            [this] { context->ReloadUserFactors(); });
        grid = std::make_unique<TPropertyGridModel>(context->Materials(), context->Measures(), context->ValueFormat(), true);
        grid->SetErrorMessages(&context->ErrorMessages());
        form = std::make_unique<TFormUserFactor>(*model, *grid, dialogs, fileDialogs, nullptr, "");
        form->show();
    }
    void Choose(const QString& block, const QString& element) {
        QComboBox* blocks = form->ComboBoxMenuBlock();
        blocks->setCurrentIndex(blocks->findText(block));
        form->ComboBoxMenuBlockChange(blocks->currentIndex());
        const auto found = form->ListBoxMenuFactor()->findItems(element, Qt::MatchExactly);
        QVERIFY(!found.isEmpty());
        form->ListBoxMenuFactorClick(form->ListBoxMenuFactor()->row(found[0]));
    }
    std::vector<std::string> Messages() const {
        std::vector<std::string> out;
        for (const auto& m : dialogs.messages) out.push_back(m.text);
        return out;
    }
    std::string Text(const char* key) { return model->Text(key); }

    test::TRecordingDialogs dialogs;
    test::TScriptedFileDialogs fileDialogs;
    TErrorReports errors;
    std::unique_ptr<TKinemoContext> context;
    std::string files, images;
    std::unique_ptr<TUserFactorModel> model;
    std::unique_ptr<TPropertyGridModel> grid;
    std::unique_ptr<TFormUserFactor> form;
};

}  // namespace

class FormUserFactorTest : public QObject {
    Q_OBJECT
private slots:
    void opensOnTheFirstBlockWithCatalogElementsOnSilver() {
        TEditor e;
        QVERIFY(e.files.find(qEnvironmentVariable("XDG_CONFIG_HOME").toStdString()) == 0);
        QCOMPARE(e.form->windowTitle(), QString::fromStdString(e.Text("FormCaption")));
        QVERIFY(e.form->ComboBoxMenuBlock()->count() >= 5);
        QVERIFY(e.form->ListBoxMenuFactor()->count() > 0);
        QCOMPARE(e.form->ListBoxMenuFactor()->item(0)->background().color(), QColor(0xC0, 0xC0, 0xC0));
        QVERIFY(e.form->ButtonInsert()->isEnabled());
        QVERIFY(!e.form->ButtonDelete()->isEnabled());
        QVERIFY(!e.form->PanelOwner()->text().isEmpty());
        QCOMPARE(e.form->InputDataGrid()->Items().headerData(1, Qt::Horizontal, Qt::DisplayRole).toString(),
                 QString::fromStdString(e.model->Headings()[1]));
    }

    // A ball screw saved under a name of the user's with its own pictures and a typed lead.
    void savingWritesTheFileCopiesThePicturesAndListsTheElement() {
        TEditor e;
        e.Choose("Rotary to linear", "Ball screw");
        e.form->EditFactorName()->setText("Screw 16x5");
        e.fileDialogs.openNames = {ElementPicture("belt_axis.png"), ElementPicture("belt_axis-on.png"),
                                   ElementPicture("belt_axis-drag.png")};
        for (int k = 0; k < 3; ++k) e.form->ButtonImage(k)->click();
        QCOMPARE(e.form->EditImage(2)->text(), QString::fromStdString(ElementPicture("belt_axis-drag.png")));
        TPopertyGrid* grid = e.form->InputDataGrid();
        QVERIFY(grid->EditCell(0, 1));  // the first item row, the lead
        auto* edit = qobject_cast<QLineEdit*>(grid->Delegate().ActiveEditor());
        QVERIFY(edit);
        edit->selectAll();
        QTest::keyClick(edit, Qt::Key_Delete);
        QTest::keyClicks(edit, "5");
        QTest::keyClick(edit, Qt::Key_Return);

        e.form->ButtonInsert()->click();
        QCOMPARE(e.Messages(), std::vector<std::string>{e.Text("UserFactorCommitCheck")});
        QVERIFY(FileExists(e.files + "Screw 16x5.kuf"));
        for (const char* p : {"Screw 16x5Default.png", "Screw 16x5Select.png", "Screw 16x5Drag.png"})
            QVERIFY2(FileExists(e.images + p), p);
        TFactor* user = e.context->Blocks().FindFactorByName("Screw 16x5");
        QVERIFY(user);
        QCOMPARE(user->FindInputItemByID(30101)->Value, 5.0);
        QCOMPARE(user->ImagePath, e.images + "Screw 16x5Default.png");
        const auto listed = e.form->ListBoxMenuFactor()->findItems("Screw 16x5", Qt::MatchExactly);
        QCOMPARE(listed.size(), 1);
        QCOMPARE(listed[0]->background().color(), e.form->palette().base().color());
        QVERIFY(e.form->ButtonDelete()->isEnabled());
    }

    void refusalsShowTheCatalogTextAndWriteNothing_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("picture");
        QTest::addColumn<QString>("message");
        QTest::newRow("forbidden character") << "Screw?" << "" << "UserFactorNameCheck";
        QTest::newRow("catalog name") << "Ball screw" << "" << "TmeCheckError";
        QTest::newRow("missing picture") << "Screw A" << "/nowhere/x.png" << "DefaultImageCheckError";
        QTest::newRow("not a picture") << "Screw A" << "catalog" << "DefaultImageCheckError";
    }
    void refusalsShowTheCatalogTextAndWriteNothing() {
        QFETCH(QString, name);
        QFETCH(QString, picture);
        QFETCH(QString, message);
        TEditor e;
        e.Choose("Rotary to linear", "Ball screw");
        e.form->EditFactorName()->setText(name);
        if (picture == "catalog") picture = QString::fromStdString(test::SampleCatalogPath());
        if (!picture.isEmpty()) e.form->EditImage(0)->setText(picture);
        e.form->ButtonInsert()->click();
        QCOMPARE(e.Messages(), std::vector<std::string>{e.Text(message.toStdString().c_str())});
        QVERIFY(!e.Text(message.toStdString().c_str()).empty());
        QCOMPARE(QDir(QString::fromStdString(e.files)).entryList({"*.kuf"}, QDir::Files).size(), 0);
        QCOMPARE(QDir(QString::fromStdString(e.images)).entryList({"*.png"}, QDir::Files).size(), 0);
        if (message != "DefaultImageCheckError") QVERIFY(e.form->EditFactorName()->hasFocus() || !e.form->isActiveWindow());
    }

    void deletingAsksAndRemovesTheFileAndItsPictures() {
        TEditor e;
        e.Choose("Couplings", "Jaw coupling");
        e.form->EditFactorName()->setText("Jaw 28");
        e.form->ButtonInsert()->click();
        QVERIFY(FileExists(e.files + "Jaw 28.kuf"));
        e.Choose("Couplings", "Jaw 28");
        QVERIFY(e.form->ButtonDelete()->isEnabled());
        e.dialogs.messages.clear();
        e.dialogs.answers = {mrCancel};
        e.form->ButtonDelete()->click();
        QVERIFY(FileExists(e.files + "Jaw 28.kuf"));
        e.dialogs.answers = {mrOk};
        e.form->ButtonDelete()->click();
        QVERIFY(!FileExists(e.files + "Jaw 28.kuf"));
        QVERIFY(!FileExists(e.images + "Jaw 28Default.png"));
        QVERIFY(e.form->ListBoxMenuFactor()->findItems("Jaw 28", Qt::MatchExactly).isEmpty());
        QVERIFY(!e.context->Blocks().FindFactorByName("Jaw 28"));
        QCOMPARE(e.Messages(), (std::vector<std::string>{e.Text("UserFactorDeleteCheck"), e.Text("UserFactorDeleteCheck")}));
    }
};

KINEMO_UI_TEST_MAIN(FormUserFactorTest)
#include "tst_FormUserFactor.moc"
