// Machine elements: items, calculation, project-file form.
#include "machine/Factor.h"

#include "formula/FormulaEngine.h"
#include "formula/FormulaError.h"
#include "machine/Block.h"
#include "machine/FactorImage.h"
#include "machine/MachineServices.h"
#include "base/Catalog.h"
#include "base/ErrorMessage.h"
#include "base/KinemoError.h"
#include "base/NumberText.h"
#include "base/ScopedRestore.h"
#include "base/TextFormat.h"
#include "units/Measure.h"
#include "units/PhysicalConstant.h"
#include "units/ValueFormat.h"

#include <pugixml.hpp>

namespace kinemo {

const std::array<const char*, 13> kCarryOutNames = {"WAout", "WJout", "Uout", "Hout", "Fout", "Vout", "JLout",
                                                     "TFout", "TUout", "THout", "Aout", "Bout", "TDout"};
const std::array<const char*, 13> kCarryInNames = {"WAin", "WJin", "Uin", "Hin", "Fin", "Vin", "JLin",
                                                   "TFin", "TUin", "THin", "Ain", "Bin", "TDin"};

TNameValueList InitialCarryList() {
    TNameValueList carry;
    carry.SetValue("Vout", "1");
    for (const char* name : {"WAout", "WJout", "Uout", "Hout", "Fout", "JLout", "TFout", "TUout", "THout", "Aout",
                             "Bout", "TDout"})
        carry.SetValue(name, "0");
    return carry;
}

std::string TCalcTrace::Text() const {
    std::string out;
    for (const auto& l : Lines()) out += l + "\r\n";
    return out;
}

namespace {

// The carry names an element receives: every output name replaced by its input name.
std::string ToInputName(std::string name) {
    for (size_t i = 0; i < kCarryOutNames.size(); ++i) {
        const std::string from = kCarryOutNames[i], to = kCarryInNames[i];
        for (size_t pos = name.find(from); pos != std::string::npos; pos = name.find(from, pos + to.size()))
            name.replace(pos, from.size(), to);
    }
    return name;
}

std::vector<std::string> SplitLines(const std::string& text) {
    std::vector<std::string> lines;
    std::string current;
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\r' || text[i] == '\n') {
            if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
            lines.push_back(current);
            current.clear();
        } else {
            current.push_back(text[i]);
        }
    }
    if (!current.empty()) lines.push_back(current);
    return lines;
}

void Trace(TMachineServices& s, std::string line) {
    if (s.Trace) s.Trace->Add(std::move(line));
}

// A plain name as the inputs use it: anything else goes the slow, line-by-line way.
bool IsPlainSymbol(const std::string& s) {
    if (s.empty() || !std::isalpha(static_cast<unsigned char>(s[0]))) return false;
    for (char c : s)
        if (!std::isalnum(static_cast<unsigned char>(c)) && c != '_') return false;
    return true;
}

}  // namespace

void TFactor::RunScript(TFormulaEngine& engine, const std::vector<std::string>& script) {
    // One statement per line. When every line is known to stand alone, the whole script
    // runs as one text: the same effect, and the program stays parsed between runs. An
    // error still names the failing line as the line-by-line run would.
    bool whole = services_->Blocks && services_->Blocks->RunsAsOneText(GetFormula()) &&
                 (!services_->Constants || services_->Blocks->RunsAsOneText(services_->Constants->ConstantsText()));
    for (auto& item : items_)
        if (whole && item->Kind() == TInputKind::Numeric && !IsPlainSymbol(static_cast<TInputData*>(item.get())->Symbol))
            whole = false;
    if (!whole) {
        for (const std::string& line : script) engine.ExecuteStatement(line);
        return;
    }
    std::string text;
    for (const std::string& line : script) text += line + "\r\n";
    try {
        engine.ExecuteStatement(text);
    } catch (TFormulaError& e) {
        e.Locate(1, e.LineText());
        throw;
    }
}

// ---- TFactor ----

TFactor::TFactor(TMachineServices& services, TBlock* block) : Block(block), services_(&services) {}

TFactor::~TFactor() = default;

std::string TFactor::GetFormula() const { return services_->Blocks->GetFormula(GetCalcID()); }

void TFactor::CopyInto(TFactor& t) const {
    t.ID = ID;
    t.Name = Name;
    t.Block = Block;
    t.Image = Image;
    t.SelectedImage = SelectedImage;
    t.DragImage = DragImage;
    t.Note = Note;
    t.ImagePath = ImagePath;
    t.SelectedImagePath = SelectedImagePath;
    t.DragImagePath = DragImagePath;
    t.Behavior = Behavior;
    t.AcceptsExternalForce = AcceptsExternalForce;
    t.items_.clear();
    for (const auto& item : items_) t.items_.push_back(item->Clone());
}

std::unique_ptr<TFactor> TFactor::CloneFor(TMachineServices& services) const {
    std::unique_ptr<TFactor> c = Clone();
    c->Bind(services);
    return c;
}

std::unique_ptr<TFactor> TFactor::Clone() const {
    auto c = std::make_unique<TFactor>(*services_, Block);
    CopyInto(*c);
    return c;
}

std::vector<std::unique_ptr<TCustomInputData>>& TFactor::InputItems() {
    if (items_.empty()) LoadInputItems();
    return items_;
}

TCustomInputData* TFactor::GetInputItem(int i) { return InputItems().at(static_cast<size_t>(i)).get(); }

int TFactor::GetInputItemCount() { return static_cast<int>(InputItems().size()); }

TInputData* TFactor::FindInputItemByID(int id) {
    for (auto& item : InputItems())
        if (item->Kind() == TInputKind::Numeric && item->ID == id) return static_cast<TInputData*>(item.get());
    return nullptr;
}

TExternalForceInputData* TFactor::ExternalForceItem() {
    for (auto& item : InputItems())
        if (item->Kind() == TInputKind::ExternalForce) return static_cast<TExternalForceInputData*>(item.get());
    return nullptr;
}

void TFactor::BuildCatalogItems(int code) {
    items_.clear();
    TCatalogQuery& q = *services_->Query;
    q.Close();
    q.SetSQL(std::vector<std::string>{
        "select tmv_cd, tmv_name,tmv_symbol,tmv_start_value,tmv_max_value,tmv_muv_cd, tmv_req_value",
        "FROM t_machine_value INNER JOIN t_machine_value_cross ON t_machine_value.tmv_cd = "
        "t_machine_value_cross.mvc_tmv_cd",
        "WHERE t_machine_value_cross.mvc_tme_cd=:FACTOR_ID", "ORDER BY tmv_cd"});
    q.SetParam("FACTOR_ID", code);
    q.Open();
    std::vector<int> codes;
    for (; !q.Eof(); q.Next()) codes.push_back(static_cast<int>(q.AsInteger(0)));
    q.Close();
    for (int c : codes)
        if (auto item = CreateInputData(c, q, *services_->Measures)) items_.push_back(std::move(item));
    if (AcceptsExternalForce) items_.push_back(std::make_unique<TExternalForceInputData>(services_->Texts->Texts));
    items_.push_back(std::make_unique<TMemoInputData>(services_->Texts->Texts));
    q.SetSQL("select * from m_tmp_calc where mtc_tme_cd=:FACTOR_ID order by mtc_cd");
    q.SetParam("FACTOR_ID", code);
    q.Open();
    for (; !q.Eof(); q.Next()) {
        if (q.IsNull("mtc_value") || q.AsString("mtc_value").empty()) continue;
        TMeasure* unit =
            q.IsNull("mtc_muv_cd") ? nullptr : services_->Measures->FindMeasure(static_cast<int>(q.AsInteger("mtc_muv_cd")));
        items_.push_back(
            std::make_unique<TCalcInputData>(services_->Measures, q.AsString("mtc_title"), q.AsString("mtc_value"), unit));
    }
    q.Close();
}

void TFactor::LoadInputItems() { BuildCatalogItems(GetCalcID()); }

bool TFactor::IsInputComplete() {
    for (auto& item : InputItems()) {
        if (item->Kind() != TInputKind::Numeric) continue;
        auto* data = static_cast<TInputData*>(item.get());
        if (!data->Optional && data->GetValue() == 0) return false;
    }
    return true;
}

bool TFactor::HasExternalForce() {
    if (!AcceptsExternalForce) return false;
    TExternalForceInputData* item = ExternalForceItem();
    return item && item->Choice == 1;
}

TExternalForceColData* TFactor::GetExternalForceColumn(int i) {
    if (!HasExternalForce() || i < 0 || i > 1) return nullptr;
    if (!externalForceColumns_) externalForceColumns_ = std::make_unique<std::array<TExternalForceColData, 2>>();
    return &(*externalForceColumns_)[static_cast<size_t>(i)];
}

bool TFactor::CalculationInput(TFactorInput& input) {
    InputItems();
    input.Formula = GetFormula();
    if (!services_->Blocks || services_->Blocks->DrawsRandomNumbers(input.Formula)) return false;
    input.Name = Name;
    input.Traced = services_->Trace != nullptr;
    if (services_->Constants) input.Constants = services_->Constants->ConstantsText();
    else input.Constants.clear();
    // Assigned in place: a key filled again for the next run keeps the room of its texts.
    size_t n = 0;
    for (auto& item : items_) {
        if (item->Kind() != TInputKind::Numeric) continue;
        auto* data = static_cast<TInputData*>(item.get());
        if (n == input.Items.size()) input.Items.emplace_back();
        TFactorInput::TItem& to = input.Items[n++];
        to.Symbol = data->Symbol;
        to.Name = data->Name;
        if (data->FormulaUnit) to.Unit = data->FormulaUnit->Symbol();
        else to.Unit.clear();
        to.Value = {data->GetValue()};
    }
    input.Items.resize(n);
    return true;
}

TCalcTrace* TFactor::CalculationTrace() const { return services_->Trace; }

void TFactor::Calculate(const TNameValueList& carry) {
    InputItems();
    TMachineServices& s = *services_;
    Trace(s, "要素名=" + Name);
    Trace(s, "物理定数");
    std::vector<std::string> script;
    if (s.Constants)
        for (size_t i = 0; i < s.Constants->Count(); ++i) {
            std::string line = s.Constants->Name(i) + "=" + s.Constants->Value(s.Constants->Name(i));
            script.push_back(line);
            Trace(s, line);
        }
    Trace(s, "受け渡し入力");
    for (size_t i = 0; i < carry.Count(); ++i) {
        double v = 0;
        if (!TryTextToFloat(carry.ValueAt(i), v)) v = 0;
        std::string line = ToInputName(carry.Name(i)) + "=" + FloatToText(v);
        script.push_back(line);
        Trace(s, line);
    }
    Trace(s, "個別入力");
    for (auto& item : items_) {
        if (item->Kind() != TInputKind::Numeric) continue;
        auto* data = static_cast<TInputData*>(item.get());
        const std::string value = FloatToText(data->GetValue());
        script.push_back(data->Symbol + "=" + value);
        // "%s = %s%s(%s)": symbol, value, formula unit, name.
        if (s.Trace)
            s.Trace->Add(data->Symbol + " = " + value + (data->FormulaUnit ? data->FormulaUnit->Symbol() : std::string()) +
                         "(" + data->Name + ")");
    }
    Trace(s, "計算式");
    for (std::string& line : SplitLines(GetFormula())) {
        Trace(s, line);
        script.push_back(std::move(line));
    }
    TFormulaEngine engine(s.Programs);
    const auto key = [this] { return "m_machine_calc_value " + std::to_string(GetCalcID()) + " (\"" + Name + "\")"; };
    try {
        RunNamedFormula(key, [&] { RunScript(engine, script); });
    } catch (const TFormulaError& e) {
        if (e.Number() == kInputRefusedError) RefuseInput(e);
        throw;
    }
    CarryOut.Clear();
    RunNamedFormula(key, [&] {
        for (const char* name : kCarryOutNames) CarryOut.SetValue(name, engine.Eval(name).ToText());
    });
    Trace(s, "受け渡し出力");
    for (const auto& line : CarryOut.Lines()) Trace(s, line);
}

void TFactor::RefuseInput(const TFormulaError& e) {
    // Without the key's text or the named item the formula's own error stands: a refusal
    // is never swallowed.
    const std::string format = services_->Errors ? services_->Errors->GetText(e.Description()) : std::string();
    if (format.empty()) return;
    for (auto& item : items_) {
        if (item->Kind() != TInputKind::Numeric) continue;
        auto* data = static_cast<TInputData*>(item.get());
        if (!SameText(data->Symbol, e.Source())) continue;
        throw TKinemoError(FormatText(format, {Name, data->Name, FloatToText(data->Value),
                                               data->DisplayUnit ? data->DisplayUnit->Symbol() : std::string()}));
    }
}

void TFactor::RecalcCalcItems() {
    std::string inputs;
    for (auto& item : InputItems())
        if (item->Kind() == TInputKind::Numeric) {
            auto* data = static_cast<TInputData*>(item.get());
            inputs += FormatText("%s=%f", {data->Symbol, data->GetValue()}) + "\r\n";
        }
    for (auto& item : items_) {
        if (item->Kind() != TInputKind::Calc) continue;
        auto* calc = static_cast<TCalcInputData*>(item.get());
        TFormulaEngine engine(services_->Programs);
        engine.ExecuteStatement(inputs);
        const auto key = [&] {
            return "m_tmp_calc \"" + calc->Name + "\" of " + std::to_string(GetCalcID()) + " (\"" + Name + "\")";
        };
        RunNamedFormula(key, [&] {
            engine.ExecuteStatement(calc->Formula);
            calc->SetResult(engine.Eval("Result").ToDouble());
        });
    }
}

void TFactor::SaveFactorElement(pugi::xml_node& factor) const {
    factor.append_child("FactorID").text().set(std::to_string(ID).c_str());
    pugi::xml_node input = factor.append_child("InputData");
    for (const auto& item : items_) item->SaveToXML(input);
    auto* self = const_cast<TFactor*>(this);
    if (self->HasExternalForce()) {
        pugi::xml_node ef = factor.append_child("ExternalForce");
        self->GetExternalForceColumn(0)->SaveToXML(ef);
        self->GetExternalForceColumn(1)->SaveToXML(ef);
    }
}

void TFactor::SaveToXML(pugi::xml_node& parent) const {
    const_cast<TFactor*>(this)->InputItems();
    pugi::xml_node factor = parent.append_child("Factor");
    SaveFactorElement(factor);
}

void TFactor::LoadFromXML(const pugi::xml_node& factor) {
    if (std::string(factor.name()) != "Factor") throw TKinemoError("Illegal Format");
    InputItems();
    if (pugi::xml_node input = factor.child("InputData")) {
        for (pugi::xml_node value = input.first_child(); value; value = value.next_sibling()) {
            if (std::string(value.name()) != "Value" || !value.attribute("InputDataID")) continue;
            const std::string id = value.attribute("InputDataID").value();
            for (auto& item : items_)
                if (std::to_string(item->ID) == id) {
                    item->LoadFromXML(value);
                    break;
                }
        }
    }
    pugi::xml_node ef = factor.child("ExternalForce");
    if (HasExternalForce() && ef) {
        pugi::xml_node col = ef.first_child();
        for (int i = 0; i < 2 && col; ++i, col = col.next_sibling())
            if (std::string(col.name()) == "ExternalForceCol") GetExternalForceColumn(i)->LoadFromXML(col);
    }
}

// ---- TMotorFactor ----

namespace {
constexpr int kItemGearInertia = 1;
constexpr int kItemGearTorque = 79;
constexpr int kItemReductionRatio = 94;
constexpr int kItemGearEfficiency = 96;
constexpr int kItemBacklash = 110;
}  // namespace

TMotorFactor::TMotorFactor(TMachineServices& services) : TFactor(services, nullptr) {
    ownBlock_ = std::make_unique<TBlock>(services, blockLock_, -1, "", 2, 1, "");
    Block = ownBlock_.get();
    ID = -1;
    Name = "motor";
    const std::string& folder = services.ProgramFolder;
    ImagePath = NormalizePicturePath(folder, "picture\\\\00.jpg");
    SelectedImagePath = NormalizePicturePath(folder, "picture\\\\00-on.jpg");
    DragImagePath = NormalizePicturePath(folder, "picture\\\\00-drag.jpg");
    if (services.Images) {
        Image = services.Images->GetPicture(ImagePath);
        SelectedImage = services.Images->GetPicture(SelectedImagePath);
        DragImage = services.Images->GetPicture(DragImagePath);
        for (auto [file, slot, owned] : {std::tuple{"picture\\\\0.jpg", &GearedImage, &gearedImage_},
                                         std::tuple{"picture\\\\0-on.jpg", &GearedSelectedImage, &gearedSelectedImage_}}) {
            const std::string path = NormalizePicturePath(folder, file);
            std::shared_ptr<const void> data = services.Images->Loader().Load(path);
            if (!data) {
                // Named with the other skipped files; the plain motor's picture stands in.
                services.Images->NoteUnreadable(path);
                *slot = slot == &GearedImage ? Image : SelectedImage;
                continue;
            }
            *owned = std::make_unique<TPicture>(path, std::move(data));
            *slot = owned->get();
        }
    }
    ResetMotorInputs();
}

TMotorFactor::~TMotorFactor() = default;

void TMotorFactor::SetItem(int id, double value) {
    if (TInputData* item = FindInputItemByID(id)) item->SetValue(value);
}

double TMotorFactor::GetReductionRatio() {
    TInputData* item = FindInputItemByID(kItemReductionRatio);
    return item ? item->GetValue() : 0;
}

void TMotorFactor::SetReductionRatio(double x) { SetItem(kItemReductionRatio, x); }

void TMotorFactor::ApplyMotor(const TMotorGearData& motor) {
    Motor = &motor;
    SetItem(kItemGearInertia, motor.GearInertia);
    SetItem(kItemGearTorque, motor.GearTorque);
    SetItem(kItemReductionRatio, motor.MotorGearCode == 1 ? motor.RatioValue : 1.0);
    SetItem(kItemGearEfficiency, motor.GearEfficiency);
    SetItem(kItemBacklash, motor.Backlash / 60.0);
}

void TMotorFactor::ResetMotorInputs() {
    SetItem(kItemGearInertia, 0);
    SetItem(kItemGearTorque, 0);
    SetItem(kItemReductionRatio, 1.0);
    SetItem(kItemGearEfficiency, 1.0);
    SetItem(kItemBacklash, 0);
}

// ---- TUserFactor ----

TUserFactor::TUserFactor(TMachineServices& services, TBlock* block) : TFactor(services, block) { isUser_ = true; }

std::unique_ptr<TFactor> TUserFactor::Clone() const {
    auto c = std::make_unique<TUserFactor>(*services_, Block);
    CopyInto(*c);
    c->FormulaText = FormulaText;
    if (Owner) c->Owner = Owner->Clone();
    for (const auto& item : DefaultItems) c->DefaultItems.push_back(item->Clone());
    return c;
}

void TUserFactor::Bind(TMachineServices& services) {
    TFactor::Bind(services);
    if (Owner) Owner->Bind(services);
}

void TUserFactor::SaveToXML(pugi::xml_node& parent) const {
    const_cast<TUserFactor*>(this)->InputItems();
    pugi::xml_node factor = parent.append_child("Factor");
    SaveFactorElement(factor);
    pugi::xml_node user = factor.append_child("UserFactor");
    user.append_child("Caption").text().set(Name.c_str());
    user.append_child("OwnerFactorID").text().set(std::to_string(Owner ? Owner->ID : 0).c_str());
}

void TUserFactor::LoadInputItems() {
    // The catalog way first, so a broken owner code fails here as it would for the owner.
    {
        const TScopedRestore<int> ownID(ID, Owner ? Owner->ID : ID);
        BuildCatalogItems(ID);
    }
    items_.clear();
    for (const auto& item : DefaultItems) items_.push_back(item->Clone());
}

}  // namespace kinemo
