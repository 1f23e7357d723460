// Element catalog: blocks, elements, formulas, user elements.
#include "machine/Block.h"

#include "machine/Factor.h"
#include "machine/FactorImage.h"
#include "machine/MachineServices.h"
#include "formula/FormulaError.h"
#include "formula/Parser.h"
#include "formula/ProgramCache.h"
#include "machine/UserFactorFile.h"
#include "base/AtomicFile.h"
#include "base/Catalog.h"
#include "base/ErrorMessage.h"
#include "base/TextFormat.h"

#include <algorithm>
#include <dirent.h>

namespace kinemo {

TBlock::TBlock(TMachineServices& services, std::recursive_mutex& lock, int id, std::string name, int dockingInZero,
               int dockingOutZero, std::string imagePath)
    : ID(id),
      Name(std::move(name)),
      ImagePath(std::move(imagePath)),
      DockingInZero(dockingInZero),
      DockingOutZero(dockingOutZero),
      services_(services),
      lock_(lock) {}

TBlock::~TBlock() = default;

std::vector<std::unique_ptr<TFactor>>& TBlock::Factors() {
    std::lock_guard lock(lock_);
    if (loaded_ || ID < 0) return factors_;
    loaded_ = true;
    TCatalogQuery& q = *services_.Query;
    q.Close();
    q.SetSQL(std::vector<std::string>{"select * from t_machine_element", " where tme_mmb_cd=:BLOCK_ID ",
                                      " order by tme_cd "});
    q.SetParam("BLOCK_ID", ID);
    q.Open();
    std::vector<std::unique_ptr<TFactor>> catalogFactors;
    for (; !q.Eof(); q.Next()) {
        const long long type = q.AsInteger("tme_element_type");
        if (type != 0 && type != 1) continue;
        auto f = std::make_unique<TFactor>(services_, this);
        f->ID = static_cast<int>(q.AsInteger("tme_cd"));
        f->Name = q.AsString("tme_name");
        f->AcceptsExternalForce = type == 1;
        f->Behavior = q.AsInteger("tme_behavior") == 1;
        f->Note = q.AsString("tme_note");
        f->ImagePath = NormalizePicturePath(services_.ProgramFolder, q.AsString("tme_img_path"));
        f->SelectedImagePath = NormalizePicturePath(services_.ProgramFolder, q.AsString("tme_selected_img_path"));
        f->DragImagePath = NormalizePicturePath(services_.ProgramFolder, q.AsString("tme_draged_img_path"));
        catalogFactors.push_back(std::move(f));
    }
    q.Close();
    if (services_.Images)
        for (auto& f : catalogFactors) {
            f->Image = services_.Images->GetPicture(f->ImagePath);
            f->SelectedImage = services_.Images->GetPicture(f->SelectedImagePath);
            f->DragImage = services_.Images->GetPicture(f->DragImagePath);
        }
    // User elements appended before the first access stay after the catalog ones.
    for (auto& f : factors_) catalogFactors.push_back(std::move(f));
    factors_ = std::move(catalogFactors);
    return factors_;
}

TFactor* TBlock::FindFactorByID(int id) {
    std::lock_guard lock(lock_);
    for (auto& f : Factors())
        if (f->ID == id) return f.get();
    return nullptr;
}

TFactor* TBlock::FindFactorByName(const std::string& name) {
    std::lock_guard lock(lock_);
    for (auto& f : Factors())
        if (f->Name == name) return f.get();
    return nullptr;
}

void TBlock::AddUserFactor(std::unique_ptr<TUserFactor> factor) {
    std::lock_guard lock(lock_);
    Factors();
    factors_.push_back(std::move(factor));
}

void TBlock::RemoveUserFactors() {
    std::lock_guard lock(lock_);
    for (size_t i = factors_.size(); i-- > 0;)
        if (factors_[i]->IsUserFactor()) factors_.erase(factors_.begin() + static_cast<long>(i));
}

TBlockManager::TBlockManager(TMachineServices& services) : services_(services) {}

TBlockManager::~TBlockManager() = default;

std::vector<std::unique_ptr<TBlock>>& TBlockManager::Blocks() {
    std::lock_guard lock(lock_);
    if (loaded_) return blocks_;
    loaded_ = true;
    TCatalogQuery& q = *services_.Query;
    q.Close();
    q.SetSQL(std::vector<std::string>{"select mmb_cd, mmb_name, mmb_docking_in, mmb_docking_out, mmb_image, mmb_note",
                                      "from m_machine_block", "order by mmb_cd"});
    q.Open();
    for (; !q.Eof(); q.Next())
        blocks_.push_back(std::make_unique<TBlock>(services_, lock_, static_cast<int>(q.AsInteger(0)), q.AsString(1),
                                                   q.AsInteger(2) == 0 ? 1 : 0, q.AsInteger(3) == 0 ? 1 : 0,
                                                   q.AsString(4)));
    q.Close();
    return blocks_;
}

TFactor* TBlockManager::FindFactorByID(int id) {
    std::lock_guard lock(lock_);
    for (auto& b : Blocks())
        if (TFactor* f = b->FindFactorByID(id)) return f;
    return nullptr;
}

TFactor* TBlockManager::FindFactorByName(const std::string& name) {
    std::lock_guard lock(lock_);
    for (auto& b : Blocks())
        if (TFactor* f = b->FindFactorByName(name)) return f;
    return nullptr;
}

std::string TBlockManager::GetFormula(int code) {
    std::lock_guard lock(lock_);
    for (const auto& [c, text] : formulas_)
        if (c == code) return text;
    TCatalogQuery& q = *services_.Query;
    q.Close();
    q.SetSQL(std::vector<std::string>{
        "SELECT mcv_value",
        "FROM t_machine_element INNER JOIN m_machine_calc_value ON t_machine_element.tme_cd = "
        "m_machine_calc_value.mcv_tme_cd",
        "WHERE t_machine_element.tme_cd=:FACTOR_ID", "ORDER BY m_machine_calc_value.mcv_cd"});
    q.SetParam("FACTOR_ID", code);
    q.Open();
    std::string text;
    for (; !q.Eof(); q.Next()) text += q.AsString(0) + "\r\n";
    q.Close();
    if (!text.empty()) formulas_.emplace_back(code, text);
    return text;
}

bool TBlockManager::RunsAsOneText(const std::string& text) { return FactsOf(text).whole; }

bool TBlockManager::DrawsRandomNumbers(const std::string& text) { return FactsOf(text).random; }

TBlockManager::TTextFacts TBlockManager::FactsOf(const std::string& text) {
    std::lock_guard lock(lock_);
    for (const auto& [t, facts] : textFacts_)
        if (t == text) return facts;
    std::string lower = text;
    for (char& c : lower) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    TTextFacts facts{lower.find("on error") == std::string::npos && lower.find("option") == std::string::npos, false};
    size_t start = 0;
    while (start < text.size()) {
        size_t end = text.find_first_of("\r\n", start);
        if (end == std::string::npos) end = text.size();
        const std::string_view line = std::string_view(text).substr(start, end - start);
        try {
            const auto program = services_.Programs
                                     ? services_.Programs->Get(line, TProgramCache::EKind::kStatements)
                                     : ParseProgram(std::string(line));
            facts.random = facts.random || program->callsRandom;
        } catch (const TFormulaError&) {
            facts.whole = false;
            facts.random = true;
        }
        start = end + 1;
    }
    textFacts_.emplace_back(text, facts);
    return facts;
}

bool TBlockManager::CanAttach(const TBlock* a, const TBlock* b) {
    return a && b && a->DockingOutZero == b->DockingInZero;
}

void TBlockManager::ReloadUserFactors(const std::string& folder, const std::string& extension,
                                      const std::string& imageFolder) {
    std::lock_guard lock(lock_);
    for (auto& b : Blocks()) b->RemoveUserFactors();
    userFactorProblems_.clear();
    if (extension.empty()) return;
    std::vector<std::string> files;
    if (DIR* dir = ::opendir(folder.c_str())) {
        while (dirent* e = ::readdir(dir)) {
            std::string name = e->d_name;
            if (name.size() > extension.size() && name.compare(name.size() - extension.size(), extension.size(),
                                                                extension) == 0)
                files.push_back(name);
        }
        ::closedir(dir);
    }
    // Directory order is arbitrary on this platform; name order keeps the numbering stable.
    std::sort(files.begin(), files.end());
    int n = 0;
    for (const std::string& name : files) {
        const std::string path = folder + name;
        if (!FileExists(path)) {
            ++n;  // listed names that are no files still take their number
            continue;
        }
        // One bad file (perhaps from a colleague) is skipped and named; the others still load.
        std::string reason;
        std::unique_ptr<TUserFactor> f;
        try {
            f = ReadUserFactorFile(path, n++, imageFolder, extension, services_, &reason);
        } catch (const std::exception& e) {
            reason = e.what();
        }
        if (!f) {
            if (!reason.empty()) {
                const std::string format = services_.Errors ? services_.Errors->GetText("FileSkipped") : std::string();
                userFactorProblems_.push_back(format.empty() ? path + ": " + reason
                                                             : FormatText(format, {path, reason}));
            }
            continue;
        }
        TBlock* owner = f->Block;
        owner->AddUserFactor(std::move(f));
    }
}

void TBlockManager::RefreshUserFactorImages(const std::vector<TFactor*>& chain) {
    auto refresh = [this](TFactor& f) {
        if (!f.IsUserFactor()) return;
        auto& user = static_cast<TUserFactor&>(f);
        TFactor* source = FindFactorByName(user.Name);
        if (!source && user.Owner) source = FindFactorByID(user.Owner->ID);
        if (!source || !services_.Images) return;
        user.ImagePath = source->ImagePath;
        user.SelectedImagePath = source->SelectedImagePath;
        user.DragImagePath = source->DragImagePath;
        user.Image = services_.Images->ReloadPicture(user.ImagePath);
        user.SelectedImage = services_.Images->ReloadPicture(user.SelectedImagePath);
        user.DragImage = services_.Images->ReloadPicture(user.DragImagePath);
    };
    for (auto& b : Blocks())
        for (auto& f : b->Factors()) refresh(*f);
    for (TFactor* f : chain)
        if (f) refresh(*f);
}

}  // namespace kinemo
