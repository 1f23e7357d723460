// Input items of machine elements and their project-file form.
#include "machine/InputData.h"

#include "base/Catalog.h"
#include "base/CatalogText.h"
#include "base/KinemoError.h"
#include "units/Measure.h"
#include "units/ValueFormat.h"

#include <pugixml.hpp>

#include <charconv>
#include <cmath>

namespace kinemo {

namespace {

// An integer attribute or 0 when missing or not a number.
int IntAttribute(const pugi::xml_node& node, const char* name) {
    std::string text = node.attribute(name).value();
    int v = 0;
    auto [p, ec] = std::from_chars(text.data(), text.data() + text.size(), v);
    return ec == std::errc() && p == text.data() + text.size() ? v : 0;
}

pugi::xml_node AppendValue(pugi::xml_node& parent, int id, const std::string& text) {
    pugi::xml_node v = parent.append_child("Value");
    v.append_attribute("InputDataID").set_value(std::to_string(id).c_str());
    v.text().set(text.c_str());
    return v;
}

double Convert(const TMeasureManager* m, TMeasure* from, TMeasure* to, double value) {
    if (!m || !from || !to) return value;
    return m->Convert(from->Code(), to->Code(), value);
}

TMeasure* DefaultFor(const TMeasureManager* m, TMeasure* unit) {
    return m && unit ? m->DefaultMeasure(*unit->MeasureClass()) : nullptr;
}

TMeasure* MeasureAttribute(const TMeasureManager* m, const pugi::xml_node& node) {
    const int code = IntAttribute(node, "MeasureID");
    return code != 0 && m ? m->FindMeasure(code) : nullptr;
}

// The range columns of our own are read apart from the row above, by name, so that a
// catalog without them limits nothing.
TInputRange ReadInputRange(int code, TCatalogQuery& query) {
    TInputRange range;
    query.Close();
    query.SetSQL(std::vector<std::string>{"SELECT * FROM t_machine_value", "WHERE tmv_cd=:ID"});
    query.SetParam("ID", code);
    query.Open();
    auto limit = [&](const char* column, const char* openColumn, bool& has, double& value, bool& open) {
        if (!query.HasField(column) || query.IsNull(column)) return;
        const std::string text = query.AsString(column);
        if (!TryTextToFloat(text, value))
            throw TKinemoError("Catalog: limit '" + text + "' of input value " + std::to_string(code) +
                               " is not a number");
        has = true;
        open = query.HasField(openColumn) && !query.IsNull(openColumn) && query.AsInteger(openColumn) == 1;
    };
    if (!query.Eof()) {
        limit("tmv_min_value", "tmv_min_open", range.HasMin, range.Min, range.MinOpen);
        limit("tmv_max_value", "tmv_max_open", range.HasMax, range.Max, range.MaxOpen);
    }
    query.Close();
    return range;
}

}  // namespace

TInputDataTexts TInputDataTexts::Load(TCatalogQuery& query) {
    TInputDataTexts t;
    query.Close();
    query.SetSQL("select msg_control, msg_value from s_message where msg_class = \"input_data\"");
    query.Open();
    for (; !query.Eof(); query.Next()) t.Texts.SetValue(query.AsString(0), query.AsString(1));
    query.Close();
    return t;
}

bool TInputRange::Contains(double x) const {
    if (!std::isfinite(x)) return false;
    if (HasMin && (MinOpen ? x <= Min : x < Min)) return false;
    if (HasMax && (MaxOpen ? x >= Max : x > Max)) return false;
    return true;
}

// ---- TInputData ----

// Every field, the unit the user chose and whether it was chosen included: a copied
// element shows and saves its values as the original does.
std::unique_ptr<TCustomInputData> TInputData::Clone() const { return std::make_unique<TInputData>(*this); }

double TInputData::GetValue() const { return ToFormula(Value); }

double TInputData::ToFormula(double displayValue) const {
    if (FormulaUnit && DisplayUnit && FormulaUnit->Code() != DisplayUnit->Code())
        return Convert(measures_, DisplayUnit, FormulaUnit, displayValue);
    return displayValue;
}

void TInputData::SetValue(double formulaValue) { Value = ToDisplay(formulaValue); }

double TInputData::ToDisplay(double formulaValue) const {
    if (FormulaUnit && DisplayUnit && FormulaUnit->Code() != DisplayUnit->Code())
        return Convert(measures_, FormulaUnit, DisplayUnit, formulaValue);
    return formulaValue;
}

void TInputData::ChangeDisplayUnit(TMeasure* unit) {
    if (DisplayUnit && unit) Value = Convert(measures_, DisplayUnit, unit, Value);
    DisplayUnit = unit;
}

void TInputData::LoadFromXML(const pugi::xml_node& value) {
    double v = 0;
    const std::string text = value.text().get();
    // A value too large for its display unit (1e308 kg·m² shown in kg·cm²) could be neither
    // shown nor saved again: it is refused like text that is no number.
    if (!TryTextToFloat(text, v) || !std::isfinite(ToDisplay(v)))
        throw TInputValueError(text, Name);
    SetValue(v);
    if (TMeasure* unit = MeasureAttribute(measures_, value)) {
        ChangeDisplayUnit(unit);
        UnitChanged = true;
    }
}

void TInputData::SaveToXML(pugi::xml_node& parent) const {
    pugi::xml_node v = AppendValue(parent, ID, FloatToText(GetValue()));
    if (UnitChanged && DisplayUnit)
        v.append_attribute("MeasureID").set_value(std::to_string(DisplayUnit->Code()).c_str());
}

// ---- TExternalForceInputData ----

TExternalForceInputData::TExternalForceInputData(const TNameValueList& texts) {
    ID = kExternalForceID;
    Name = texts.Value("ExternalForceCaption");
    Choices = {texts.Value("ExternalForceWhole"), texts.Value("ExternalForcePart")};
}

std::unique_ptr<TCustomInputData> TExternalForceInputData::Clone() const {
    auto c = std::make_unique<TExternalForceInputData>(*this);
    return c;
}

void TExternalForceInputData::LoadFromXML(const pugi::xml_node& value) {
    const std::string text = value.text().get();
    Choice = text == "1" ? 1 : 0;
}

void TExternalForceInputData::SaveToXML(pugi::xml_node& parent) const {
    AppendValue(parent, ID, std::to_string(Choice));
}

// ---- TMemoInputData ----

TMemoInputData::TMemoInputData(const TNameValueList& texts) {
    ID = kMemoID;
    Name = texts.Value("MemoCaption");
}

std::unique_ptr<TCustomInputData> TMemoInputData::Clone() const { return std::make_unique<TMemoInputData>(*this); }

std::string TMemoInputData::Limited(const std::string& text) {
    int lines = 1;
    size_t chars = 0;
    for (size_t i = 0; i < text.size(); ++i) {
        const unsigned char c = static_cast<unsigned char>(text[i]);
        if (c == '\n' && ++lines > kMaxLines) return text.substr(0, i > 0 && text[i - 1] == '\r' ? i - 1 : i);
        if ((c & 0xC0) != 0x80 && c != '\r' && ++chars > kMaxChars) return text.substr(0, i);
    }
    return text;
}

void TMemoInputData::LoadFromXML(const pugi::xml_node& value) { Text = Limited(value.text().get()); }

void TMemoInputData::SaveToXML(pugi::xml_node& parent) const { AppendValue(parent, ID, Text); }

// ---- TCalcInputData ----

TCalcInputData::TCalcInputData(const TMeasureManager* measures, std::string title, std::string formula, TMeasure* unit)
    : Formula(std::move(formula)), Unit(unit), DisplayUnit(DefaultFor(measures, unit)), measures_(measures) {
    ID = kCalcID;
    Name = std::move(title);
}

std::unique_ptr<TCustomInputData> TCalcInputData::Clone() const { return std::make_unique<TCalcInputData>(*this); }

void TCalcInputData::SetResult(double x) {
    Value = x;
    DisplayValue = DisplayUnit ? Convert(measures_, Unit, DisplayUnit, x) : x;
}

void TCalcInputData::ChangeDisplayUnit(TMeasure* unit) {
    if (DisplayUnit && unit) DisplayValue = Convert(measures_, DisplayUnit, unit, DisplayValue);
    DisplayUnit = unit;
}

void TCalcInputData::LoadFromXML(const pugi::xml_node& value) {
    double v = 0;
    Value = TryTextToFloat(value.text().get(), v) ? v : 0;
    if (TMeasure* unit = MeasureAttribute(measures_, value)) {
        ChangeDisplayUnit(unit);
        UnitChanged = true;
    }
}

void TCalcInputData::SaveToXML(pugi::xml_node& parent) const {
    pugi::xml_node v = AppendValue(parent, ID, FloatToText(Value));
    if (UnitChanged && DisplayUnit)
        v.append_attribute("MeasureID").set_value(std::to_string(DisplayUnit->Code()).c_str());
}

// ---- building ----

std::unique_ptr<TInputData> CreateInputData(int code, TCatalogQuery& query, const TMeasureManager& measures) {
    query.Close();
    query.SetSQL(std::vector<std::string>{
        "SELECT tmv_cd, tmv_name,tmv_symbol,tmv_start_value,tmv_max_value,tmv_muv_cd, tmv_req_value",
        "FROM t_machine_value", "WHERE tmv_cd=:ID", "ORDER BY tmv_cd"});
    query.SetParam("ID", code);
    query.Open();
    if (query.Eof()) {
        query.Close();
        return nullptr;
    }
    auto item = std::make_unique<TInputData>(&measures);
    item->ID = static_cast<int>(query.AsInteger("tmv_cd"));
    item->Name = query.AsString("tmv_name");
    item->Symbol = query.AsString("tmv_symbol");
    item->FormulaUnit = measures.FindMeasure(static_cast<int>(query.AsInteger("tmv_muv_cd")));
    item->DisplayUnit = DefaultFor(&measures, item->FormulaUnit);
    item->Optional = query.AsInteger("tmv_req_value") != 1;
    const bool hasStart = !query.IsNull("tmv_start_value");
    const std::string start = query.AsString("tmv_start_value");
    query.Close();
    if (hasStart) {
        double x = 0;
        if (!TryTextToFloat(start, x))
            throw TKinemoError("Catalog: start value '" + start + "' of input value " + std::to_string(code) +
                               " is not a number");
        item->Value = item->FormulaUnit && item->DisplayUnit
                          ? measures.Convert(item->FormulaUnit->Code(), item->DisplayUnit->Code(), x)
                          : x;
    }
    item->Range = ReadInputRange(code, query);
    return item;
}

TCarryValueUnit::TCarryValueUnit(TCatalogQuery& query, const TMeasureManager& measures) {
    query.Close();
    query.SetSQL(std::vector<std::string>{
        "select tmv_symbol, muv_cd",
        "from t_machine_unit_value inner join t_machine_value on t_machine_unit_value.muv_cd = "
        "t_machine_value.tmv_muv_cd",
        "where tmv_symbol in (\"Aout\", \"Bout\", \"Fout\", \"JLout\", \"JFout\", \"Hout\", \"TUout\", \"THout\", "
        "\"Uout\", \"Vout\", \"WAout\", \"TFout\", \"WJout\", \"Jg\", \"Tg\", \"B\")"});
    query.Open();
    for (; !query.Eof(); query.Next())
        entries_.emplace_back(query.AsString(0), measures.FindMeasure(static_cast<int>(query.AsInteger(1))));
    query.Close();
}

TMeasure* TCarryValueUnit::GetUnit(const std::string& symbol) const {
    for (const auto& [s, unit] : entries_)
        if (s == symbol) return unit;
    return nullptr;
}

}  // namespace kinemo
