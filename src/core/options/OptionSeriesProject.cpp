// Option series page: its project section.
#include "options/OptionSeriesModel.h"

#include "base/ScopedRestore.h"

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
    put("Function", CurrentFunction() >= 0 ? std::to_string(Functions()[static_cast<size_t>(CurrentFunction())].Code) : "");
    put("Series", std::to_string(browser_.CurrentSeriesCode()));
    pugi::xml_node conditions = section.append_child("SearchCondition");
    for (int i = 0; i < kBrowseItemCount; ++i) {
        const TBrowseItem& item = Item(i);
        pugi::xml_node node = conditions.append_child(kBrowseItems[static_cast<size_t>(i)].Key);
        if (item.WantedCode != -1) node.append_child("CurrentID").text().set(std::to_string(item.WantedCode).c_str());
        for (int j = 0; j < kBrowseItemCount; ++j) {
            if (item.Restrictions[static_cast<size_t>(j)] == 0) continue;
            pugi::xml_node where = node.append_child("Where");
            where.append_attribute("id").set_value(std::to_string(j).c_str());
            where.text().set(std::to_string(item.Restrictions[static_cast<size_t>(j)]).c_str());
        }
    }
}

void TOptionSeriesModel::LoadSection(pugi::xml_node section) {
    browser_.SetLoading(true);
    TRestoreOnExit loaded([&] { browser_.SetLoading(false); });
    {
        ResetAll(true);
        ResetDirectInput();
        int code = 0;
        bool haveSeries = false;
        if (ParseWhole(section.child("Function").text().as_string(), code)) {
            size_t i = 0;
            for (; i < Functions().size() && Functions()[i].Code != code; ++i) {
            }
            if (i == Functions().size()) {
                std::vector<TMotorFunction> hidden =
                    browser_.ReadFunctions("SELECT * FROM m_motor_function WHERE mmf_cd = " + std::to_string(code));
                if (!hidden.empty()) {
                    browser_.SetFunctions(std::move(hidden));
                    i = 0;
                }
            }
            if (i < Functions().size()) {
                const auto& series = Functions()[i].Series;
                int seriesCode = 0;
                size_t s = 0;
                if (ParseWhole(section.child("Series").text().as_string(), seriesCode))
                    for (; s < series.size() && series[s].Code != seriesCode; ++s) {
                    }
                if (!series.empty()) {
                    browser_.SetCurrent(static_cast<int>(i), static_cast<int>(s < series.size() ? s : 0));
                    haveSeries = true;
                }
            }
        }
        if (!haveSeries && !Functions().empty() && !Functions()[0].Series.empty()) browser_.SetCurrent(0, 0);
        bool applied = false;
        if (pugi::xml_node conditions = section.child("SearchCondition")) {
            for (int i = 0; i < kBrowseItemCount; ++i) {
                pugi::xml_node node = conditions.child(kBrowseItems[static_cast<size_t>(i)].Key);
                // An item without its own CurrentID takes none (no carried-over code).
                int wanted = -1;
                // The program writes one CurrentID and one Where per id: a repeated entry is
                // read once (a selection refills every item from the catalog).
                bool currentRead = false;
                std::vector<bool> whereRead(static_cast<size_t>(kBrowseItemCount), false);
                for (pugi::xml_node child : node.children()) {
                    TBrowseItem& item = browser_.MutableItem(i);
                    const std::string name = child.name();
                    if (name == "Where") {
                        int id = -1;
                        if (ParseWhole(child.attribute("id").as_string(), id) && id >= 0 && id < kBrowseItemCount &&
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
                            browser_.RefillSearchItems();
                        }
                        applied = true;
                    } else if (wanted != -1) {
                        item.WantedCode = wanted;
                    }
                }
            }
        }
        if (!applied && browser_.CurrentSeriesCode() != 0) browser_.RefillSearchItems();
        browser_.SetLoading(false);
        browser_.Search();
        browser_.SetLoading(true);
        const std::string button = section.child("CurrentSelectButton").text().as_string();
        directInput_ = button == "DirectInput";
        int radio = 0;
        if (ParseWhole(section.child("CurrentSelectRadioButton").text().as_string(), radio) && radio >= 0 &&
            radio < static_cast<int>(ampChoices_.size()))
            ampChoice_ = radio;
        const std::string amp = section.child("CurrentSelectAmp").text().as_string();
        for (size_t i = 0; i < Records().size(); ++i)
            if (!amp.empty() && Records()[i]->msv_amplifier1 == amp) browser_.Select(static_cast<int>(i));
        InputMotor = NormalizeModel(section.child("CurrentInputMotor").text().as_string());
        InputAmp = NormalizeModel(section.child("CurrentInputAmp").text().as_string());
    }
    loaded.RunNow();
    Changed();
}

}  // namespace kinemo
