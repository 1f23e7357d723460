// Motor data sheets of the user: reading, checking, writing and turning them into motor
// records for the judgement.
#include "torque/UserMotorSheet.h"

#include "torque/MotorReference.h"

#include "base/AtomicFile.h"
#include "base/Catalog.h"
#include "base/CatalogText.h"
#include "base/ErrorMessage.h"
#include "base/KinemoError.h"
#include "base/NameValueList.h"
#include "base/NumberText.h"
#include "base/TextFormat.h"
#include "base/FileLimits.h"

#include <pugixml.hpp>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <filesystem>
#include <sstream>

namespace kinemo {

namespace {

constexpr const char* kRoot = "KinemoMotor";

using ERule = TUserMotorItem::ERule;

std::string ErrorText(const TUserMotorTexts& texts, const std::string& key, const FormatArgs& args) {
    const std::string format = texts.Errors ? texts.Errors->GetText(key) : std::string();
    return format.empty() ? key : FormatText(format, args);
}

// A model name is also the file name of its sheet: letters, digits, '-', '_' and '.'.
bool IsFileSafeModel(const std::string& model) {
    if (model.empty() || model.front() == '.' || model.size() > 64) return false;
    return std::all_of(model.begin(), model.end(), [](unsigned char c) {
        return std::isalnum(c) || c == '-' || c == '_' || c == '.';
    });
}

// The sheet as catalog columns: its values, the fixed ones of a motor without gear head,
// and the texts of the user-defined series.
class TSheetColumns : public IMotorColumns {
public:
    TSheetColumns(const TUserMotorSheet& sheet, const TUserMotorTexts& texts) {
        for (const TUserMotorItem& item : TUserMotorSheet::Items())
            if (item.Column && sheet.Has(item.Element)) values_[item.Column] = sheet.Value(item.Element);
        values_["msv_msmg_cd"] = "2";  // no gear head
        values_["msv_gearinertia"] = "0";
        values_["msv_geartorque"] = "0";
        values_["msv_m_geareta"] = "1";
        values_["msgr_value"] = "1";
        values_["msv_s_backlash"] = "0";
        values_["msv_backlash"] = "-";
        // Codes below every catalog code: the motor is found again by its model name.
        values_["msv_cd"] = std::to_string(TMotorReference::kUserCode);
        values_["mxc_cd"] = std::to_string(TMotorReference::kUserCode);
        values_["mmp_cd"] = "0";
        values_["tms_name"] = texts.Label("SeriesName");
        values_["mmf_value"] = texts.Label("FunctionName");
        const bool brake = sheet.Value("Brake") == "1";
        values_["msb_name"] = texts.Label(brake ? "BrakeWith" : "BrakeWithout");
        values_["msb_value"] = values_["msb_name"];
        double rated = 0, speed = 0;
        TryTextToFloat(sheet.Value("RatedTorque"), rated);
        TryTextToFloat(sheet.Value("RatedSpeed"), speed);
        values_["mso_name"] = FormatText(texts.Label("OutputFormat"), {FloatToText(std::round(rated * speed * 2 * 3.14159265358979323846 / 60))});
        values_["mss_name"] = FormatText(texts.Label("SupplyFormat"), {sheet.Value("SupplyVoltage")});
        // The amplifier's model is shown where a catalog motor shows its amplifier.
        values_["msv_amplifier1"] = sheet.Value("Amplifier");
        values_["msv_amplifier2"] = sheet.Value("Amplifier");
    }
    bool Has(const char* column) const override { return values_.count(column) != 0; }
    std::string Text(const char* column) const override { return At(column); }
    long long Integer(const char* column) const override { return std::llround(Float(column)); }
    double Float(const char* column) const override {
        double x = 0;
        return TryTextToFloat(At(column), x) ? x : 0;
    }

private:
    std::string At(const char* column) const {
        auto it = values_.find(column);
        return it == values_.end() ? std::string() : it->second;
    }
    std::map<std::string, std::string> values_;
};

}  // namespace

// ---- TUserMotorTexts ----

TUserMotorTexts TUserMotorTexts::Load(TCatalogQuery& query, const TErrorMessage& errors) {
    TUserMotorTexts t;
    t.Labels = ReadMessageClass(query, "user_motor");
    t.Errors = &errors;
    return t;
}

std::string TUserMotorTexts::Label(const std::string& element) const {
    const std::string text = Labels.Value(element);
    return text.empty() ? element : text;
}

// ---- TUserMotorSheet ----

const std::vector<TUserMotorItem>& TUserMotorSheet::Items() {
    static const std::vector<TUserMotorItem> items = {
        {"Model", "msv_model_all", ERule::Text, true},
        {"Amplifier", "msv_amplifier", ERule::Text, true},
        {"Brake", nullptr, ERule::Flag, true},
        {"RatedTorque", "msv_s_ratedtorque", ERule::Positive, true},
        {"MaxTorque", "msv_s_maxtorque", ERule::AtLeastRatedTorque, true},
        {"RatedSpeed", "msv_s_ratedspeed", ERule::Positive, true},
        {"MaxSpeed", "msv_s_maxspeed", ERule::AtLeastRatedSpeed, true},
        {"RotorInertia", "msv_s_rotorinertia", ERule::Positive, true},
        {"AllowableInertiaRatio", "msv_m_warninginertia", ERule::Positive, true},
        {"PhaseResistance", "msv_s_phaseresistance", ERule::Positive, true},
        {"RatedCurrent", "msv_s_ratedcurrent", ERule::Positive, true},
        {"SupplyVoltage", "mss_n_supply", ERule::Positive, true},
        {"TripVoltage", "msv_m_tripsupply", ERule::AboveSupplyPeak, true},
        {"BusCapacitance", "msv_m_capacitor", ERule::Positive, true},
        {"AllowableRegenerativePower", "msv_m_allowabledischarge", ERule::NotNegative, true},
        {"MomentaryRegenerativePower", "msv_m_momentarydischarge", ERule::Positive, true},
        {"ExternalResistorPower", "msv_m_externalresistor", ERule::NotNegative, true},
        {"ExternalResistorCapacity", "msv_m_externalresistorcapacity", ERule::NotNegative, true},
        {"ExternalResistor", "msv_pureexternalresistor", ERule::Text, false},
        {"WarningTorqueDefault", "msv_m_warningtorquedef", ERule::Fraction, true},
        {"WarningTorqueHigh", "msv_m_warningtorquehigh", ERule::Fraction, true},
        {"WarningTorqueLow", "msv_m_warningtorquelow", ERule::Fraction, true},
        {"WarningAllowableDischarge", "msv_m_warningallowabledischarge", ERule::Fraction, true},
        {"WarningMomentaryDischarge", "msv_m_warningmomentarydischarge", ERule::Fraction, true},
    };
    return items;
}

std::string TUserMotorSheet::Value(const std::string& element) const {
    auto it = values_.find(element);
    return it == values_.end() ? std::string() : it->second;
}

void TUserMotorSheet::Validate(const TUserMotorTexts& texts) const {
    const std::string model = Model().empty() ? std::string("?") : Model();
    auto number = [&](const char* element) {
        double x = 0;
        TryTextToFloat(Value(element), x);
        return x;
    };
    for (const TUserMotorItem& item : Items()) {
        const std::string label = texts.Label(item.Element);
        const std::string text = Value(item.Element);
        if (text.empty()) {
            if (item.Required) throw TKinemoError(ErrorText(texts, "UserMotorValueMissing", {model, label}));
            continue;
        }
        if (item.Rule == ERule::Text) {
            if (std::string(item.Element) == "Model" && !IsFileSafeModel(text))
                throw TKinemoError(ErrorText(texts, "UserMotorModelInvalid", {text}));
            continue;
        }
        double x = 0;
        if (!TryTextToFloat(text, x) || !std::isfinite(x))
            throw TKinemoError(ErrorText(texts, "UserMotorValueNotNumber", {model, label, text}));
        std::string rule;  // the allowed range, when x breaks it
        switch (item.Rule) {
            case ERule::Positive:
                if (!(x > 0)) rule = texts.Label("RulePositive");
                break;
            case ERule::NotNegative:
                if (!(x >= 0)) rule = texts.Label("RuleNotNegative");
                break;
            case ERule::Fraction:
                if (!(x > 0 && x <= 1)) rule = texts.Label("RuleFraction");
                break;
            case ERule::Flag:
                if (x != 0 && x != 1) rule = texts.Label("RuleFlag");
                break;
            case ERule::AtLeastRatedTorque:
                if (!(x >= number("RatedTorque") && x > 0))
                    rule = FormatText(texts.Label("RuleAtLeast"), {texts.Label("RatedTorque")});
                break;
            case ERule::AtLeastRatedSpeed:
                if (!(x >= number("RatedSpeed") && x > 0))
                    rule = FormatText(texts.Label("RuleAtLeast"), {texts.Label("RatedSpeed")});
                break;
            case ERule::AboveSupplyPeak:
                // The bus charges to the supply's peak: a trip level below it trips at once.
                if (!(x > std::sqrt(2.0) * number("SupplyVoltage")))
                    rule = FormatText(texts.Label("RuleAboveSupplyPeak"), {texts.Label("SupplyVoltage")});
                break;
            case ERule::Text: break;
        }
        if (!rule.empty()) throw TKinemoError(ErrorText(texts, "UserMotorValueOutOfRange", {model, label, text, rule}));
    }
    // The rated output is shown as the motor's output: values each finite can still
    // multiply beyond every number (1e308 N·m at 1e300 r/min).
    if (!std::isfinite(number("RatedTorque") * number("RatedSpeed") * 2 * 3.14159265358979323846 / 60))
        throw TKinemoError(ErrorText(texts, "UserMotorValueOutOfRange",
                                     {model, texts.Label("RatedSpeed"), Value("RatedSpeed"), texts.Label("RuleFiniteOutput")}));
}

TUserMotorSheet TUserMotorSheet::Read(const std::string& path, const TUserMotorTexts& texts) {
    pugi::xml_document doc;
    // A sheet is a few hundred bytes: a huge file is refused before it is parsed.
    try {
        CheckFileSize(path, kMaxSheetFileBytes);
    } catch (const TFileTooLarge& e) {
        throw TKinemoError(texts.Errors ? FileTooLargeText(*texts.Errors, e) : std::string(e.what()));
    }
    const pugi::xml_parse_result parsed = doc.load_file(path.c_str());
    if (!parsed) throw TKinemoError(ErrorText(texts, "UserMotorFileUnreadable", {path, std::string(parsed.description())}));
    const pugi::xml_node root = doc.child(kRoot);
    if (!root) throw TKinemoError(ErrorText(texts, "UserMotorFileUnreadable", {path, std::string(kRoot)}));
    TUserMotorSheet sheet;
    for (const TUserMotorItem& item : Items()) {
        const pugi::xml_node node = root.child(item.Element);
        if (!node) continue;
        std::string text = node.text().as_string();
        text.erase(0, text.find_first_not_of(" \t\r\n"));
        text.erase(text.find_last_not_of(" \t\r\n") + 1);
        if (!text.empty()) sheet.values_[item.Element] = text;
    }
    return sheet;
}

void TUserMotorSheet::Write(const std::string& path) const {
    pugi::xml_document doc;
    pugi::xml_node decl = doc.append_child(pugi::node_declaration);
    decl.append_attribute("version") = "1.0";
    decl.append_attribute("encoding") = "UTF-8";
    pugi::xml_node root = doc.append_child(kRoot);
    root.append_attribute("Version") = "1";
    for (const TUserMotorItem& item : Items())
        if (Has(item.Element)) root.append_child(item.Element).text().set(Value(item.Element).c_str());
    std::ostringstream out;
    doc.save(out, "  ", pugi::format_default, pugi::encoding_utf8);
    WriteFileAtomically(path, out.str());
}

std::unique_ptr<TMotor> TUserMotorSheet::ToMotor(const TUserMotorTexts& texts) const {
    Validate(texts);
    auto motor = std::make_unique<TMotor>();
    FillMotor(TSheetColumns(*this, texts), *motor);
    return motor;
}

// ---- TUserMotorStore ----

TUserMotorStore::TUserMotorStore(std::string folder, const TUserMotorTexts& texts)
    : folder_(std::move(folder)), texts_(texts) {
    if (!folder_.empty() && folder_.back() != '/') folder_ += '/';
}

void TUserMotorStore::Reload() {
    sheets_.clear();
    paths_.clear();
    problems_.clear();
    std::vector<std::string> paths;
    std::error_code ec;
    for (const auto& entry : std::filesystem::directory_iterator(folder_, ec))
        if (entry.is_regular_file() && entry.path().extension() == TUserMotorSheet::Extension())
            paths.push_back(entry.path().string());
    std::sort(paths.begin(), paths.end());
    // A sheet counts only under its own name: one received under another file name must not
    // stand in for the user's motor of that model, nor be removed in its place.
    for (const std::string& path : paths) {
        try {
            TUserMotorSheet sheet = TUserMotorSheet::Read(path, texts_);
            sheet.Validate(texts_);
            const std::string model = sheet.Model();
            const std::string fileName = model + TUserMotorSheet::Extension();
            if (std::filesystem::path(path).filename().string() != fileName)
                throw TKinemoError(ErrorText(texts_, "UserMotorNameMismatch", {model, fileName}));
            for (const TUserMotorSheet& other : sheets_)
                if (SameText(other.Model(), model))
                    throw TKinemoError(ErrorText(texts_, "UserMotorDuplicate", {other.Model()}));
            sheets_.push_back(std::move(sheet));
            paths_.push_back(path);
        } catch (const std::exception& e) {
            problems_.push_back(ErrorText(texts_, "FileSkipped", {path, std::string(e.what())}));
        }
    }
}

const TUserMotorSheet* TUserMotorStore::Find(const std::string& model) const {
    for (const TUserMotorSheet& s : sheets_)
        if (s.Model() == model) return &s;
    return nullptr;
}

bool TUserMotorStore::Replaces(const TUserMotorSheet& sheet) const {
    for (const TUserMotorSheet& s : sheets_)
        if (SameText(s.Model(), sheet.Model())) return true;
    return FileExists(PathOf(sheet.Model()));
}

std::string TUserMotorStore::PathOf(const std::string& model) const {
    return folder_ + model + TUserMotorSheet::Extension();
}

std::string TUserMotorStore::Add(const TUserMotorSheet& sheet) {
    sheet.Validate(texts_);
    const std::string path = PathOf(sheet.Model());
    sheet.Write(path);
    // The same model under another spelling is the sheet replaced.
    for (size_t i = 0; i < sheets_.size(); ++i)
        if (SameText(sheets_[i].Model(), sheet.Model()) && paths_[i] != path) std::remove(paths_[i].c_str());
    Reload();
    return path;
}

bool TUserMotorStore::Remove(const std::string& model) {
    for (size_t i = 0; i < sheets_.size(); ++i) {
        if (sheets_[i].Model() != model) continue;
        // The file the sheet was read from, not a name made from the model.
        std::error_code ec;
        std::filesystem::remove(paths_[i], ec);
        Reload();
        return !Find(model);
    }
    return false;
}

}  // namespace kinemo
