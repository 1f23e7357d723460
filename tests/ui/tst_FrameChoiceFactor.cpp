// The element page driven as a user drives it: adding by double click and by drops at a
// position, refusals of the docking rule, the pop-up commands keeping inputs and units,
// typed values committing once and moving the motor-shaft load, unit changes, read-only
// while committed, and the input check and carry-value trace.
#include "MachinePageFixture.h"

#include "base/ErrorMessage.h"
#include "machine/Block.h"
#include "machine/BlockGrid.h"
#include "machine/MachineServices.h"
#include "machine/BlockItemModel.h"
#include "machine/CarryOutputItemModel.h"
#include "machine/CarryOutputModel.h"
#include "machine/ChainItemModel.h"
#include "machine/ChoicedFactorGrid.h"
#include "machine/ComboBoxProperty.h"
#include "machine/ElementMime.h"
#include "machine/Factor.h"
#include "machine/PanelCarryOutput.h"
#include "machine/PopertyGrid.h"
#include "machine/PropertyDelegate.h"
#include "machine/PropertyGridModel.h"
#include "machine/PropertyItemModel.h"
#include "units/Measure.h"

#include "units/ValueFormat.h"
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QTabWidget>

#include <cmath>

using namespace kinemo;
using namespace kinemo::uitest;

namespace {

constexpr double kRelTol = 1e-9;

bool Near(double a, double b) { return std::fabs(a - b) <= kRelTol * std::max({1.0, std::fabs(a), std::fabs(b)}); }

QPoint ChainPoint(TChoicedFactorGrid* chain, int column) {
    return chain->visualRect(chain->Items().index(0, column)).center();
}

// The view row of the item with catalog id in the property grid.
int RowOfItem(TPopertyGrid* grid, int id) {
    for (int r = 0; r < grid->Items().rowCount(); ++r) {
        TCustomInputData* item = grid->Grid().ItemAt(TPropertyItemModel::CoreRow(r));
        if (item && item->ID == id) return r;
    }
    return -1;
}

int ColumnOfElement(TCalcCarryValue& chain, int id) {
    for (int c = 0; c < chain.Count(); ++c)
        if (chain.GetFactor(c)->ID == id) return c;
    return -1;
}

std::vector<int> ChainIDs(TCalcCarryValue& chain) {
    std::vector<int> ids;
    for (int c = 1; c < chain.Count(); ++c) ids.push_back(chain.GetFactor(c)->ID);
    return ids;
}

// Types text into the value cell of a row and presses Enter.
void TypeValue(TPopertyGrid* grid, int row, const QString& text) {
    QVERIFY(grid->EditCell(row, 1));
    auto* edit = qobject_cast<QLineEdit*>(grid->Delegate().ActiveEditor());
    QVERIFY(edit);
    edit->selectAll();
    QTest::keyClick(edit, Qt::Key_Delete);
    QTest::keyClicks(edit, text);
    QTest::keyClick(edit, Qt::Key_Return);
}

int BlockOf(TKinemoContext& ctx, int elementId) {
    auto& blocks = ctx.Blocks().Blocks();
    for (size_t b = 0; b < blocks.size(); ++b)
        for (size_t r = 0; r < blocks[b]->Factors().size(); ++r)
            if (blocks[b]->Factors()[r]->ID == elementId) return static_cast<int>(b * 1000 + r);
    return -1;
}

std::unique_ptr<QMimeData> BlockMime(TKinemoContext& ctx, int elementId) {
    const int where = BlockOf(ctx, elementId);
    return TElementDrag{TElementDrag::FromBlock, where / 1000, where % 1000}.ToMime();
}

}  // namespace

class FrameChoiceFactorTest : public QObject {
    Q_OBJECT
private slots:
    void example02IsShownWithEveryElementAndTheLoadAtTheShaft() {
        TMachinePage p;
        QCOMPARE(p.Length(), 6);
        QCOMPARE(p.frame->ChoicedFactorGrid()->Items().columnCount(), 6);
        QCOMPARE(p.frame->PageControlBlock()->count(), static_cast<int>(p.context->Blocks().Blocks().size()));
        QVERIFY(!p.frame->PageControlBlock()->tabIcon(0).isNull());
        QVERIFY(!p.frame->PageControlBlock()->tabToolTip(0).isEmpty());
        TCarryOutputModel& carry = p.frame->CarryOutputPanel()->Items().Carry();
        QVERIFY(!carry.Failed());
        QVERIFY(carry.Output().JL > 0);
        QVERIFY(!carry.UnitText(TCarryOutputModel::RowJL).empty());
        QVERIFY(p.errors.texts.isEmpty());
    }

    void doubleClickAddsTheElementAfterTheCurrentColumn() {
        TMachinePage p("");
        QCOMPARE(p.Length(), 1);
        TBlockGrid* grid = p.frame->BlockGrid(0);  // couplings
        p.frame->PageControlBlock()->setCurrentIndex(0);
        const QPoint cell = grid->visualRect(grid->Items().index(1, 0)).center();
        QTest::mouseDClick(grid->viewport(), Qt::LeftButton, Qt::NoModifier, cell);
        QCOMPARE(p.Length(), 2);
        QCOMPARE(p.Chain().GetFactor(1)->ID, grid->Items().FactorAt(1)->ID);
        QCOMPARE(p.Machine().CurrentColumn(), 1);
        QVERIFY(p.frame->PropertyGrid()->Grid().Element() == p.Chain().GetFactor(1));
        QVERIFY(p.session->Modified());
    }

    // The chain's limits: ten elements (the motor not counted), five that take an
    // external force; the refusal names the rule and leaves the chain as it was.
    void theElementLimitsRefuseWithTheirMessages_data() {
        QTest::addColumn<int>("element");
        QTest::addColumn<int>("allowed");
        QTest::addColumn<bool>("asErrorReport");
        QTest::addColumn<QString>("key");
        QTest::newRow("ten elements") << 101 << 10 << true << "NotInsertFactor";
        QTest::newRow("five external forces") << 505 << 5 << false << "NotInsertExternalForceFactor";
    }
    void theElementLimitsRefuseWithTheirMessages() {
        QFETCH(int, element);
        QFETCH(int, allowed);
        QFETCH(bool, asErrorReport);
        QFETCH(QString, key);
        TMachinePage p("");
        const int where = BlockOf(*p.context, element);
        p.frame->PageControlBlock()->setCurrentIndex(where / 1000);
        TBlockGrid* grid = p.frame->ActiveBlockGrid();
        const QPoint cell = grid->visualRect(grid->Items().index(where % 1000, 0)).center();
        for (int i = 0; i < allowed; ++i) QTest::mouseDClick(grid->viewport(), Qt::LeftButton, Qt::NoModifier, cell);
        QCOMPARE(p.Length(), allowed + 1);
        QVERIFY(p.errors.texts.isEmpty());
        QVERIFY(p.dialogs.messages.empty());
        QTest::mouseDClick(grid->viewport(), Qt::LeftButton, Qt::NoModifier, cell);
        QCOMPARE(p.Length(), allowed + 1);
        const QString text = QString::fromStdString(p.context->ErrorMessages().GetText(key.toStdString()));
        QVERIFY(!text.isEmpty());
        if (asErrorReport) {
            QCOMPARE(p.errors.texts.size(), 1);
            QVERIFY(p.errors.texts[0].startsWith(text.left(text.size() - 1)));
        } else {
            QCOMPARE(p.dialogs.messages.size(), size_t(1));
            QCOMPARE(QString::fromStdString(p.dialogs.messages[0].text), text);
        }
    }

    // Dropping a block element on a chain column inserts it right after that column.
    void dropFromABlockInsertsAfterTheColumnUnderTheMouse() {
        TMachinePage p;
        const std::vector<int> before = ChainIDs(p.Chain());  // 201 103 301 401 404
        TChoicedFactorGrid* chain = p.frame->ChoicedFactorGrid();
        auto mime = BlockMime(*p.context, 101);  // a rigid coupling, after the reducer
        QVERIFY(SimulateDrop(chain->viewport(), *mime, ChainPoint(chain, 1)));
        std::vector<int> expected = before;
        expected.insert(expected.begin() + 1, 101);
        QCOMPARE(ChainIDs(p.Chain()), expected);
        QCOMPARE(p.Machine().CurrentColumn(), 2);
        QCOMPARE(chain->Items().columnCount(), 7);
    }

    void dropsAgainstTheDockingRuleAreRefusedAndChangeNothing_data() {
        QTest::addColumn<int>("element");
        QTest::addColumn<int>("column");
        QTest::newRow("linear load on the motor") << 401 << 0;
        QTest::newRow("coupling on the carriage") << 102 << 4;
        QTest::newRow("screw between screw and table") << 301 << 3;
    }
    void dropsAgainstTheDockingRuleAreRefusedAndChangeNothing() {
        QFETCH(int, element);
        QFETCH(int, column);
        TMachinePage p;
        const std::vector<int> before = ChainIDs(p.Chain());
        TChoicedFactorGrid* chain = p.frame->ChoicedFactorGrid();
        auto mime = BlockMime(*p.context, element);
        QVERIFY(!SimulateDrop(chain->viewport(), *mime, ChainPoint(chain, column)));
        QCOMPARE(ChainIDs(p.Chain()), before);
        QVERIFY(p.dialogs.messages.empty());
    }

    void dragWithinTheChainMovesAndRefusesTheNeighbourBefore() {
        TMachinePage p;
        TChoicedFactorGrid* chain = p.frame->ChoicedFactorGrid();
        // The coupling (column 2) moved in front of the reducer: after the motor.
        auto onItself = TElementDrag{TElementDrag::FromChain, -1, 2}.ToMime();
        QVERIFY(!SimulateDrop(chain->viewport(), *onItself, ChainPoint(chain, 1)));  // the column just before
        QVERIFY(!SimulateDrop(chain->viewport(), *onItself, ChainPoint(chain, 2)));  // itself
        QVERIFY(SimulateDrop(chain->viewport(), *onItself, ChainPoint(chain, 0)));
        QCOMPARE(ChainIDs(p.Chain()), (std::vector<int>{103, 201, 301, 401, 404}));
    }

    void draggingAChainElementOntoTheBlockListRemovesIt() {
        TMachinePage p;
        TChoicedFactorGrid* chain = p.frame->ChoicedFactorGrid();
        chain->SetDragSourceColumn(5);  // the external force, the last element
        auto mime = TElementDrag{TElementDrag::FromChain, -1, 5}.ToMime();
        TBlockGrid* grid = p.frame->ActiveBlockGrid();
        QVERIFY(SimulateDrop(grid->viewport(), *mime, QPoint(10, 10)));
        chain->SetDragSourceColumn(-1);
        QCOMPARE(ChainIDs(p.Chain()), (std::vector<int>{201, 103, 301, 401}));
        QVERIFY(p.frame->PropertyGrid()->Grid().Element() == nullptr);
    }

    // Copy and paste make an independent element with every input and its chosen unit.
    void cutCopyPasteKeepEveryInputAndItsUnit() {
        TMachinePage p;
        TChoicedFactorGrid* chain = p.frame->ChoicedFactorGrid();
        const int screwColumn = ColumnOfElement(p.Chain(), 301);
        chain->SelectColumn(screwColumn);
        TPopertyGrid* grid = p.frame->PropertyGrid();
        const int leadRow = RowOfItem(grid, 30101);
        auto* lead = static_cast<TInputData*>(grid->Grid().ItemAt(TPropertyItemModel::CoreRow(leadRow)));
        TMeasure* cm = nullptr;
        for (TMeasure* u : grid->Grid().Units(TPropertyItemModel::CoreRow(leadRow)))
            if (u->Symbol() == "cm") cm = u;
        QVERIFY(cm);
        grid->Grid().ChooseUnit(TPropertyItemModel::CoreRow(leadRow), cm);
        QVERIFY(Near(lead->Value, 2.0));  // 20 mm shown in cm

        chain->PreparePopup(screwColumn);
        QVERIFY(chain->PopupAction("PopupMenuChoicedGridOnCopy")->isEnabled());
        chain->PopupAction("PopupMenuChoicedGridOnCopy")->trigger();
        // The screw may not follow itself; pasted after the motor it does not fit either.
        chain->PreparePopup(screwColumn);
        QVERIFY(!chain->PopupAction("PopupMenuChoicedGridOnPaste")->isEnabled());
        chain->PreparePopup(0);
        QVERIFY(!chain->PopupAction("PopupMenuChoicedGridOnDelete")->isEnabled());
        QVERIFY(!chain->PopupAction("PopupMenuChoicedGridOnCut")->isEnabled());
        QVERIFY(!chain->PopupAction("PopupMenuChoicedGridOnCopy")->isEnabled());

        // Cut the table (last but one is removable when the force can follow the screw) and paste it back.
        const int tableColumn = ColumnOfElement(p.Chain(), 401);
        TFactor* table = p.Chain().GetFactor(tableColumn);
        auto* mass = table->FindInputItemByID(40101);
        mass->Value = 123.5;
        chain->PreparePopup(tableColumn);
        QVERIFY(chain->PopupAction("PopupMenuChoicedGridOnCut")->isEnabled());
        chain->PopupAction("PopupMenuChoicedGridOnCut")->trigger();
        QCOMPARE(ChainIDs(p.Chain()), (std::vector<int>{201, 103, 301, 404}));
        chain->PreparePopup(ColumnOfElement(p.Chain(), 301));
        QVERIFY(chain->PopupAction("PopupMenuChoicedGridOnPaste")->isEnabled());
        chain->PopupAction("PopupMenuChoicedGridOnPaste")->trigger();
        QCOMPARE(ChainIDs(p.Chain()), (std::vector<int>{201, 103, 301, 401, 404}));
        TFactor* pasted = p.Chain().GetFactor(ColumnOfElement(p.Chain(), 401));
        QVERIFY(Near(pasted->FindInputItemByID(40101)->Value, 123.5));

        // A pasted screw copy keeps the lead in cm.
        chain->SelectColumn(ColumnOfElement(p.Chain(), 301));
        p.Machine().Copy();
        TFactor* copy = const_cast<TFactor*>(p.Machine().Clipboard());
        auto* copiedLead = copy->FindInputItemByID(30101);
        QCOMPARE(copiedLead->DisplayUnit, cm);
        QVERIFY(Near(copiedLead->Value, 2.0));
        QVERIFY(copiedLead->UnitChanged);
    }

    // "12.5" typed and confirmed sets 12.5 once; the load at the shaft follows.
    void aTypedValueCommitsOnceAndMovesTheShownInertia() {
        TMachinePage p;
        TChoicedFactorGrid* chain = p.frame->ChoicedFactorGrid();
        chain->SelectColumn(ColumnOfElement(p.Chain(), 401));
        TPopertyGrid* grid = p.frame->PropertyGrid();
        TCarryOutputModel& carry = p.frame->CarryOutputPanel()->Items().Carry();
        const double jlBefore = carry.DisplayValue(TCarryOutputModel::RowJL);
        const QString shownBefore = p.frame->CarryOutputPanel()->Items().index(TCarryOutputModel::RowJL, 1).data().toString();
        int commits = 0;
        connect(grid, &TPopertyGrid::ValueCommitted, this, [&] { ++commits; });
        const int massRow = RowOfItem(grid, 40101);
        const double oldMass = p.Chain().GetFactor(ColumnOfElement(p.Chain(), 401))->FindInputItemByID(40101)->Value;
        TypeValue(grid, massRow, QString::number(oldMass + 12.5));
        QCOMPARE(commits, 1);
        TInputData* mass = p.Chain().GetFactor(ColumnOfElement(p.Chain(), 401))->FindInputItemByID(40101);
        QVERIFY(Near(mass->Value, oldMass + 12.5));
        QCOMPARE(grid->Grid().LastEditText(), TPropertyGridModel::CommitSentinel());
        QVERIFY(carry.DisplayValue(TCarryOutputModel::RowJL) > jlBefore);
        QVERIFY(p.frame->CarryOutputPanel()->Items().index(TCarryOutputModel::RowJL, 1).data().toString() != shownBefore);
        // Enter moved on to the next row.
        QCOMPARE(grid->currentIndex().row(), massRow + 1);
    }

    // "12,5" typed into a mass used to lose its comma in the key filter and give 125 kg.
    void aCommaTypedIntoAValueIsReadAsTheDecimalMarkOrRefused() {
        TMachinePage p;
        p.frame->ChoicedFactorGrid()->SelectColumn(ColumnOfElement(p.Chain(), 401));
        TPopertyGrid* grid = p.frame->PropertyGrid();
        const int massRow = RowOfItem(grid, 40101);
        TInputData* mass = p.Chain().GetFactor(ColumnOfElement(p.Chain(), 401))->FindInputItemByID(40101);
        const double before = mass->Value;
        TypeValue(grid, massRow, "12,5");
        QCOMPARE(mass->Value, before);
        QCOMPARE(p.dialogs.messages.size(), size_t(1));
        QVERIFY(p.dialogs.messages[0].text.find("\"12,5\" is not a number") != std::string::npos);
        // Where the user's locale writes the comma as the decimal mark it is one.
        p.context->ValueFormat().SetDecimalMark(',');
        TypeValue(grid, massRow, "12,5");
        QCOMPARE(p.dialogs.messages.size(), size_t(1));
        QVERIFY(Near(mass->Value, 12.5));
        TypeValue(grid, massRow, "1.012,5");  // a thousands separator is not dropped either
        QCOMPARE(p.dialogs.messages.size(), size_t(2));
        QVERIFY(Near(mass->Value, 12.5));
    }

    void aValueThatIsNoNumberIsRefusedWithTheCatalogText() {
        TMachinePage p;
        p.frame->ChoicedFactorGrid()->SelectColumn(ColumnOfElement(p.Chain(), 401));
        TPopertyGrid* grid = p.frame->PropertyGrid();
        const int massRow = RowOfItem(grid, 40101);
        TInputData* mass = p.Chain().GetFactor(ColumnOfElement(p.Chain(), 401))->FindInputItemByID(40101);
        const double before = mass->Value;
        // A text that is no number is refused as such, whatever the range says of 0.
        TypeValue(grid, massRow, "1-2");
        QCOMPARE(mass->Value, before);
        QCOMPARE(p.dialogs.messages.size(), size_t(1));
        QVERIFY(p.dialogs.messages[0].text.find(mass->Name) != std::string::npos);
        const int forceRow = RowOfItem(grid, 40106);
        TInputData* force = p.Chain().GetFactor(ColumnOfElement(p.Chain(), 401))->FindInputItemByID(40106);
        const double forceBefore = force->Value;
        TypeValue(grid, forceRow, "1-2");
        QCOMPARE(force->Value, forceBefore);
        QCOMPARE(p.dialogs.messages.size(), size_t(2));
        QVERIFY(p.dialogs.messages[1].text.find("\"1-2\" is not a number") != std::string::npos);
        // Letters never reach a value cell.
        QVERIFY(grid->EditCell(massRow, 1));
        auto* edit = qobject_cast<QLineEdit*>(grid->Delegate().ActiveEditor());
        edit->clear();
        QTest::keyClicks(edit, "a7b");
        QCOMPARE(edit->text(), QString("7"));
        grid->FinishEditing();
    }

    // The density cell offers the materials; a chosen one sets its density and the shaft
    // load follows; only what a number is typed with reaches the combo's text.
    void theMaterialComboSetsTheChosenMaterialsValue() {
        TMachinePage p;
        p.frame->ChoicedFactorGrid()->SelectColumn(ColumnOfElement(p.Chain(), 301));
        TPopertyGrid* grid = p.frame->PropertyGrid();
        const int row = RowOfItem(grid, 30104);
        QVERIFY(grid->EditCell(row, 1));
        auto* combo = qobject_cast<TComboBoxProperty*>(grid->Delegate().ActiveEditor());
        QVERIFY(combo && combo->isEditable());
        QCOMPARE(combo->currentText(), QString("7850"));
        combo->lineEdit()->selectAll();
        QTest::keyClicks(combo->lineEdit(), "x7a");
        QCOMPARE(combo->currentText(), QString("7"));
        const double jl = p.frame->CarryOutputPanel()->Items().Carry().Output().JL;
        combo->setCurrentIndex(combo->findText("Aluminium alloy"));
        QTest::keyClick(combo->lineEdit(), Qt::Key_Return);
        TInputData* density = p.Chain().GetFactor(ColumnOfElement(p.Chain(), 301))->FindInputItemByID(30104);
        QCOMPARE(density->GetValue(), 2700.0);
        QVERIFY(grid->Delegate().ActiveEditor() == nullptr);
        QVERIFY(p.frame->CarryOutputPanel()->Items().Carry().Output().JL < jl);
        QCOMPARE(grid->currentIndex().row(), row + 1);
    }

    // A unit chosen for the shaft inertia shows the same quantity in that unit.
    void aUnitChangeShowsTheSameQuantity() {
        TMachinePage p;
        TCarryOutputModel& carry = p.frame->CarryOutputPanel()->Items().Carry();
        const double kgcm2 = carry.DisplayValue(TCarryOutputModel::RowJL);
        QCOMPARE(carry.UnitText(TCarryOutputModel::RowJL), std::string("kg·cm²"));
        TCarryOutputItemModel& items = p.frame->CarryOutputPanel()->Items();
        int kgm2 = -1;
        const auto units = carry.Units(TCarryOutputModel::RowJL);
        for (size_t i = 0; i < units.size(); ++i)
            if (units[i]->Symbol() == "kg·m²") kgm2 = static_cast<int>(i);
        QVERIFY(items.setData(items.index(TCarryOutputModel::RowJL, 2), kgm2, Qt::EditRole));
        QCOMPARE(carry.UnitText(TCarryOutputModel::RowJL), std::string("kg·m²"));
        QVERIFY(Near(carry.DisplayValue(TCarryOutputModel::RowJL), kgcm2 * 1e-4));
        // It stays after the next edit's recalculation.
        p.frame->CarryOutputPanel()->Refresh();
        QCOMPARE(carry.UnitText(TCarryOutputModel::RowJL), std::string("kg·m²"));

        // The same in the property grid: the lead in cm reads a tenth, the shaft load is unchanged.
        p.frame->ChoicedFactorGrid()->SelectColumn(ColumnOfElement(p.Chain(), 301));
        TPopertyGrid* grid = p.frame->PropertyGrid();
        const int leadRow = RowOfItem(grid, 30101);
        QVERIFY(grid->EditCell(leadRow, 2));
        auto* combo = qobject_cast<TComboBoxProperty*>(grid->Delegate().ActiveEditor());
        QVERIFY(combo);
        const double jl = carry.Output().JL;
        combo->setCurrentIndex(combo->findText("cm"));
        emit combo->activated(combo->currentIndex());
        grid->FinishEditing();
        QCOMPARE(grid->Items().index(leadRow, 1).data().toString(), QString("2"));
        QCOMPARE(grid->Items().index(leadRow, 2).data().toString(), QString("cm"));
        QVERIFY(Near(carry.Output().JL, jl));
    }

    // A lead of 0 typed is refused with the item's range; one that came with a file
    // (kept for correction) leaves the shaft load showing why, never a figure.
    void anElementWithoutARequiredValueShowsWhyInPlaceOfTheFigures() {
        TMachinePage p;
        TFactor* screw = p.Chain().GetFactor(ColumnOfElement(p.Chain(), 301));
        p.frame->ChoicedFactorGrid()->SelectColumn(ColumnOfElement(p.Chain(), 301));
        TypeValue(p.frame->PropertyGrid(), RowOfItem(p.frame->PropertyGrid(), 30101), "0");
        QCOMPARE(screw->FindInputItemByID(30101)->Value, 20.0);
        QCOMPARE(p.dialogs.messages.size(), size_t(1));
        QVERIFY(p.dialogs.messages[0].text.find("Lead") != std::string::npos);
        screw->FindInputItemByID(30101)->Value = 0;
        p.frame->Refresh();
        TPanelCarryOutput* panel = p.frame->CarryOutputPanel();
        QVERIFY(panel->Items().Carry().Failed());
        QVERIFY(panel->ErrorLabel()->isVisible());
        QVERIFY(!panel->Grid()->isVisible());
        QVERIFY(panel->ErrorLabel()->text().contains(QString::fromStdString(screw->Name)));
        QCOMPARE(panel->Items().index(TCarryOutputModel::RowJL, 1).data().toString(), QString());
        // Leaving the page is refused with the same element named.
        QVERIFY(!p.frame->CanLeavePage());
        QVERIFY(p.dialogs.messages.back().text.find(screw->Name) != std::string::npos);
        TypeValue(p.frame->PropertyGrid(), RowOfItem(p.frame->PropertyGrid(), 30101), "20");
        QVERIFY(!panel->Items().Carry().Failed());
        QVERIFY(p.frame->CanLeavePage());
    }

    void readOnlyWhileAMotorIsCommitted() {
        TMachinePage p;
        p.frame->SetEditable(false);
        const std::vector<int> before = ChainIDs(p.Chain());
        TBlockGrid* grid = p.frame->BlockGrid(0);
        QTest::mouseDClick(grid->viewport(), Qt::LeftButton, Qt::NoModifier,
                           grid->visualRect(grid->Items().index(0, 0)).center());
        TChoicedFactorGrid* chain = p.frame->ChoicedFactorGrid();
        auto mime = BlockMime(*p.context, 101);
        QVERIFY(!SimulateDrop(chain->viewport(), *mime, ChainPoint(chain, 1)));
        QCOMPARE(ChainIDs(p.Chain()), before);
        // Selecting still shows an element's values, but nothing can be edited.
        QTest::mouseClick(chain->viewport(), Qt::LeftButton, Qt::NoModifier, ChainPoint(chain, 3));
        QCOMPARE(p.Machine().CurrentColumn(), 3);
        TPopertyGrid* property = p.frame->PropertyGrid();
        QVERIFY(property->Grid().Element() == p.Chain().GetFactor(3));
        QVERIFY(!(property->Items().flags(property->Items().index(RowOfItem(property, 30101), 1)) & Qt::ItemIsEditable));
        QVERIFY(!property->EditCell(RowOfItem(property, 30101), 1));
        p.frame->SetEditable(true);
        QVERIFY(property->Items().flags(property->Items().index(RowOfItem(property, 30101), 1)) & Qt::ItemIsEditable);
    }

    // Loading a project frees the elements: the grid must not keep showing a freed one.
    void loadingAProjectLetsGoOfTheShownElement() {
        TMachinePage p;
        p.frame->ChoicedFactorGrid()->SelectColumn(3);
        QVERIFY(p.frame->PropertyGrid()->Grid().Element() != nullptr);
        QCOMPARE(p.session->LoadProject(ExamplePath("01_ball_screw_horizontal.kjb")),
                 TProjectDocument::TLoadResult::Accepted);
        QVERIFY(p.frame->PropertyGrid()->Grid().Element() == nullptr);
        QVERIFY(!p.frame->grab().isNull());
        p.frame->SetPageActive(true);
        QCOMPARE(p.frame->ChoicedFactorGrid()->Items().columnCount(), p.Length());
    }

    void theCarryValueTraceHasTheFourCasesInOrder() {
        TMachinePage p;
        const std::string text = p.frame->ShowCarryValueTrace();
        const char* headings[] = {"受け渡し 出力(外力=○○)", "受け渡し 出力(外力=○×)", "受け渡し 出力(外力=×○)",
                                  "受け渡し 出力(外力=××)"};
        size_t at = 0;
        for (const char* h : headings) {
            const size_t found = text.find(std::string("=======================\r\n") + h + "\r\n", at);
            QVERIFY2(found != std::string::npos, h);
            at = found + 1;
        }
        QVERIFY(text.find("要素名=") != std::string::npos);
        QVERIFY(p.session->Trace().Lines().empty());
        QVERIFY(p.dialogs.messages.empty());
    }
};

KINEMO_UI_TEST_MAIN(FrameChoiceFactorTest)
#include "tst_FrameChoiceFactor.moc"
