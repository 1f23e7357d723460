// Reading and writing user element files.
#include "machine/UserFactorFile.h"

#include "machine/Block.h"
#include "machine/Factor.h"
#include "machine/InputCheck.h"
#include "machine/FactorImage.h"
#include "machine/MachineServices.h"
#include "base/AtomicFile.h"
#include "base/ErrorMessage.h"
#include "base/TextFormat.h"
#include "base/FileLimits.h"

#include <pugixml.hpp>

#include <charconv>
#include <sstream>

namespace kinemo {

namespace {

const char* kRoot = "KinemoUserFactorFile";

std::string BaseName(const std::string& path, const std::string& extension) {
    size_t slash = path.rfind('/');
    std::string name = slash == std::string::npos ? path : path.substr(slash + 1);
    if (!extension.empty() && name.size() >= extension.size() &&
        name.compare(name.size() - extension.size(), extension.size(), extension) == 0)
        name.erase(name.size() - extension.size());
    return name;
}

bool ParseInt(const std::string& text, int& out) {
    auto [p, ec] = std::from_chars(text.data(), text.data() + text.size(), out);
    return ec == std::errc() && p == text.data() + text.size() && !text.empty();
}

}  // namespace

bool IsSafeRelativePictureName(const std::string& name) {
    if (name.empty() || name[0] == '/' || name[0] == '\\') return false;
    if (name.find(':') != std::string::npos) return false;  // drive letters, URLs
    std::string part;
    for (size_t i = 0; i <= name.size(); ++i) {
        if (i == name.size() || name[i] == '/' || name[i] == '\\') {
            if (part == "..") return false;
            part.clear();
        } else {
            part.push_back(name[i]);
        }
    }
    return true;
}

std::unique_ptr<TUserFactor> ReadUserFactorFile(const std::string& path, int n, const std::string& imageFolder,
                                                const std::string& extension, TMachineServices& services,
                                                std::string* reason) {
    auto refuse = [&](const char* key, const FormatArgs& args) -> std::unique_ptr<TUserFactor> {
        if (reason) {
            const std::string format = services.Errors ? services.Errors->GetText(key) : std::string();
            *reason = format.empty() ? key : FormatText(format, args);
        }
        return nullptr;
    };
    const std::string name = BaseName(path, extension);
    const std::string prefix = imageFolder + name;
    pugi::xml_document doc;
    CheckFileSize(path, kMaxSheetFileBytes);  // an element file is a few kilobytes: refused before parsing
    const pugi::xml_parse_result parsed = doc.load_file(path.c_str());
    if (!parsed) return refuse("FileNotUserFactor", {std::string(parsed.description())});
    pugi::xml_node root = doc.child(kRoot);
    if (!root) return refuse("FileNotUserFactor", {std::string(kRoot)});
    int ownerID = 0;
    if (!root.child("OwnerFactorID") || !ParseInt(root.child("OwnerFactorID").text().get(), ownerID))
        return refuse("FileNotUserFactor", {std::string("OwnerFactorID")});
    TFactor* owner = services.Blocks->FindFactorByID(ownerID);
    if (!owner) return refuse("UserFactorOwnerUnknown", {std::string(root.child("OwnerFactorID").text().get())});

    auto pictureOf = [&](const char* key, const std::string& ownerPath) {
        const std::string text = root.child(key).text().get();
        if (text.empty() || !IsSafeRelativePictureName(text)) return ownerPath;
        // A picture that is there but cannot be shown is skipped (the image cache names it).
        const std::string candidate = prefix + text;
        return FileExists(candidate) && (!services.Images || services.Images->GetPicture(candidate)) ? candidate
                                                                                                  : ownerPath;
    };
    const std::string imagePath = pictureOf("DefaultImage", owner->ImagePath);
    const std::string selectedPath = pictureOf("SelectImage", owner->SelectedImagePath);
    const std::string dragPath = pictureOf("DragImage", owner->DragImagePath);

    if (services.CheckUserFactorVersion &&
        !services.CheckUserFactorVersion(root.attribute("ApplicationVersion").value(),
                                         root.attribute("MDBVersion").value(), name))
        return nullptr;

    auto f = std::make_unique<TUserFactor>(services, owner->Block);
    f->ID = TUserFactor::kFirstUserID + n;
    f->Name = name;
    f->Note = root.child("Comment").text().get();
    f->AcceptsExternalForce = owner->AcceptsExternalForce;
    f->Behavior = owner->Behavior;
    f->ImagePath = imagePath;
    f->SelectedImagePath = selectedPath;
    f->DragImagePath = dragPath;
    if (services.Images) {
        f->Image = services.Images->GetPicture(imagePath);
        f->SelectedImage = services.Images->GetPicture(selectedPath);
        f->DragImage = services.Images->GetPicture(dragPath);
    }
    f->FormulaText = owner->GetFormula();
    f->Owner = owner->Clone();
    if (pugi::xml_node factor = root.child("InputData").child("Factor")) {
        try {
            f->Owner->LoadFromXML(factor);
        } catch (const TInputValueError& e) {
            return refuse("UserFactorValueNotNumber", {e.Text(), e.Item()});
        }
    }
    for (auto& item : f->Owner->InputItems()) f->DefaultItems.push_back(item->Clone());
    // Values outside their range are kept, so that the user can correct them in the
    // editor; the chain refuses to calculate with them until then.
    if (services.ReportUserFactorRange) {
        const std::string problems = TInputCheck(services.Errors).UserFactorText(*f);
        if (!problems.empty()) services.ReportUserFactorRange(problems);
    }
    return f;
}

void WriteUserFactorFile(const std::string& path, const TFactor& element, int ownerID,
                         const TUserFactorPictures& pictures, const std::string& applicationVersion,
                         const std::string& mdbVersion) {
    pugi::xml_document doc;
    pugi::xml_node decl = doc.append_child(pugi::node_declaration);
    decl.append_attribute("version") = "1.0";
    decl.append_attribute("encoding") = "UTF-8";
    pugi::xml_node root = doc.append_child(kRoot);
    root.append_attribute("ApplicationVersion") = applicationVersion.c_str();
    root.append_attribute("MDBVersion") = mdbVersion.c_str();
    root.append_child("OwnerFactorID").text().set(std::to_string(ownerID).c_str());
    root.append_child("DefaultImage").text().set(pictures.Default.c_str());
    root.append_child("SelectImage").text().set(pictures.Select.c_str());
    root.append_child("DragImage").text().set(pictures.Drag.c_str());
    pugi::xml_node input = root.append_child("InputData");
    element.SaveToXML(input);
    std::ostringstream out;
    doc.save(out, "  ", pugi::format_indent, pugi::encoding_utf8);
    WriteFileAtomically(path, out.str());
}

}  // namespace kinemo
