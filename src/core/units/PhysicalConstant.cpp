// Physical constants.
#include "units/PhysicalConstant.h"

#include "base/Catalog.h"

namespace kinemo {

TPhysicalConstant::TPhysicalConstant(TCatalogQuery& query) {
    query.Close();
    query.SetSQL("select cons_name,cons_value from s_physicalconstant");
    query.Open();
    for (; !query.Eof(); query.Next()) list_.SetValue(query.AsString(0), query.AsString(1));
    query.Close();
    text_ = list_.Text("\r\n");
}

}  // namespace kinemo
