// The hand-over file of the CAD link: the motor's parts row read from the catalog, its
// template expanded and written to a new file of its own in the temporary folder.
#pragma once

#include "base/NameValueList.h"

#include <optional>
#include <string>

namespace kinemo {

class TCatalogQuery;

// The image types of the export page in their list order and the command switch of each.
enum class TCadImageType { ThreeD = 0, Facade = 1, LeftSide = 2, RightSide = 3 };
constexpr int kCadImageTypeCount = 4;
// "/3", "/F", "/L", "/R"; empty outside the range.
std::string ImageTypeSwitch(int imageType);

// Every column of the motor price row joined with its parts (gear head and output shaft for a
// motor with a built-in gear, motor shaft and oil seal otherwise) as name=value pairs;
// none when the motor has no CAD part data.
std::optional<TNameValueList> ReadPartsRow(TCatalogQuery& query, int mmpCd, bool geared);

// The file's text: mvtv_value expanded with the row, mmp_vantor_id followed by the switch.
std::string HandOverText(TNameValueList row, const std::string& imageSwitch);

// Writes the hand-over file for a motor as a new file with a unique name in folder
// ("kinemo-XXXXXX.vtg", readable by the user only) and returns its path, for the caller
// to remove; empty (nothing written) when the motor has no parts row, so the export stops
// with the missing hand-over file message. Raises TFileWriteError when it cannot be made.
std::string WriteHandOverFile(TCatalogQuery& query, int mmpCd, bool geared, int imageType,
                              const std::string& folder);

}  // namespace kinemo
