// The physical constants every formula receives before its own inputs.
#pragma once

#include "base/NameValueList.h"

#include <string>

namespace kinemo {

class TCatalogQuery;

class TPhysicalConstant {
public:
    // "select cons_name,cons_value from s_physicalconstant"; a repeated name keeps its
    // first place and takes the later value; an empty value is not kept.
    explicit TPhysicalConstant(TCatalogQuery& query);
    TPhysicalConstant() = default;

    size_t Count() const { return list_.Count(); }
    std::string Name(size_t index) const { return list_.Name(index); }
    std::string Value(const std::string& name) const { return list_.Value(name); }
    // One "name=value" statement per line, joined by CR LF: ready for the formula engine.
    const std::string& ConstantsText() const { return text_; }

private:
    TNameValueList list_;
    std::string text_;
};

}  // namespace kinemo
