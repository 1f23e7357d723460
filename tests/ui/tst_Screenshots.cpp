// Screenshots of the main window on each page, the splash, the message dialog and the
// unit and folder dialogs, written to the build's screenshots folder for review. Each one
// must have the window's size and show more than a blank surface.
#include "UiTestSupport.h"

#include "shell/ChangeDirectoryModel.h"
#include "shell/AboutBox.h"
#include "shell/FormAbout.h"
#include "shell/FormChangeDirectory.h"
#include "base/Catalog.h"
#include "shell/FormSplash.h"
#include "common/MessageDialog.h"
#include "shell/PageControl.h"
#include "base/AtomicFile.h"
#include "cad/FrameVantor.h"
#include "cad/VantorPage.h"
#include "DxfPreview.h"
#include "units/FormOptionMeasure.h"
#include "base/CatalogText.h"
#include "machine/Block.h"
#include "machine/ChainItemModel.h"
#include "machine/ChoicedFactorGrid.h"
#include "machine/CarryOutputItemModel.h"
#include "machine/CarryOutputModel.h"
#include "machine/ElementMime.h"
#include "machine/Factor.h"
#include "machine/FormUserFactor.h"
#include "machine/FrameChoiceFactor.h"
#include "machine/PanelCarryOutput.h"
#include "machine/PopertyGrid.h"
#include "machine/PropertyGridModel.h"
#include "machine/QtPictureLoader.h"
#include "machine/UserFactorModel.h"
#include "session/SizingSession.h"
#include "pattern/FrameInputPattern.h"
#include "pattern/InputPatternGrid.h"
#include "pattern/InputPatternModel.h"
#include "options/FormPrinterOption.h"
#include "options/FormPrinterSelectOption.h"
#include "options/FrameSelectOptionDetail.h"
#include "options/FrameSelectOptionSeries.h"
#include "selection/CandidateListModel.h"
#include "selection/DisplayConditionForm.h"
#include "selection/FormDisplayCondition.h"
#include "selection/FormCompareMotors.h"
#include "selection/FormDesignVariants.h"
#include "selection/FormMotorDetail.h"
#include "reports/FormCommitMotorPrintMenu.h"
#include "selection/FrameChoiceMotor.h"
#include "selection/MotorGrid.h"
#include "torque/Motor.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QHeaderView>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QVBoxLayout>

#include "shell/FormUserMotors.h"
#include "shell/UserMotorListModel.h"
#include "torque/UserMotorSheet.h"
#include "support/UserMotorSheets.h"

#include <QDir>
#include <QLineEdit>
#include <QMessageBox>
#include <QPainter>
#include <QSet>

using namespace kinemo;

namespace {

// Shows, paints and saves a window; returns the picture.
QImage Shoot(QWidget& w, const QString& name) {
    w.show();
    QApplication::processEvents();
    const QImage image = w.grab().toImage();
    QDir().mkpath(KINEMO_SCREENSHOT_DIR);
    image.save(QString(KINEMO_SCREENSHOT_DIR) + "/" + name + ".png");
    return image;
}

int ColourCount(const QImage& image) {
    QSet<QRgb> colours;
    for (int y = 0; y < image.height(); y += 3)
        for (int x = 0; x < image.width(); x += 3) colours.insert(image.pixel(x, y));
    return colours.size();
}

// The main window over the sample catalog with the CAD page shown.
struct TSampleMain {
    QTemporaryDir dir;
    test::TRecordingDialogs dialogs;
    test::TScriptedFileDialogs files;
    std::unique_ptr<TKinemoContext> context;
    std::unique_ptr<TFormMain> form;

    explicit TSampleMain(const std::string& catalog = test::SampleCatalogPath()) {
        const std::string registry = dir.filePath("registry.ini").toStdString();
        test::WriteFile(registry, std::string("[Software\\Kinemo\\CadLink]\nLanguage=en\n[App Paths\\Zerith.EXE]\n@=") +
                                      KINEMO_BIN_DIR + "/kinemo-cad\n");
        context = std::make_unique<TKinemoContext>(catalog, TSpecialFolder(dir.filePath("cfg").toStdString()), dialogs);
        TFormMainServices s;
        s.FileDialogs = &files;
        s.Registry = TRegistry({registry});
        form = std::make_unique<TFormMain>(*context, std::move(s));
    }
};

// The main window's drive pattern page with an example project.
struct TPatternPage {
    TSampleMain main;
    TSizingSession* session = nullptr;
    TFrameInputPattern* frame = nullptr;

    explicit TPatternPage(const std::string& example) {
        session = &main.form->Model().Session();
        session->LoadProject(std::string(KINEMO_SOURCE_DIR) + "/examples/" + example);
        frame = main.form->findChild<TFrameInputPattern*>("FrameInputPattern");
        main.form->PageControlMotorSelect()->setCurrentIndex(1);  // entering recomputes
    }
};

}  // namespace

class ScreenshotTest : public QObject {
    Q_OBJECT
private slots:
    void mainWindowOnEveryPage() {
        TSampleMain m;
        QVERIFY(m.dialogs.messages.empty());
        TFormMain& form = *m.form;
        const char* names[] = {"main_1_elements_new", "main_2_pattern", "main_3_motor"};
        for (int i = 0; i < 3; ++i) {
            form.PageControlMotorSelect()->setCurrentIndex(i);
            const QImage image = Shoot(form, names[i]);
            QCOMPARE(image.size(), QSize(907, 738));
            QVERIFY(ColourCount(image) > 8);
        }
        form.PageControlMenu()->setCurrentIndex(1);
        QVERIFY(ColourCount(Shoot(form, "main_4_options")) > 8);
        form.PageControlMenu()->setCurrentIndex(2);
        QVERIFY(ColourCount(Shoot(form, "main_5_cad_select")) > 8);
        form.PageControlMenu()->setCurrentIndex(0);
        form.CommitMotor({1001, 101});
        QVERIFY(ColourCount(Shoot(form, "main_6_committed")) > 8);
    }

    void mainWindowWithJapaneseCaptions() {
        uitest::TProgramFolder folder({.FontName = "Noto Sans CJK JP", .JapaneseTabs = true});
        TSampleMain m(folder.File("Kinemo.db"));
        QVERIFY(ColourCount(Shoot(*m.form, "main_ja_tabs")) > 8);
    }

    void patternPageOfExample02() {
        TPatternPage p("02_ball_screw_through_gear.kjb");
        emit p.frame->ComboBoxPattern()->activated(0);  // its moves as speed intervals
        QCOMPARE(p.session->Pattern().InputType(), 0);
        TInputPatternGrid* grid = p.frame->CurrentGrid();
        p.main.form->show();
        p.main.form->activateWindow();
        QApplication::processEvents();
        grid->setFocus();
        grid->setCurrentIndex(grid->Items()->IndexOf(5, 2));
        // The cell editor open with a value being typed.
        for (char c : std::string("0.25"))
            QTest::keyClick(QApplication::focusWidget() ? QApplication::focusWidget() : grid->viewport(), c);
        const QImage image = Shoot(*p.main.form, "main_2_pattern");
        QCOMPARE(image.size(), QSize(907, 738));
        QVERIFY(ColourCount(image) > 8);
    }

    void rotaryPositionPattern() {
        TPatternPage p("06_swing_arm_vertical.kjb");
        QCOMPARE(p.session->Pattern().InputType(), 1);
        QCOMPARE(p.session->Pattern().AxisKind(), 1);
        p.frame->CurrentGrid()->setCurrentIndex(p.frame->CurrentGrid()->Items()->IndexOf(4, 5));
        QVERIFY(ColourCount(Shoot(*p.main.form, "pattern_position")) > 8);
    }

    void patternRowMenu() {
        TPatternPage p("02_ball_screw_through_gear.kjb");
        TInputPatternGrid* grid = p.frame->CurrentGrid();
        p.main.form->show();
        QApplication::processEvents();
        QHeaderView* header = grid->RowHeader();
        auto centre = [&](int section) {
            return QPoint(header->width() / 2, header->sectionViewportPosition(section) + header->sectionSize(section) / 2);
        };
        QTest::mousePress(header->viewport(), Qt::LeftButton, {}, centre(3));
        QMouseEvent move(QEvent::MouseMove, centre(4), header->viewport()->mapToGlobal(centre(4)), Qt::NoButton,
                         Qt::LeftButton, {});
        QApplication::sendEvent(header->viewport(), &move);
        QTest::mouseRelease(header->viewport(), Qt::LeftButton, {}, centre(4));
        QTest::mousePress(header->viewport(), Qt::RightButton, {}, centre(4));
        QMenu* menu = p.frame->PopupMenuGrid();
        QVERIFY(menu->isVisible());
        QApplication::processEvents();
        // The window with the open menu painted over it where it stands.
        QImage image = p.main.form->grab().toImage();
        QPainter painter(&image);
        painter.drawPixmap(p.main.form->mapFromGlobal(menu->pos()), menu->grab());
        painter.end();
        QDir().mkpath(KINEMO_SCREENSHOT_DIR);
        image.save(QString(KINEMO_SCREENSHOT_DIR) + "/pattern_menu.png");
        QVERIFY(ColourCount(image) > 8);
        menu->hide();
    }

    void splash() {
        TFormSplash s;
        s.LoadPicture(std::string(KINEMO_BIN_DIR) + "/");
        const QImage image = Shoot(s, "splash");
        QCOMPARE(image.size(), QSize(480, 150));
        QVERIFY(ColourCount(image) > 32);
    }

    void messageDialog() {
        TSampleMain m;
        TMessageDialog d;
        d.SetTexts(m.form->Model().DialogTexts());
        d.SetInterfaceFont(m.context->Run().FontName);
        auto box = d.Build(m.form->Model().Text("FormCloseFileSave"), TMsgDlgType::Confirmation, mbYes | mbNo | mbCancel);
        QVERIFY(ColourCount(Shoot(*box, "message_dialog")) > 8);
        auto error = d.Build("Can not write file /home/user/press.kjb: Permission denied.", TMsgDlgType::Error, mbOK);
        QVERIFY(ColourCount(Shoot(*error, "message_dialog_error")) > 8);
    }

    void unitAndFolderDialogs() {
        TSampleMain m;
        TKinemoContext& ctx = *m.context;
        TOptionMeasureModel model(ctx.Measures(), ctx.ValueFormat(), TOptionMeasureModel::ReadTexts(ctx.Query()));
        TFormOptionMeasure units(model, m.dialogs, ctx.Folders().SettingsFile(), ctx.Run().FontName, nullptr);
        QVERIFY(ColourCount(Shoot(units, "unit_dialog")) > 8);
        TChangeDirectoryModel folders(ctx.Run().Settings, {ctx.ProgramFolder(), ctx.Folders().UserFactorFolder()},
                                      TChangeDirectoryModel::ReadTexts(ctx.Query()));
        TFormChangeDirectory dialog(folders, m.files, ctx.Run().FontName, nullptr);
        QVERIFY(ColourCount(Shoot(dialog, "folder_dialog")) > 8);
    }

    // The motor page with example 02 judged at level 100, the detail window of the first
    // passing motor (committed from there), the page after commitment and the custom
    // condition dialog.
    void motorPages() {
        TSampleMain m;
        TSizingSession& session = m.form->Model().Session();
        QVERIFY(session.LoadProject(std::string(KINEMO_SOURCE_DIR) + "/examples/02_ball_screw_through_gear.kjb") ==
                TProjectDocument::TLoadResult::Accepted);
        auto* frame = m.form->TabSheet(TTabSheet::ChoiceMotor)->findChild<TFrameChoiceMotor*>();
        QVERIFY(frame);
        std::function<int(QDialog&)> onDialog;
        frame->SetDialogRunner([&](QDialog& d) { return onDialog ? onDialog(d) : 0; });
        frame->FirstIdle();
        m.form->PageControlMotorSelect()->setCurrentIndex(2);
        frame->findChild<QAbstractButton*>("BtnAdjudication100")->click();
        m.form->show();
        QVERIFY(frame->JudgeAllCandidates());
        QVERIFY(frame->Grid()->model()->rowCount() >= 1);
        const QImage motor = Shoot(*m.form, "main_3_motor");
        QCOMPARE(motor.size(), QSize(907, 738));
        QVERIFY(ColourCount(motor) > 8);

        onDialog = [&](QDialog& d) {
            auto* detail = qobject_cast<TFormMotorDetail*>(&d);
            if (!detail) return 0;
            const QImage image = Shoot(*detail, "motor_detail");
            if (ColourCount(image) <= 32) return 0;
            detail->BtnCommit()->click();
            return detail->result();
        };
        frame->OpenMotorDetail(0);
        QVERIFY(session.CommittedMotor());
        QVERIFY(ColourCount(Shoot(*m.form, "main_6_committed")) > 8);

        TDisplayConditionForm form(m.context->ValueFormat(), m.context->ErrorMessages());
        form.LoadTexts(m.context->Query());
        form.SetCondition(session.Candidates().CustomCondition());
        TFormDisplayCondition dialog(form, m.context->Dialogs(), m.context->Run().FontName, m.form.get());
        QVERIFY(ColourCount(Shoot(dialog, "display_condition")) > 8);
    }

    // The user's motors: the motor page with their own series judged (example 02), and the
    // user motor dialog with a refused sheet's message.
    void userMotors() {
        TSampleMain m;
        test::StoreUserMotor(*m.context, "KRS0402ANS0", "MY-400");
        test::StoreUserMotor(*m.context, "KRS0201ANS0", "MY-200");
        TSizingSession& session = m.form->Model().Session();
        QVERIFY(session.LoadProject(std::string(KINEMO_SOURCE_DIR) + "/examples/02_ball_screw_through_gear.kjb") ==
                TProjectDocument::TLoadResult::Accepted);
        session.Search().ReloadFunctions();
        auto* frame = m.form->TabSheet(TTabSheet::ChoiceMotor)->findChild<TFrameChoiceMotor*>();
        QVERIFY(frame);
        frame->FirstIdle();
        m.form->PageControlMotorSelect()->setCurrentIndex(2);
        frame->ChooseFunction(static_cast<int>(session.Search().Functions().size()) - 1);
        frame->findChild<QAbstractButton*>("BtnAdjudicationAll")->click();
        m.form->show();
        QVERIFY(frame->JudgeAllCandidates());
        QCOMPARE(frame->Grid()->model()->rowCount(), 2);
        QVERIFY(ColourCount(Shoot(*m.form, "main_3_motor_user_series")) > 8);

        const TUserMotorTexts texts = TUserMotorTexts::Load(m.context->Query(), m.context->ErrorMessages());
        TUserMotorSheet bad = TUserMotorSheet::Read(m.context->Folders().UserMotorFolder() + "MY-400.kmt", texts);
        bad.SetValue("Model", "MY-BAD");
        bad.SetValue("MaxTorque", "0.5");
        const std::string path = m.dir.filePath("bad.kmt").toStdString();
        bad.Write(path);
        m.files.openNames = {path};
        TUserMotorListModel model(*m.context, m.files);
        model.AddFromFile();
        TFormUserMotors dialog(model, m.context->Run().FontName, m.form.get());
        QVERIFY(ColourCount(Shoot(dialog, "user_motor_dialog")) > 8);
    }

    // The option page without a committed motor: the series screen with its search.
    void optionSeriesPage() {
        TSampleMain m;
        m.form->PageControlMenu()->setCurrentIndex(1);
        const QImage image = Shoot(*m.form, "main_4_options");
        QVERIFY(m.form->findChild<TFrameSelectOptionSeries*>()->isVisible());
        QVERIFY(!m.form->findChild<QLineEdit*>("StaticTextMotorNumber")->text().isEmpty());
        QVERIFY(ColourCount(image) > 8);
    }

    // Example 10: the committed motor priced with its cables and a battery.
    void optionDetailPage() {
        TSampleMain m;
        QVERIFY(m.form->Model().Session().LoadProject(std::string(KINEMO_SOURCE_DIR) +
                                                      "/examples/18_feeder_committed_with_options.kjb") ==
                TProjectDocument::TLoadResult::Accepted);
        m.form->PageControlMenu()->setCurrentIndex(1);
        auto* detail = m.form->findChild<TFrameSelectOptionDetail*>();
        const QImage image = Shoot(*m.form, "option_detail");
        QVERIFY(detail->isVisible());
        QVERIFY(!m.form->findChild<TFrameSelectOptionSeries*>()->isVisible());
        QVERIFY(detail->RowBox(TOptionGroup::Cable, 0));
        QVERIFY(m.form->findChild<QLineEdit*>("PanelAllPrice")->text().startsWith("$"));
        QVERIFY(ColourCount(image) > 8);
    }

    // The first page of the quotation of example 10 in the preview.
    void quotationPreview() {
        TSampleMain m;
        TSizingSession& session = m.form->Model().Session();
        QVERIFY(session.LoadProject(std::string(KINEMO_SOURCE_DIR) + "/examples/18_feeder_committed_with_options.kjb") ==
                TProjectDocument::TLoadResult::Accepted);
        TFormPrinterSelectOption dialog(*m.context, session.OptionDetail(), m.files, m.form.get());
        QImage image;
        dialog.ExecDialog = [&](QDialog& d) {
            image = Shoot(d, "quotation_preview");
            return 0;
        };
        dialog.StartPreview();
        QVERIFY(ColourCount(image) > 8);
        QCOMPARE(dialog.Quotation().PageLabel(), std::string("1 / 1"));
    }

    // The CAD page's export page for a committed motor, and the front view kinemo-cad
    // draws of it, rendered for review.
    void cadExportPage() {
        TSampleMain m;
        m.form->CommitMotor(TMotorReference{1011, 104});
        m.form->PageControlMenu()->setCurrentIndex(2);
        auto* page = m.form->findChild<TVantorPage*>("VantorPage");
        QVERIFY(page && !page->Export()->isHidden());
        page->Export()->findChild<QComboBox*>("ComboBoxImageType")->setCurrentIndex(1);
        const QString target = m.dir.filePath("KRS0401-front.dxf");
        page->Export()->findChild<QLineEdit*>("EditFileName")->setText(target);
        const QImage image = Shoot(*m.form, "main_5_cad");
        QCOMPARE(image.size(), QSize(907, 738));
        QVERIFY(ColourCount(image) > 8);

        const TCadExportResult r = page->Export()->Execute();
        QCOMPARE(static_cast<int>(r.Outcome), static_cast<int>(TCadExportOutcome::Done));
        const uitest::TDxfPreview drawing(ReadWholeFile(r.Target));
        QVERIFY(drawing.Count("CIRCLE") >= 7);
        const QImage front = drawing.Render(900, 700);
        QDir().mkpath(KINEMO_SCREENSHOT_DIR);
        QVERIFY(front.save(QString(KINEMO_SCREENSHOT_DIR) + "/cad_front_view.png"));
        QVERIFY(ColourCount(front) > 3);
        page->Export()->findChild<QComboBox*>("ComboBoxImageType")->setCurrentIndex(2);
        page->Export()->findChild<QLineEdit*>("EditFileName")->setText(m.dir.filePath("side"));
        const TCadExportResult side = page->Export()->Execute();
        QCOMPARE(static_cast<int>(side.Outcome), static_cast<int>(TCadExportOutcome::Done));
        QVERIFY(uitest::TDxfPreview(ReadWholeFile(side.Target)).Render(900, 500).save(QString(KINEMO_SCREENSHOT_DIR) + "/cad_left_view.png"));
    }

    // The CAD page of a committed user-defined motor: the notice that no drawing data exists.
    void cadPageOfAUserMotor() {
        TSampleMain m;
        test::StoreUserMotor(*m.context, "KRS0402ANS0", "MY-400");
        m.form->CommitMotor(TMotorReference::User("MY-400"));
        m.form->PageControlMenu()->setCurrentIndex(2);
        auto* page = m.form->findChild<TVantorPage*>("VantorPage");
        QVERIFY(page && !page->Export()->isHidden());
        QVERIFY(!page->Export()->Model().NoDrawingNotice().empty());
        QVERIFY(ColourCount(Shoot(*m.form, "main_5_cad_user_motor")) > 8);
    }

    // The CAD pages over the Japanese catalog, rendered for review of their captions: the
    // motor choice, and the export page of a geared motor with brake (every outline row).
    void cadPagesInJapanese() {
        TSampleMain m(std::string(KINEMO_BIN_DIR) + "/Kinemo-ja.db");
        m.form->PageControlMenu()->setCurrentIndex(2);
        auto* page = m.form->findChild<TVantorPage*>("VantorPage");
        QVERIFY(page && page->Export()->isHidden());
        QVERIFY(ColourCount(Shoot(*m.form, "main_ja_cad_select")) > 8);
        m.form->PageControlMenu()->setCurrentIndex(0);
        m.form->CommitMotor(TMotorReference{6001, 601});
        m.form->PageControlMenu()->setCurrentIndex(2);
        QVERIFY(!page->Export()->isHidden());
        page->Export()->findChild<QLineEdit*>("EditFileName")->setText(m.dir.filePath("HNP0052-3d.stl"));
        QVERIFY(ColourCount(Shoot(*m.form, "main_ja_cad")) > 8);
    }

    // Three motors of example 02 compared; the explanation of one figure; two variants.
    void decisionWindows() {
        TSampleMain m;
        TSizingSession& session = m.form->Model().Session();
        QVERIFY(session.LoadProject(std::string(KINEMO_SOURCE_DIR) + "/examples/02_ball_screw_through_gear.kjb") ==
                TProjectDocument::TLoadResult::Accepted);
        auto* frame = m.form->TabSheet(TTabSheet::ChoiceMotor)->findChild<TFrameChoiceMotor*>();
        QVERIFY(frame);
        frame->FirstIdle();
        m.form->PageControlMotorSelect()->setCurrentIndex(2);
        frame->findChild<QAbstractButton*>("BtnAdjudicationAll")->click();
        QVERIFY(frame->JudgeAllCandidates());
        QVERIFY(frame->Grid()->model()->rowCount() >= 3);
        std::function<int(QDialog&)> onDialog;
        frame->SetDialogRunner([&](QDialog& d) { return onDialog ? onDialog(d) : 0; });
        auto* selection = frame->Grid()->selectionModel();
        selection->clearSelection();
        for (int r : {1, 2, 3})
            selection->select(frame->Grid()->model()->index(r, 0), QItemSelectionModel::Select);
        bool compared = false, explained = false, printed = false;
        onDialog = [&](QDialog& d) {
            auto* compare = qobject_cast<TFormCompareMotors*>(&d);
            if (!compare) return 0;
            compare->resize(1180, 760);
            const QImage image = Shoot(*compare, "compare");
            compared = ColourCount(image) > 16;
            compare->ExecDialog = [&](QDialog& popup) {
                explained = ColourCount(Shoot(popup, "explain")) > 4;
                return 0;
            };
            int row = 0;
            for (; row < static_cast<int>(compare->Comparison().Rows().size()); ++row)
                if (compare->Comparison().Rows()[static_cast<size_t>(row)].Figure == "MotorEffectiveTorquePercent") break;
            compare->ExplainCell(row, TComparisonGridModel::kFixedColumns);
            // The report of the comparison, for a look at its first page.
            m.files.saveNames.push_back(QDir(KINEMO_SCREENSHOT_DIR).filePath("compare.pdf").toStdString());
            printed = compare->SavePdf();
            return 0;
        };
        frame->CompareMarked();
        QVERIFY(compared);
        QVERIFY(explained);
        QVERIFY(printed);

        // A second variant with a lead of 10 mm instead of 20 mm.
        session.Variants().Add("Lead 10");
        const std::string key = "<Value InputDataID=\"30101\">20<";
        std::string text = session.ProjectText();
        text.replace(text.find(key), key.size(), "<Value InputDataID=\"30101\">10<");
        QVERIFY(session.LoadProjectText(text) == TProjectDocument::TLoadResult::Accepted);
        onDialog = [&](QDialog& d) {
            auto* variants = qobject_cast<TFormDesignVariants*>(&d);
            if (!variants) return 0;
            variants->Evaluate();
            compared = ColourCount(Shoot(*variants, "variants")) > 8;
            return 0;
        };
        compared = false;
        frame->OpenVariants();
        QVERIFY(compared);
    }

    // The print menu as the motor detail window's print button opens it for example 02.
    void printMenu() {
        TSampleMain m;
        TSizingSession& session = m.form->Model().Session();
        QVERIFY(session.LoadProject(std::string(KINEMO_SOURCE_DIR) + "/examples/02_ball_screw_through_gear.kjb") ==
                TProjectDocument::TLoadResult::Accepted);
        session.PrintHeaderText = "Feed axis X, machine 4711";
        session.PrintCommentText = "Cutting force 300 N over the whole stroke.";
        auto* frame = m.form->TabSheet(TTabSheet::ChoiceMotor)->findChild<TFrameChoiceMotor*>();
        QVERIFY(frame);
        QImage menuImage;
        bool printEnabled = false;
        frame->SetDialogRunner([&](QDialog& d) {
            auto* detail = qobject_cast<TFormMotorDetail*>(&d);
            if (!detail) return 0;
            detail->FileDialogs = &m.files;
            detail->ExecDialog = [&](QDialog& inner) {
                if (auto* menu = qobject_cast<TFormCommitMotorPrintMenu*>(&inner)) {
                    menu->EditHeader()->setText("Feed axis X, machine 4712");
                    menuImage = Shoot(*menu, "print_menu");
                }
                return 0;
            };
            printEnabled = detail->BtnPrint()->isEnabled();
            detail->BtnPrint()->click();
            return 0;
        });
        frame->FirstIdle();
        m.form->PageControlMotorSelect()->setCurrentIndex(2);
        frame->OpenMotorDetail(0);
        QVERIFY(printEnabled);
        QVERIFY(!menuImage.isNull());
        QVERIFY(ColourCount(menuImage) > 8);
        QVERIFY(menuImage.width() >= 320 && menuImage.height() >= 300);
        QCOMPARE(session.PrintHeaderText, std::string("Feed axis X, machine 4712"));  // kept for the next menu
    }

    // Example 02 on the element page: the chain, the ball screw's inputs, the shaft load.
    void elementPage() {
        TSampleMain m;
        m.files.openNames = {std::string(KINEMO_SOURCE_DIR) + "/examples/02_ball_screw_through_gear.kjb"};
        m.form->Action("ActionMenuFileOpen")->trigger();
        QVERIFY(m.dialogs.messages.empty());
        TFrameChoiceFactor* frame = m.form->FrameChoiceFactor();
        QCOMPARE(m.form->Model().Session().Chain().Count(), 6);
        m.form->show();
        QApplication::processEvents();
        frame->ChoicedFactorGrid()->SelectColumn(3);
        QCOMPARE(frame->PropertyGrid()->Grid().Element()->ID, 301);
        const QImage image = Shoot(*m.form, "main_1_elements");
        QCOMPARE(image.size(), QSize(907, 738));
        QVERIFY(ColourCount(image) > 32);
        QVERIFY(!frame->CarryOutputPanel()->Items().Carry().Failed());
        QVERIFY(frame->CarryOutputPanel()->Items().Carry().Output().JL > 0);

        // The external force dragged in front of the table: its drag picture at its place,
        // the screw it will follow selected, the dragged picture under the mouse.
        TChoicedFactorGrid* chain = frame->ChoicedFactorGrid();
        chain->SetDragSourceColumn(5);
        auto mime = TElementDrag{TElementDrag::FromChain, -1, 5}.ToMime();
        const QRect targetCell = chain->visualRect(chain->Items().index(0, 3));
        const QPoint target(targetCell.right() - 4, targetCell.center().y() + 8);
        QVERIFY(chain->AcceptsDrop(mime.get(), target));
        m.form->repaint();
        QApplication::processEvents();
        QImage drag = m.form->grab().toImage();
        const QPixmap dragged = FactorPixmap(m.form->Model().Session().Chain().GetFactor(5)->DragImage);
        QVERIFY(!dragged.isNull());
        QPainter painter(&drag);
        painter.setOpacity(0.85);
        const QPoint at = chain->viewport()->mapTo(m.form.get(), target);
        painter.drawPixmap(at - QPoint(dragged.width() / 2, dragged.height() / 2), dragged);
        painter.end();
        drag.save(QString(KINEMO_SCREENSHOT_DIR) + "/elements_drag.png");
        QVERIFY(ColourCount(drag) > 32);
        chain->SetDragSourceColumn(-1);
    }

    // The self-locking worm hoist of example 11 with the rotary loads' library open: eight
    // elements in one block tab, the worm's efficiencies among its calculated items.
    void elementLibraryOfTheLargerBlocks() {
        TSampleMain m;
        m.files.openNames = {std::string(KINEMO_SOURCE_DIR) + "/examples/11_worm_gear_rope_hoist.kjb"};
        m.form->Action("ActionMenuFileOpen")->trigger();
        QVERIFY(m.dialogs.messages.empty());
        TFrameChoiceFactor* frame = m.form->FrameChoiceFactor();
        QCOMPARE(m.form->Model().Session().Chain().Count(), 3);
        m.form->show();
        QApplication::processEvents();
        frame->ChoicedFactorGrid()->SelectColumn(1);
        QCOMPARE(frame->PropertyGrid()->Grid().Element()->ID, 204);
        frame->PageControlBlock()->setCurrentIndex(4);
        QApplication::processEvents();
        const QImage image = Shoot(*m.form, "main_1_elements_more");
        QVERIFY(ColourCount(image) > 32);
        QVERIFY(!frame->CarryOutputPanel()->Items().Carry().Failed());
    }

    // The user element editor on the ball screw, as the user starts a copy of it.
    void userFactorEditor() {
        TSampleMain m;
        TKinemoContext& ctx = *m.context;
        ctx.ReloadUserFactors();
        TRunValues& run = ctx.Run();
        TUserFactorModel model(ctx.Machine(), ctx.Query(), m.dialogs,
                               {run.Settings.UserFactorFileFolder, run.Settings.UserFactorImageFolder,
                                ReadMessageText(ctx.Query(), "main_window", "DirUserFactorExt"), run.ApplicationVersionText,
                                run.MdbVersionText},
                               [&ctx] { ctx.ReloadUserFactors(); });
        TPropertyGridModel grid(ctx.Materials(), ctx.Measures(), ctx.ValueFormat(), true);
        TFormUserFactor form(model, grid, m.dialogs, m.files, nullptr, run.FontName);
        form.ComboBoxMenuBlock()->setCurrentIndex(2);
        form.ComboBoxMenuBlockChange(2);
        form.ListBoxMenuFactorClick(0);
        form.EditFactorName()->setText("Ball screw 25x20 press");
        const QImage image = Shoot(form, "user_factor");
        QVERIFY(ColourCount(image) > 8);
    }

    void aboutBox() {
        TSampleMain m;
        const TRunValues& run = m.context->Run();
        TFormAbout about(TAboutBox::Read(m.context->Query(), run.ApplicationVersionText, run.MdbVersionText,
                                         m.context->Catalog().Path(), qVersion()),
                         run.FontName, m.form.get());
        QVERIFY(ColourCount(Shoot(about, "about")) > 8);
    }

    void fileMenuWithRecentProjects() {
        TSampleMain m;
        const std::string examples = std::string(KINEMO_SOURCE_DIR) + "/examples/";
        for (const char* name : {"05_rotary_disc_through_reducer.kjb", "01_ball_screw_horizontal.kjb", "02_ball_screw_through_gear.kjb"})
            m.context->Run().Settings.RecentProjects.Add(examples + name);
        m.form->Model().Projects().New();  // the menu follows the project commands
        m.form->move(0, 0);  // the test screen is narrower than the window; the menu stays under its title
        m.form->show();
        QApplication::processEvents();
        QMenu* file = m.form->findChild<QMenu*>("MenuFile");
        const QPoint at = m.form->menuBar()->mapToGlobal(m.form->menuBar()->actionGeometry(file->menuAction()).bottomLeft());
        file->popup(at);
        QApplication::processEvents();
        QVERIFY(file->isVisible());
        // The window with the open menu painted over it where it stands.
        QImage image = m.form->grab().toImage();
        QPainter painter(&image);
        painter.drawPixmap(m.form->mapFromGlobal(file->pos()), file->grab());
        painter.end();
        QDir().mkpath(KINEMO_SCREENSHOT_DIR);
        image.save(QString(KINEMO_SCREENSHOT_DIR) + "/file_menu_recent.png");
        QVERIFY(ColourCount(image) > 8);
        file->hide();
    }
};

KINEMO_UI_TEST_MAIN(ScreenshotTest)
#include "tst_Screenshots.moc"
