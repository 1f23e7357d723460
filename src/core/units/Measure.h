// Units of measure, their classes (quantities) and conversion between units of a class.
#pragma once

#include <map>
#include <memory>
#include <mutex>
#include <string>
#include <utility>
#include <vector>

namespace kinemo {

class TCatalogQuery;
class TConfigFile;
class TMeasureClass;

class TMeasure {
public:
    TMeasure(int code, std::string symbol, TMeasureClass* cls) : code_(code), symbol_(std::move(symbol)), class_(cls) {}
    int Code() const { return code_; }
    const std::string& Symbol() const { return symbol_; }
    TMeasureClass* MeasureClass() const { return class_; }

private:
    int code_;
    std::string symbol_;
    TMeasureClass* class_;
};

class TMeasureClass {
public:
    TMeasureClass(int code, std::string name, int catalogDefault)
        : code_(code), name_(std::move(name)), catalogDefault_(catalogDefault), userDefault_(catalogDefault) {}
    int Code() const { return code_; }
    const std::string& Name() const { return name_; }
    const std::vector<TMeasure*>& Measures() const { return measures_; }
    int CatalogDefaultCode() const { return catalogDefault_; }
    int UserDefaultCode() const { return userDefault_; }
    void SetUserDefaultCode(int code) { userDefault_ = code; }
    bool HasMeasure(int code) const;
    void AddMeasure(TMeasure* m) { measures_.push_back(m); }

private:
    int code_;
    std::string name_;
    int catalogDefault_;
    int userDefault_;
    std::vector<TMeasure*> measures_;  // not owned
};

class TMeasureManager {
public:
    // Loads classes and units with query; user defaults come from the settings file
    // ("USER_DEFAULT_MEASURE"), which may be null (catalog defaults only). Conversions
    // run on a private query on the same catalog.
    TMeasureManager(TCatalogQuery& query, const TConfigFile* settings);

    TMeasure* FindMeasure(int code) const;
    TMeasureClass* FindMeasureClass(int code) const;
    int ClassCount() const { return static_cast<int>(classes_.size()); }
    TMeasureClass* ClassAt(int index) const { return classes_.at(static_cast<size_t>(index)).get(); }
    TMeasure* DefaultMeasure(const TMeasureClass& cls) const { return FindMeasure(cls.UserDefaultCode()); }

    // value in unit `from` expressed in unit `to`. The same unit or a zero value never
    // reads the catalog; a pair without a conversion row gives 0. Each pair's factor is read
    // once: every chain run converts every input value.
    double Convert(int from, int to, double value) const;

    // Writes cls's chosen default into an open settings file (not to disk).
    static void WriteUserDefault(TConfigFile& settings, int classCode, int measureCode);

private:
    std::vector<std::unique_ptr<TMeasureClass>> classes_;
    std::vector<std::unique_ptr<TMeasure>> measures_;
    std::map<int, TMeasureClass*> classIndex_;
    std::map<int, TMeasure*> measureIndex_;
    // Sessions of several threads convert through the one manager of the context: the
    // conversion query and the factors read so far are used under this lock.
    mutable std::mutex convertMutex_;
    std::unique_ptr<TCatalogQuery> convertQuery_;
    mutable std::map<std::pair<int, int>, double> factors_;  // (from, to) -> factor read
};

}  // namespace kinemo
