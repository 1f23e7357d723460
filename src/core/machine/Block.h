// Blocks of the element catalog (groups of elements with docking codes) and the
// element catalog itself.
#pragma once

#include <memory>
#include <mutex>
#include <string>
#include <vector>

namespace kinemo {

class TFactor;
class TUserFactor;
struct TMachineServices;

class TBlock {
public:
    // lock: the element catalog's, held while the block reads its elements.
    TBlock(TMachineServices& services, std::recursive_mutex& lock, int id, std::string name, int dockingInZero,
           int dockingOutZero, std::string imagePath);
    ~TBlock();

    int ID;
    std::string Name;
    std::string ImagePath;  // as stored, relative to the program folder
    // 1 when the docking code is 0 (a rotary connection); the motor's block has 2 / 1.
    int DockingInZero;
    int DockingOutZero;

    // The block's elements, read on first access; user elements follow the catalog ones.
    std::vector<std::unique_ptr<TFactor>>& Factors();
    TFactor* FindFactorByID(int id);
    TFactor* FindFactorByName(const std::string& name);
    void AddUserFactor(std::unique_ptr<TUserFactor> factor);
    void RemoveUserFactors();

private:
    TMachineServices& services_;
    std::recursive_mutex& lock_;
    bool loaded_ = false;
    std::vector<std::unique_ptr<TFactor>> factors_;
};

// One per context, shared by its sessions: what it reads on first request (blocks,
// elements, formula texts, facts about texts) is read under one lock, so sessions of
// several threads may ask at once. Sessions clone its elements into their own chains and
// never change the elements here; user elements are reloaded only while no session judges.
class TBlockManager {
public:
    explicit TBlockManager(TMachineServices& services);
    ~TBlockManager();

    std::vector<std::unique_ptr<TBlock>>& Blocks();
    TFactor* FindFactorByID(int id);
    TFactor* FindFactorByName(const std::string& name);
    // The formula text of catalog element code, lines joined with CR LF after each line.
    std::string GetFormula(int code);
    // True when every line of text is a statement of its own that neither traps errors
    // nor sets options: running all lines as one text then equals running them one by
    // one, which the element calculation does for speed. Cached per text.
    bool RunsAsOneText(const std::string& text);
    // True when text calls Rnd or Randomize (or has a line that does not parse): its
    // results are then not fixed by its inputs. Cached per text.
    bool DrawsRandomNumbers(const std::string& text);
    // May an element of block b directly follow (sit farther from the motor than) one of a.
    static bool CanAttach(const TBlock* a, const TBlock* b);

    // Re-reads every user element file of folder (files ending with extension).
    // A file that cannot be read is skipped and listed in UserFactorProblems ("FileSkipped":
    // its path and the reason); a file refused by its version check is skipped silently.
    void ReloadUserFactors(const std::string& folder, const std::string& extension,
                           const std::string& imageFolder);
    const std::vector<std::string>& UserFactorProblems() const { return userFactorProblems_; }
    // Gives every user element (in the blocks and in chain) the pictures of its catalog
    // counterpart, re-read from disk.
    void RefreshUserFactorImages(const std::vector<TFactor*>& chain);

private:
    TMachineServices& services_;
    std::recursive_mutex lock_;
    bool loaded_ = false;
    std::vector<std::unique_ptr<TBlock>> blocks_;
    std::vector<std::string> userFactorProblems_;
    std::vector<std::pair<int, std::string>> formulas_;
    struct TTextFacts {
        bool whole;   // RunsAsOneText
        bool random;  // DrawsRandomNumbers
    };
    TTextFacts FactsOf(const std::string& text);
    std::vector<std::pair<std::string, TTextFacts>> textFacts_;
};

}  // namespace kinemo
