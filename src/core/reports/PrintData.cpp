// The report data set and the loader of its CSV template.
#include "reports/PrintData.h"

#include "base/Catalog.h"

namespace kinemo {

TNameValueList& TPrintData::AddRow() {
    RowRecords.push_back(std::make_unique<TNameValueList>());
    return *RowRecords.back();
}

void TPrintData::AppendFooterToHeader() {
    for (size_t i = 0; i < FooterPairs.Count(); ++i) HeaderPairs.SetValue(FooterPairs.Name(i), FooterPairs.ValueAt(i));
}

TTemplate LoadCsvTemplate(TCatalogQuery& query, const std::string& messageClass) {
    TTemplate t;
    query.Close();
    query.SetSQL("select msg_control,msg_value from s_message where msg_class=:CLS");
    query.SetParam("CLS", messageClass);
    query.Open();
    for (; !query.Eof(); query.Next()) {
        const std::string control = query.AsString(0);
        if (control == "CsvTemplateHead") t.Head = query.AsString(1);
        else if (control == "CsvTemplateBody") t.Body = query.AsString(1);
        else if (control == "CsvTemplateFoot") t.Foot = query.AsString(1);
    }
    query.Close();
    return t;
}

}  // namespace kinemo
