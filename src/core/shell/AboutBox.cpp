// The About box's texts.
#include "shell/AboutBox.h"

#include "base/CatalogText.h"
#include "base/NameValueList.h"

namespace kinemo {

TAboutBox TAboutBox::Read(TCatalogQuery& query, const std::string& applicationVersion, const std::string& mdbVersion,
                          const std::string& catalogPath, const std::string& toolkitVersion) {
    const TNameValueList texts = ReadMessageClass(query, "form_about");
    TAboutBox box;
    box.Caption = texts.Value("FormCaption");
    box.Title = texts.Value("LabelTitle");
    box.Description = texts.Value("LabelDescription");
    box.ButtonOK = texts.Value("ButtonOK");
    box.Rows = {{texts.Value("LabelApplicationVersion"), applicationVersion},
                {texts.Value("LabelMdbVersion"), mdbVersion},
                {texts.Value("LabelCatalogPath"), catalogPath},
                {texts.Value("LabelQtVersion"), toolkitVersion}};
    return box;
}

}  // namespace kinemo
