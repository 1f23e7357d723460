// The hand-over template: "{[%]name[%]}" markers replaced by the values of the parts row.
#pragma once

#include <string>

namespace kinemo {

class TNameValueList;

// Copies the text before the first "{[%]"; each marker is replaced by the value of the name
// between "{[%]" and the next "[%]}" (nothing when the value is empty or no column has that
// name), the text up to the next marker copied. A template without "{[%]" is copied whole;
// an opening mark without its closing mark is copied as it stands, so no text is lost.
std::string ExpandPartsTemplate(const std::string& templ, const TNameValueList& values);

}  // namespace kinemo
