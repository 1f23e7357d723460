// A motor named by its motor and extension codes, read with every joined table.
#pragma once

#include <memory>
#include <string>
#include <vector>

namespace kinemo {

class TCatalogQuery;
class TMotor;

// The motor record of msv_cd / mxc_cd with all search-item names; null when the catalog
// no longer has that combination.
std::unique_ptr<TMotor> LoadMotorByReference(TCatalogQuery& query, int msvCd, int mxcCd);
// The first record (lowest motor and extension code) whose full model name is model.
std::unique_ptr<TMotor> LoadMotorByModel(TCatalogQuery& query, const std::string& model);
// Every motor of the catalog under every extension code it is sold with, in the order of
// a candidate list (by motor, then extension code), with the data a judgement reads.
std::vector<std::unique_ptr<TMotor>> LoadEveryCatalogMotor(TCatalogQuery& query);

}  // namespace kinemo
