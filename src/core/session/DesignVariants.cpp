// Design variants: kept sections, switching through a project load, the variant table.
#include "session/DesignVariants.h"

#include "session/SizingSession.h"
#include "session/KinemoContext.h"
#include "base/Catalog.h"
#include "base/CatalogText.h"
#include "base/KinemoError.h"
#include "base/TextFormat.h"
#include "selection/MotorComparison.h"
#include "torque/FigureExplanation.h"
#include "torque/Motor.h"

#include <pugixml.hpp>

#include <algorithm>
#include <sstream>

namespace kinemo {

namespace {

constexpr const char* kSections[] = {"FrameChoiceFactor", "FrameInputPattern"};

bool Passes(const TMotor& m) {
    const TVerdict v = OverallVerdict(m);
    return v == TVerdict::Pass || v == TVerdict::Warning;
}

// The smaller motor is the one of less rated power; of equal power, the cheaper.
bool Smaller(const TMotor& a, const TMotor& b) {
    const double pa = a.MotorRatedTorque * a.MotorRatedSpeed, pb = b.MotorRatedTorque * b.MotorRatedSpeed;
    if (pa != pb) return pa < pb;
    const long long ca = static_cast<long long>(a.msv_motor_price) + a.msv_amp_price;
    const long long cb = static_cast<long long>(b.msv_motor_price) + b.msv_amp_price;
    if (ca != cb) return ca < cb;
    return a.msv_model_all < b.msv_model_all;
}

}  // namespace

struct TDesignVariants::TVariant {
    std::string Name;
    pugi::xml_document Sections;  // the two sections of a variant not shown; empty for the current one
};

TDesignVariants::TDesignVariants(TSizingSession& session, TCatalogQuery& query)
    : session_(session), texts_(ReadMessageClass(query, "design_variants", true)) {
    LoadSection(pugi::xml_node());
}

TDesignVariants::~TDesignVariants() = default;

std::vector<std::string> TDesignVariants::Names() const {
    std::vector<std::string> names;
    for (const auto& v : variants_) names.push_back(v->Name);
    return names;
}

void TDesignVariants::CheckName(const std::string& name, int except) const {
    if (name.find_first_not_of(" \t") == std::string::npos) throw TKinemoError(Text("EmptyNameError"));
    if (name.size() > kMaxNameLength)
        throw TKinemoError(FormatText(Text("LongNameError"), {static_cast<long long>(kMaxNameLength)}));
    for (int i = 0; i < Count(); ++i)
        if (i != except && variants_[static_cast<size_t>(i)]->Name == name)
            throw TKinemoError(FormatText(Text("SameNameError"), {name}));
}

void TDesignVariants::CheckIndex(int index) const {
    if (index < 0 || index >= Count()) throw TKinemoError(Text("NoVariantError"));
}

void TDesignVariants::CheckNotCommitted() const {
    if (session_.CommittedMotor()) throw TKinemoError(Text("CommittedError"));
}

void TDesignVariants::Add(const std::string& name) {
    CheckNotCommitted();
    CheckName(name, -1);
    // The copy starts with the values on the pages: they stay, and the variant left keeps a copy.
    TVariant& old = *variants_[static_cast<size_t>(current_)];
    pugi::xml_document doc;
    if (doc.load_string(session_.ProjectText().c_str())) {
        pugi::xml_node root = doc.child("KINEMO");
        for (const char* s : kSections) old.Sections.append_copy(root.child(s));
    }
    auto v = std::make_unique<TVariant>();
    v->Name = name;
    variants_.push_back(std::move(v));
    current_ = Count() - 1;
    session_.MarkModified();
}

void TDesignVariants::Rename(int index, const std::string& name) {
    CheckIndex(index);
    CheckName(name, index);
    variants_[static_cast<size_t>(index)]->Name = name;
    session_.MarkModified();
}

void TDesignVariants::Remove(int index) {
    CheckIndex(index);
    if (index == current_) throw TKinemoError(Text("RemoveCurrentError"));
    variants_.erase(variants_.begin() + index);
    if (index < current_) --current_;
    session_.MarkModified();
}

std::string TDesignVariants::TextWithCurrent(const std::string& projectText, int index) const {
    if (index == current_) return projectText;
    pugi::xml_document doc;
    if (!doc.load_string(projectText.c_str())) throw TKinemoError(Text("NoVariantError"));
    pugi::xml_node root = doc.child("KINEMO");
    pugi::xml_node all = root.child("Variants");
    pugi::xml_node from = all.find_child_by_attribute("Variant", "Name", variants_[static_cast<size_t>(current_)]->Name.c_str());
    pugi::xml_node to = all.find_child_by_attribute("Variant", "Name", variants_[static_cast<size_t>(index)]->Name.c_str());
    if (!from || !to) throw TKinemoError(Text("NoVariantError"));
    for (const char* s : kSections) {
        pugi::xml_node shown = root.child(s);
        from.append_copy(shown);
        pugi::xml_node kept = to.child(s);
        if (kept) root.insert_copy_after(kept, shown);
        else root.insert_child_after(s, shown);
        root.remove_child(shown);
        if (kept) to.remove_child(kept);
    }
    all.attribute("Current").set_value(variants_[static_cast<size_t>(index)]->Name.c_str());
    std::ostringstream out;
    doc.save(out, "  ", pugi::format_default, pugi::encoding_utf8);
    return out.str();
}

void TDesignVariants::Switch(int index, IProjectLoadHost* window) {
    CheckIndex(index);
    if (index == current_) return;
    CheckNotCommitted();
    const std::string text = TextWithCurrent(session_.ProjectText(), index);
    session_.LoadProjectText(text, window);
    session_.MarkModified();
}

TVariantFigures TDesignVariants::Figures(TSizingSession& session, const std::string& name) {
    TVariantFigures f;
    f.Name = name;
    const TMotor* best = nullptr;
    const TMotor* any = nullptr;
    for (const TMotor* m : session.Candidates().DisplayList()) {
        if (!m->Judged) continue;
        if (!any) any = m;
        if (Passes(*m) && (!best || Smaller(*m, *best))) best = m;
    }
    const TMotor* shown = best ? best : any;
    if (!shown) {
        f.Error = Text("NoMotorJudged");
        return f;
    }
    const std::string handOver = shown->JudgementLog.empty() ? std::string() : shown->JudgementLog.front();
    f.JL = HandedOverNumber(handOver, "JL").value_or(shown->JL);
    f.TF = HandedOverNumber(handOver, "TF").value_or(0);
    f.V = HandedOverNumber(handOver, "V").value_or(0);
    if (!best) return f;
    f.HasMotor = true;
    f.Motor = best->msv_model_all;
    f.PeakTorque = best->MotorNecessityMaxTorque;
    f.EffectiveTorque = best->MotorEffectiveTorque;
    f.PeakPercent = best->MotorMaxTorquePercent;
    f.EffectivePercent = best->MotorEffectiveTorquePercent;
    f.InertiaRatio = best->MotorInertiaRatio;
    f.AllowedInertiaRatio = best->MotorWarningInertia;
    f.Price = static_cast<long long>(best->msv_motor_price) + best->msv_amp_price;
    return f;
}

void TDesignVariants::OneVariant(const pugi::xml_document& shown, const pugi::xml_document& sections,
                                 pugi::xml_document& one) {
    one.reset(shown);
    pugi::xml_node root = one.child("KINEMO");
    for (const char* s : kSections) {
        pugi::xml_node old = root.child(s);
        if (!old) continue;
        pugi::xml_node own = sections.child(s);
        if (own) root.insert_copy_after(own, old);
        else root.insert_child_after(s, old);
        root.remove_child(old);
    }
}

std::vector<TVariantFigures> TDesignVariants::Evaluate(IProjectLoadHost*, IProgress* progress) {
    const TAdjudicationLevel level = session_.Candidates().Level();
    const std::vector<std::string> names = Names();
    // The project of the pages without its variants: the kept variants stay here while the
    // tree is made, so each variant's tree holds its own sections only and the memory
    // needed grows with the number of variants, not with its square. The guard puts the
    // variants back however the table ends.
    struct TKeep {
        TDesignVariants& self;
        std::vector<std::unique_ptr<TVariant>> variants;
        int current;
        ~TKeep() {
            self.variants_ = std::move(variants);
            self.current_ = current;
        }
    } keep{*this, std::move(variants_), current_};
    variants_.clear();
    pugi::xml_document shown;
    session_.ProjectTree(shown);
    // Each variant is judged in a session of its own on the same context: the pages, their
    // verdicts and the modified flag stay as they are.
    std::vector<TVariantFigures> table;
    for (int i = 0; i < static_cast<int>(names.size()); ++i) {
        const std::string& name = names[static_cast<size_t>(i)];
        if (progress) progress->Progress(i, static_cast<int>(names.size()), name);
        try {
            TSizingSession variant(session_.Context());
            variant.Initialize();
            if (i == keep.current) {
                variant.LoadProjectTree(shown);
            } else {
                pugi::xml_document one;
                OneVariant(shown, keep.variants[static_cast<size_t>(i)]->Sections, one);
                variant.LoadProjectTree(one);
            }
            variant.JudgeAll(level);
            table.push_back(Figures(variant, name));
        } catch (const TKinemoError& e) {
            TVariantFigures f;
            f.Name = name;
            f.Error = e.what();
            table.push_back(f);
        }
    }
    return table;
}

void TDesignVariants::SaveSection(pugi::xml_node section) {
    if (variants_.size() < 2) return;
    section.append_attribute("Current").set_value(variants_[static_cast<size_t>(current_)]->Name.c_str());
    for (const auto& v : variants_) {
        pugi::xml_node e = section.append_child("Variant");
        e.append_attribute("Name").set_value(v->Name.c_str());
        for (pugi::xml_node s : v->Sections.children()) e.append_copy(s);
    }
}

void TDesignVariants::LoadSection(pugi::xml_node section) {
    std::vector<std::unique_ptr<TVariant>> variants;
    int current = -1;
    const std::string currentName = section.attribute("Current").as_string();
    for (pugi::xml_node e : section.children("Variant")) {
        auto v = std::make_unique<TVariant>();
        v->Name = e.attribute("Name").as_string();
        for (const auto& other : variants)
            if (other->Name == v->Name || v->Name.empty()) throw TKinemoError(Text("FileError"));
        if (v->Name == currentName) current = static_cast<int>(variants.size());
        else
            for (const char* s : kSections)
                if (pugi::xml_node kept = e.child(s)) v->Sections.append_copy(kept);
        variants.push_back(std::move(v));
    }
    if (variants.empty()) {
        auto v = std::make_unique<TVariant>();
        v->Name = Text("DefaultName");
        variants.push_back(std::move(v));
        current = 0;
    }
    if (current < 0) throw TKinemoError(Text("FileError"));
    variants_ = std::move(variants);
    current_ = current;
}

}  // namespace kinemo
