// kinemo-cad: the CAD data program of Kinemo. Reads a hand-over file and writes the motor's
// drawing: the front, left or right view as DXF, the 3D view as a closed STL mesh.
//
//   kinemo-cad HANDOVER TARGET [/F | /L | /R | /3]
//
// Without a switch the view is taken from the end of the part identifier ("...ABS0/F").
// Exit status: 0 drawing written, 1 target not writable, 2 wrong arguments, 3 the hand-over
// file is missing or does not describe a motor that can be drawn.
#include "MotorParts.h"
#include "MotorSolid.h"
#include "MotorViews.h"

#include "base/AtomicFile.h"
#include "base/KinemoError.h"

#include <cctype>
#include <cstdio>
#include <exception>
#include <string>

namespace {

using namespace kinemo::cad;

int Usage() {
    std::fprintf(stderr, "usage: kinemo-cad HANDOVER TARGET [/F | /L | /R | /3]\n");
    return 2;
}

std::string SwitchOf(const std::string& part) {
    const size_t slash = part.rfind('/');
    return slash == std::string::npos ? std::string() : part.substr(slash);
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 3 || argc > 4) return Usage();
    const std::string handOver = argv[1], target = argv[2];
    TMotorParts parts;
    try {
        parts = ParseMotorParts(kinemo::ReadWholeFile(handOver));
    } catch (const std::exception& e) {
        std::fprintf(stderr, "kinemo-cad: %s: %s\n", handOver.c_str(), e.what());
        return 3;
    }
    std::string view = argc == 4 ? argv[3] : SwitchOf(parts.Part);
    for (char& c : view) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    std::string bytes;
    if (view == "/3") {
        const std::string id = parts.Part.substr(0, parts.Part.rfind('/'));
        bytes = BuildMotorSolid(parts).Stl(id.empty() ? "motor" : id);
    } else if (view == "/F" || view == "/L" || view == "/R") {
        bytes = DrawView(parts, view == "/F" ? TView::Front : view == "/L" ? TView::Left : TView::Right).Dxf();
    } else {
        std::fprintf(stderr, "kinemo-cad: unknown view switch '%s'\n", view.c_str());
        return Usage();
    }
    try {
        kinemo::WriteFileAtomically(target, bytes);
    } catch (const std::exception& e) {
        std::fprintf(stderr, "kinemo-cad: %s\n", e.what());
        return 1;
    }
    return 0;
}
