// Named variants of one machine: each a copy of the element chain and the drive pattern
// with its own values, the motor search shared. The variant shown on the pages is the
// project's ordinary sections; the others are kept in a root element of our own
// ("Variants") that older readers skip. A project with one variant writes no such element,
// so it reads and writes exactly as before.
#pragma once

#include "base/NameValueList.h"
#include "base/ProjectSection.h"
#include "base/UserDialogs.h"

#include <memory>
#include <string>
#include <vector>

namespace kinemo {

class IProjectLoadHost;
class TCatalogQuery;
class TSizingSession;

// What the variant table shows for one variant.
struct TVariantFigures {
    std::string Name;
    std::string Error;  // why the variant could not be judged; empty when it was
    double JL = 0, TF = 0, V = 0;  // the load at the motor shaft of the motor chosen
    bool HasMotor = false;         // a motor passed
    std::string Motor;             // the smallest motor that passes
    double PeakTorque = 0, EffectiveTorque = 0;  // what the pattern needs of it, N·m
    double PeakPercent = 0, EffectivePercent = 0, InertiaRatio = 0, AllowedInertiaRatio = 0;
    long long Price = 0;  // motor and amplifier
};

class TDesignVariants : public IProjectSectionHandler {
public:
    static constexpr size_t kMaxNameLength = 40;

    TDesignVariants(TSizingSession& session, TCatalogQuery& query);
    ~TDesignVariants() override;

    std::string Text(const std::string& control) const { return texts_.Value(control); }
    std::vector<std::string> Names() const;
    int Current() const { return current_; }
    int Count() const { return static_cast<int>(variants_.size()); }

    // Each raises TKinemoError with the catalog's message and changes nothing on a bad name
    // (empty, too long, taken), an index out of range or, for those that change the
    // machine on the pages, a committed motor.
    // A copy of the current variant under name; the copy becomes current.
    void Add(const std::string& name);
    void Rename(int index, const std::string& name);
    // The current variant cannot be removed (switch first); nor can the last.
    void Remove(int index);
    // Shows the variant on the pages through a project load (window: the main window's
    // part in it); a load that fails leaves the project as it was.
    void Switch(int index, IProjectLoadHost* window = nullptr);

    // Judges every variant with the session's level and search, each in a session of its
    // own: the pages and their verdicts stay as they are (window is not needed for that and
    // is kept for the callers' sake).
    std::vector<TVariantFigures> Evaluate(IProjectLoadHost* window = nullptr, IProgress* progress = nullptr);

    void SaveSection(pugi::xml_node section) override;
    void LoadSection(pugi::xml_node section) override;

private:
    struct TVariant;
    void CheckName(const std::string& name, int except) const;
    void CheckIndex(int index) const;
    void CheckNotCommitted() const;
    // The project text with variant index on the pages.
    std::string TextWithCurrent(const std::string& projectText, int index) const;
    // The project of the pages, without variants (shown), with a kept variant's sections
    // on the pages instead, into one.
    static void OneVariant(const pugi::xml_document& shown, const pugi::xml_document& sections,
                           pugi::xml_document& one);
    // The table row of the variant judged in session.
    TVariantFigures Figures(TSizingSession& session, const std::string& name);

    TSizingSession& session_;
    TNameValueList texts_;
    std::vector<std::unique_ptr<TVariant>> variants_;
    int current_ = 0;
};

}  // namespace kinemo
