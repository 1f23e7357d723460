// Load time of the largest project the program writes: example 02 grown to the most
// elements a chain may hold (every memo full), the drive pattern's 99 rows, 200 design
// variants, saved by the program and opened by a fresh session. Prints the file's size and
// the best and the median of five opens in milliseconds, with the ratio to the 1 s an open
// may take, and the share of the open each load step took.
#include "session/DesignVariants.h"
#include "session/KinemoContext.h"
#include "session/SizingSession.h"
#include "base/AtomicFile.h"
#include "base/UserDialogs.h"
#include "machine/CalcCarryValue.h"

#include <pugixml.hpp>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <memory>
#include <optional>
#include <sstream>
#include <vector>

using namespace kinemo;

namespace {

constexpr double kTargetMs = 1000;
constexpr int kVariants = 200;

class QuietDialogs : public IUserDialogs {
public:
    int ShowMessageDialog(const std::string&, TMsgDlgType, unsigned buttons) override {
        return buttons & mbYes ? mrYes : mrOk;
    }
};

// The time between progress reports, by the step that was reported.
class StepClock : public IProgress {
public:
    void Progress(int position, int count, const std::string&) override {
        const auto now = std::chrono::steady_clock::now();
        if (last_ && position > 0 && position <= static_cast<int>(ms.size()))
            ms[static_cast<size_t>(position - 1)] += std::chrono::duration<double, std::milli>(now - *last_).count();
        if (ms.size() < static_cast<size_t>(count)) ms.resize(static_cast<size_t>(count));
        last_ = now;
    }
    std::vector<double> ms;

private:
    std::optional<std::chrono::steady_clock::time_point> last_;
};

struct Desk {
    explicit Desk(const std::string& home) {
        ctx = std::make_unique<TKinemoContext>(std::string(KINEMO_BIN_DIR) + "/Kinemo.db", TSpecialFolder(home), dialogs);
        ctx->ReadCatalogConfig();
        session = std::make_unique<TSizingSession>(*ctx);
        session->Initialize();
    }
    QuietDialogs dialogs;
    std::unique_ptr<TKinemoContext> ctx;
    std::unique_ptr<TSizingSession> session;
};

std::string Saved(const pugi::xml_document& doc) {
    std::ostringstream out;
    doc.save(out, "  ");
    return out.str();
}

// Example 02 with couplings added up to the catalog's element limit and every memo full.
std::string LargestMachine(const std::string& example, int maxElements) {
    pugi::xml_document doc;
    doc.load_string(ReadWholeFile(example).c_str());
    pugi::xml_node chain = doc.child("KINEMO").child("FrameChoiceFactor");
    pugi::xml_node coupling = chain.find_child([](pugi::xml_node f) { return std::string(f.child_value("FactorID")) == "103"; });
    int count = 0;
    for (pugi::xml_node f = chain.first_child(); f; f = f.next_sibling()) ++count;
    for (; count < maxElements; ++count) chain.insert_copy_after(coupling, coupling);
    const std::string memo = std::string(80, 'M') + "\n" + std::string(80, 'M') + "\n" + std::string(80, 'M') + "\n" +
                             std::string(80, 'M') + "\n" + std::string(88, 'M');
    for (pugi::xml_node f = chain.first_child(); f; f = f.next_sibling())
        for (pugi::xml_node v : f.child("InputData").children("Value"))
            if (std::string(v.attribute("InputDataID").value()) == "-3") v.text().set(memo.c_str());
    return Saved(doc);
}

double Ms(std::chrono::steady_clock::duration d) { return std::chrono::duration<double, std::milli>(d).count(); }

}  // namespace

int main() {
    const std::filesystem::path home = std::filesystem::temp_directory_path() / "kinemo-load-bench";
    std::filesystem::create_directories(home);
    const std::string path = (home / "largest.kjb").string();
    {
        Desk desk(home.string());
        const int maxElements = desk.ctx->Run().MaxFactorCount;  // besides the motor
        const std::string machine =
            LargestMachine(std::string(KINEMO_SOURCE_DIR) + "/examples/02_ball_screw_through_gear.kjb", maxElements);
        if (desk.session->LoadProjectText(machine) != TProjectDocument::TLoadResult::Accepted) return 1;
        desk.session->Variants().Add("V2");
        pugi::xml_document doc;
        doc.load_string(desk.session->ProjectText().c_str());
        pugi::xml_node variants = doc.child("KINEMO").child("Variants");
        const pugi::xml_node first = variants.find_child_by_attribute("Variant", "Name", "Variant 1");
        for (int i = 3; i <= kVariants; ++i)
            variants.append_copy(first).attribute("Name").set_value(("V" + std::to_string(i)).c_str());
        if (desk.session->LoadProjectText(Saved(doc)) != TProjectDocument::TLoadResult::Accepted) return 1;
        desk.session->SaveProject(path);
        std::printf("project: elements=%d variants=%d bytes=%ju\n", desk.session->Chain().Count(),
                    desk.session->Variants().Count(), static_cast<uintmax_t>(std::filesystem::file_size(path)));
    }
    std::vector<double> runs;
    StepClock steps;
    for (int run = 0; run < 5; ++run) {
        Desk desk(home.string());
        desk.session->Document().SetProgress(&steps);
        const auto t0 = std::chrono::steady_clock::now();
        if (desk.session->LoadProject(path) != TProjectDocument::TLoadResult::Accepted) return 1;
        runs.push_back(Ms(std::chrono::steady_clock::now() - t0));
        desk.session->Document().SetProgress(nullptr);
    }
    std::sort(runs.begin(), runs.end());
    std::printf("open: best_ms=%.1f median_ms=%.1f ratio_to_target=%.2f\n", runs.front(), runs[runs.size() / 2],
                runs[runs.size() / 2] / kTargetMs);
    double total = 0;
    for (double ms : steps.ms) total += ms;
    for (size_t i = 0; i < steps.ms.size(); ++i)
        std::printf("  step %zu: %.0f%%\n", i + 1, total > 0 ? steps.ms[i] / total * 100 : 0.0);
    return 0;
}
