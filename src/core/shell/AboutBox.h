// What the About box shows: the program and catalog versions, the catalog file and the
// toolkit version, each under its catalog label (s_message class "form_about").
#pragma once

#include <string>
#include <utility>
#include <vector>

namespace kinemo {

class TCatalogQuery;

struct TAboutBox {
    std::string Caption;      // "FormCaption"
    std::string Title;        // "LabelTitle"
    std::string Description;  // "LabelDescription"
    std::string ButtonOK;     // "ButtonOK"
    // (label, value): "LabelApplicationVersion", "LabelMdbVersion", "LabelCatalogPath",
    // "LabelQtVersion", in that order.
    std::vector<std::pair<std::string, std::string>> Rows;

    static TAboutBox Read(TCatalogQuery& query, const std::string& applicationVersion, const std::string& mdbVersion,
                          const std::string& catalogPath, const std::string& toolkitVersion);
};

}  // namespace kinemo
