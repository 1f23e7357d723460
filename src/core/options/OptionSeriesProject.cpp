// Option series page: its project section.
#include "options/OptionSeriesModel.h"

#include <cerrno>
#include <climits>
#include <cstdlib>
#include <vector>

namespace kinemo {

namespace {

// Whole text as a decimal integer; false when it is not one.
bool ParseWhole(const std::string& text, int& value) {
    if (text.empty()) return false;
    char* end = nullptr;
    errno = 0;
    const long v = std::strtol(text.c_str(), &end, 10);
    if (*end != '\0' || errno == ERANGE || v < INT_MIN || v > INT_MAX) return false;
    value = static_cast<int>(v);
    return true;
}

}  // namespace

void TOptionSeriesModel::SaveSection(pugi::xml_node section) {
    auto put = [&section](const char* name, const std::string& text) { section.append_child(name).text().set(text.c_str()); };
    put("CurrentSelectButton", directInput_ ? "DirectInput" : "SearchItem");
    put("CurrentSelectRadioButton", std::to_string(ampChoice_));
    const TMotor* shown = SelectedRecord();
    put("CurrentSelectAmp", shown ? shown->msv_amplifier1 : std::string());
    put("CurrentInputMotor", InputMotor);
    put("CurrentInputAmp", InputAmp);
    put("Function", currentFunction_ >= 0 ? std::to_string(functions_[static_cast<size_t>(currentFunction_)].Code) : "");
    put("Series", std::to_string(currentSeriesCode_));
    pugi::xml_node conditions = section.append_child("SearchCondition");
    for (int i = 0; i < kOptionSearchItemCount; ++i) {
        const TOptionSearchItem& item = items_[static_cast<size_t>(i)];
        pugi::xml_node node = conditions.append_child(kOptionSearchItems[static_cast<size_t>(i)].Key);
        if (item.WantedCode != -1) node.append_child("CurrentID").text().set(std::to_string(item.WantedCode).c_str());
        for (int j = 0; j < kOptionSearchItemCount; ++j) {
            if (item.Restrictions[static_cast<size_t>(j)] == 0) continue;
            pugi::xml_node where = node.append_child("Where");
            where.append_attribute("id").set_value(std::to_string(j).c_str());
            where.text().set(std::to_string(item.Restrictions[static_cast<size_t>(j)]).c_str());
        }
    }
}

void TOptionSeriesModel::LoadSection(pugi::xml_node section) {
    loading_ = true;
    try {
        ResetAll(true);
        ResetDirectInput();
        int code = 0;
        bool haveSeries = false;
        if (ParseWhole(section.child("Function").text().as_string(), code)) {
            size_t i = 0;
            for (; i < functions_.size() && functions_[i].Code != code; ++i) {
            }
            if (i == functions_.size()) {
                std::vector<TMotorFunction> hidden = ReadFunctions("SELECT * FROM m_motor_function WHERE mmf_cd = " + std::to_string(code));
                if (!hidden.empty()) {
                    functions_ = std::move(hidden);
                    i = 0;
                }
            }
            if (i < functions_.size()) {
                currentFunction_ = static_cast<int>(i);
                const auto& series = functions_[i].Series;
                int seriesCode = 0;
                size_t s = 0;
                if (ParseWhole(section.child("Series").text().as_string(), seriesCode))
                    for (; s < series.size() && series[s].Code != seriesCode; ++s) {
                    }
                if (!series.empty()) {
                    currentSeries_ = static_cast<int>(s < series.size() ? s : 0);
                    currentSeriesCode_ = series[static_cast<size_t>(currentSeries_)].Code;
                    haveSeries = true;
                    RefillSearchItems();
                }
            }
        }
        if (!haveSeries && !functions_.empty()) {
            currentFunction_ = 0;
            if (!functions_[0].Series.empty()) {
                currentSeries_ = 0;
                currentSeriesCode_ = functions_[0].Series[0].Code;
                RefillSearchItems();
            }
        }
        bool applied = false;
        if (pugi::xml_node conditions = section.child("SearchCondition")) {
            for (int i = 0; i < kOptionSearchItemCount; ++i) {
                pugi::xml_node node = conditions.child(kOptionSearchItems[static_cast<size_t>(i)].Key);
                // An item without its own CurrentID takes none (no carried-over code).
                int wanted = -1;
                // The program writes one CurrentID and one Where per id: a repeated entry is
                // read once (a selection refills every item from the catalog).
                bool currentRead = false;
                std::vector<bool> whereRead(static_cast<size_t>(kOptionSearchItemCount), false);
                for (pugi::xml_node child : node.children()) {
                    TOptionSearchItem& item = items_[static_cast<size_t>(i)];
                    const std::string name = child.name();
                    if (name == "Where") {
                        int id = -1;
                        if (ParseWhole(child.attribute("id").as_string(), id) && id >= 0 && id < kOptionSearchItemCount &&
                            !whereRead[static_cast<size_t>(id)]) {
                            whereRead[static_cast<size_t>(id)] = true;
                            int v = 0;
                            item.Restrictions[static_cast<size_t>(id)] = ParseWhole(child.text().as_string(), v) ? v : 0;
                        }
                    } else if (name == "CurrentID") {
                        if (currentRead) continue;
                        currentRead = true;
                        if (!ParseWhole(child.text().as_string(), wanted)) wanted = -1;
                    }
                    const int index = wanted == -1 ? -1 : item.IndexOfCode(wanted);
                    if (index >= 0) {
                        item.Selected = index;
                        if (item.CurrentCode() != item.WantedCode) {
                            item.WantedCode = item.CurrentCode();
                            RefillSearchItems();
                        }
                        applied = true;
                    } else if (wanted != -1) {
                        item.WantedCode = wanted;
                    }
                }
            }
        }
        if (!applied && currentSeriesCode_ != 0) RefillSearchItems();
        loading_ = false;
        Search();
        loading_ = true;
        const std::string button = section.child("CurrentSelectButton").text().as_string();
        directInput_ = button == "DirectInput";
        int radio = 0;
        if (ParseWhole(section.child("CurrentSelectRadioButton").text().as_string(), radio) && radio >= 0 &&
            radio < static_cast<int>(ampChoices_.size()))
            ampChoice_ = radio;
        const std::string amp = section.child("CurrentSelectAmp").text().as_string();
        for (size_t i = 0; i < records_.size(); ++i)
            if (!amp.empty() && records_[i]->msv_amplifier1 == amp) selected_ = static_cast<int>(i);
        InputMotor = NormalizeModel(section.child("CurrentInputMotor").text().as_string());
        InputAmp = NormalizeModel(section.child("CurrentInputAmp").text().as_string());
    } catch (...) {
        loading_ = false;
        throw;
    }
    loading_ = false;
    Changed();
}

}  // namespace kinemo
