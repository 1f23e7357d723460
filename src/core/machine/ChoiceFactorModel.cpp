// Chain-editing rules and the machine's project-file section.
#include "machine/ChoiceFactorModel.h"

#include "machine/Block.h"
#include "machine/CalcCarryValue.h"
#include "machine/Factor.h"
#include "machine/InputCheck.h"
#include "machine/MachineServices.h"
#include "base/ErrorMessage.h"
#include "base/KinemoError.h"
#include "base/UserDialogs.h"

#include <pugixml.hpp>

#include <algorithm>
#include <charconv>

namespace kinemo {

namespace {
constexpr int kMaxAcceptingExternalForce = 5;
constexpr int kMaxMarkedExternalForce = 2;
}  // namespace

TChoiceFactorModel::TChoiceFactorModel(TMachineServices& services, TCalcCarryValue& chain, const TErrorMessage& errors,
                                       IUserDialogs& dialogs, int maxFactorCount)
    : services_(services), chain_(&chain), errors_(errors), dialogs_(dialogs), maxFactorCount_(maxFactorCount) {
    motor_ = std::make_unique<TMotorFactor>(services);
    chain_->SetFactors({motor_.get()});
}

TChoiceFactorModel::~TChoiceFactorModel() { chain_->SetFactors({}); }

int TChoiceFactorModel::chainLength() const { return chain_->Count(); }

void TChoiceFactorModel::SetCurrentColumn(int column) { current_ = std::clamp(column, 0, std::max(chainLength() - 1, 0)); }

TFactor* TChoiceFactorModel::SelectedFactor() const {
    return current_ > 0 && current_ < chainLength() ? chain_->GetFactor(current_) : nullptr;
}

TFactor* TChoiceFactorModel::Own(std::unique_ptr<TFactor> f) {
    owned_.push_back(std::move(f));
    return owned_.back().get();
}

std::unique_ptr<TFactor> TChoiceFactorModel::Release(TFactor* f) {
    for (auto it = owned_.begin(); it != owned_.end(); ++it)
        if (it->get() == f) {
            std::unique_ptr<TFactor> out = std::move(*it);
            owned_.erase(it);
            return out;
        }
    return nullptr;
}

void TChoiceFactorModel::Refuse(const std::string& key) {
    dialogs_.ShowMessageDialog(errors_.GetText(key), TMsgDlgType::Confirmation, mbOK);
}

void TChoiceFactorModel::Modified() {
    loadProblems_.clear();  // the user has seen the load's message and changed the chain
    if (OnModified) OnModified();
}

bool TChoiceFactorModel::CanInsert(const TFactor& e) const {
    const int c = current_;
    const TFactor* previous = c > 0 && c < chainLength() ? chain_->GetFactor(c) : motor_.get();
    if (!TBlockManager::CanAttach(previous->Block, e.Block)) return false;
    if (c + 1 < chainLength() && !TBlockManager::CanAttach(e.Block, chain_->GetFactor(c + 1)->Block)) return false;
    return true;
}

bool TChoiceFactorModel::InsertAfterCurrent(std::unique_ptr<TFactor> e) {
    if (!CanInsert(*e)) {
        Refuse("NotAttachable");
        return false;
    }
    if (e->AcceptsExternalForce && chain_->CountAcceptingExternalForce() >= kMaxAcceptingExternalForce) {
        Refuse("NotInsertExternalForceFactor");
        return false;
    }
    // A pasted copy may bring a third marked-intervals element: it enters with the
    // whole-pattern choice, the limit the property grid keeps too.
    if (e->HasExternalForce() && chain_->CountExternalForceFactors() >= kMaxMarkedExternalForce)
        e->ExternalForceItem()->Choice = 0;
    const int at = (current_ >= 0 && current_ < chainLength() ? current_ : 0) + 1;
    chain_->Insert(at, Own(std::move(e)));
    current_ = at;
    return true;
}

int TChoiceFactorModel::RemoveCheck(int column) const {
    if (column <= 0 || column >= chainLength()) return 1;
    if (column == chainLength() - 1) return 0;
    return TBlockManager::CanAttach(chain_->GetFactor(column - 1)->Block, chain_->GetFactor(column + 1)->Block) ? 0
                                                                                                                 : 2;
}

std::unique_ptr<TFactor> TChoiceFactorModel::RemoveFactorAt(int column) {
    switch (RemoveCheck(column)) {
    case 0: {
        TFactor* f = chain_->RemoveAt(column);
        if (current_ >= chainLength()) current_ = chainLength() - 1;
        return Release(f);
    }
    case 2:
        throw TErrorMessageException(errors_, "NotRemoveBecauseNotAttachable");
    default:
        return nullptr;
    }
}

bool TChoiceFactorModel::AddFactor(const TFactor& catalogElement) {
    if (chainLength() - 1 >= maxFactorCount_) throw TErrorMessageException(errors_, "NotInsertFactor");
    std::unique_ptr<TFactor> clone = catalogElement.CloneFor(services_);
    const bool behavior = clone->Behavior;
    if (!InsertAfterCurrent(std::move(clone))) return false;
    Modified();
    if (behavior && chain_->CountBehavior() == 1 && OnBrakePreset) OnBrakePreset(1);
    return true;
}

void TChoiceFactorModel::RemoveFactor(int column) {
    std::unique_ptr<TFactor> removed = RemoveFactorAt(column);
    if (!removed) return;
    Modified();
    if (removed->Behavior && chain_->CountBehavior() == 0 && OnBrakePreset) OnBrakePreset(2);
}

bool TChoiceFactorModel::CanPaste() const { return clipboard_ && CanInsert(*clipboard_); }

void TChoiceFactorModel::Delete() {
    if (RemoveFactorAt(current_)) Modified();
}

void TChoiceFactorModel::Copy() {
    if (TFactor* f = SelectedFactor()) clipboard_ = f->Clone();
}

void TChoiceFactorModel::Cut() {
    Copy();
    if (RemoveCheck(current_) == 0) Delete();
}

void TChoiceFactorModel::Paste() {
    if (!CanPaste()) return;
    if (InsertAfterCurrent(clipboard_->Clone())) Modified();
}

bool TChoiceFactorModel::CanMove(int sourceColumn, int targetColumn) {
    if (sourceColumn <= 0 || sourceColumn >= chainLength() || RemoveCheck(sourceColumn) != 0) return false;
    if (targetColumn == sourceColumn || targetColumn == sourceColumn - 1) return false;
    if (targetColumn < 0 || targetColumn >= chainLength()) return false;
    const int saved = current_;
    current_ = targetColumn;
    const bool ok = CanInsert(*chain_->GetFactor(sourceColumn));
    current_ = saved;
    return ok;
}

void TChoiceFactorModel::Move(int sourceColumn, int targetColumn) {
    if (!CanMove(sourceColumn, targetColumn)) return;
    TFactor* target = targetColumn > 0 ? chain_->GetFactor(targetColumn) : nullptr;
    TFactor* dragged = chain_->GetFactor(sourceColumn);
    chain_->Remove(dragged);
    const int targetIndex = target ? chain_->IndexOf(target) : 0;
    current_ = targetIndex < 0 ? 0 : targetIndex;
    std::unique_ptr<TFactor> owned = Release(dragged);
    if (InsertAfterCurrent(std::move(owned))) Modified();
}

bool TChoiceFactorModel::SetExternalForceChoice(TFactor& element, int choice) {
    TExternalForceInputData* item = element.ExternalForceItem();
    if (!item) return false;
    if (choice == 1 && item->Choice != 1 && chain_->CountExternalForceFactors() >= kMaxMarkedExternalForce) {
        dialogs_.ShowMessageDialog(errors_.GetText("NotInsertPartExternalForceFactor"), TMsgDlgType::Warning, mbOK);
        item->Choice = 0;
        chain_->RebuildExternalForceColumns();
        Modified();
        return false;
    }
    item->Choice = choice == 1 ? 1 : 0;
    chain_->RebuildExternalForceColumns();
    Modified();
    return true;
}

bool TChoiceFactorModel::CheckInputs() {
    for (int i = 1; i < chainLength(); ++i) {
        TFactor* f = chain_->GetFactor(i);
        if (!f->IsInputComplete()) {
            dialogs_.ShowMessageDialog(errors_.GetFormattedText("NotInputItem", f->Name), TMsgDlgType::Warning, mbOK);
            return false;
        }
    }
    const TInputCheck check(&errors_);
    const std::vector<TInputViolation> violations = TInputCheck::Violations(*chain_);
    if (!violations.empty()) {
        dialogs_.ShowMessageDialog(check.ListText(violations), TMsgDlgType::Warning, mbOK);
        return false;
    }
    return true;
}

TChoiceFactorModel::TCarryTrace TChoiceFactorModel::CarryValueTrace() {
    TCarryTrace result;
    if (!CheckInputs()) return result;
    result.Ran = true;
    TCalcTrace& trace = chain_->Trace();
    trace.Clear();
    static const char* kHeadings[] = {"受け渡し 出力(外力=○○)", "受け渡し 出力(外力=○×)", "受け渡し 出力(外力=×○)",
                                      "受け渡し 出力(外力=××)"};
    static const bool kCases[][2] = {{true, true}, {true, false}, {false, true}, {false, false}};
    try {
        for (int i = 0; i < 4; ++i) {
            trace.Add("=======================");
            trace.Add(kHeadings[i]);
            chain_->CalcChain(kCases[i][0], kCases[i][1]);
        }
    } catch (const std::exception& e) {
        result.Error = e.what();
    }
    result.Lines = trace.Lines();
    trace.Clear();
    return result;
}

std::string TChoiceFactorModel::LoadProblemText() const {
    if (loadProblems_.empty()) return {};
    std::string text = errors_.GetText("ProjectChainInvalid");
    for (const std::string& line : loadProblems_) text += "\n" + line;
    return text;
}

void TChoiceFactorModel::SaveToXML(pugi::xml_node& section) const {
    for (int i = 1; i < chain_->Count(); ++i) chain_->GetFactor(i)->SaveToXML(section);
}

void TChoiceFactorModel::LoadFromXML(const pugi::xml_node& section) {
    if (OnChainReset) OnChainReset();
    while (chainLength() > 1) Release(chain_->RemoveAt(chainLength() - 1));
    current_ = 0;
    loadProblems_.clear();
    int position = 0;  // of the element in the file, from 1
    TBlockManager& blocks = *services_.Blocks;
    auto intText = [](const pugi::xml_node& n, int& out) {
        std::string t = n.text().get();
        auto [p, ec] = std::from_chars(t.data(), t.data() + t.size(), out);
        return ec == std::errc() && p == t.data() + t.size() && !t.empty();
    };
    for (pugi::xml_node node = section.first_child(); node; node = node.next_sibling()) {
        if (std::string(node.name()) != "Factor") continue;
        int children = 0;
        for (pugi::xml_node c = node.first_child(); c; c = c.next_sibling()) ++children;
        pugi::xml_node idNode = node.child("FactorID");
        if (children < 2 || !idNode) throw TKinemoError("Illegal Format");
        ++position;
        TFactor* source = nullptr;
        if (pugi::xml_node user = node.child("UserFactor")) {
            source = blocks.FindFactorByName(user.child("Caption").text().get());
            int owner = 0;
            if (!source && intText(user.child("OwnerFactorID"), owner)) source = blocks.FindFactorByID(owner);
        }
        int id = 0;
        if (!source && intText(idNode, id)) source = blocks.FindFactorByID(id);
        if (!source) {
            // Left out, so that the rest of the machine can still be seen and corrected.
            loadProblems_.push_back(FormatText(errors_.GetText("ProjectFactorNotFound"),
                                               {static_cast<long long>(position), std::string(idNode.text().get())}));
            continue;
        }
        std::unique_ptr<TFactor> clone = source->CloneFor(services_);
        try {
            clone->LoadFromXML(node);
        } catch (const TInputValueError& e) {
            // Refused as a whole: a value that cannot be shown could not be saved again.
            const std::string format = errors_.GetText("ProjectValueNotNumber");
            if (format.empty()) throw;
            throw TKinemoError(FormatText(format, {static_cast<long long>(position), clone->Name, e.Text(), e.Item()}));
        }
        const TFactor* previous = chain_->GetFactor(chainLength() - 1);
        if (!TBlockManager::CanAttach(previous->Block, clone->Block)) {
            loadProblems_.push_back(FormatText(errors_.GetText("ProjectFactorNotAttachable"),
                                               {static_cast<long long>(position), clone->Name, previous->Name}));
            continue;
        }
        current_ = chainLength() - 1;
        chain_->Append(Own(std::move(clone)));
    }
    current_ = 0;
}

}  // namespace kinemo
