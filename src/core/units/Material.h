// Materials offered as pick lists for input values (densities, friction coefficients).
#pragma once

#include <map>
#include <memory>
#include <mutex>
#include <string>
#include <vector>

namespace kinemo {

class TCatalogQuery;

struct TMaterial {
    int Code = 0;
    std::string Name;
    double Value = 0;  // in its own unit; unreadable catalog text gives 0
    int UnitCode = 0;
};

class TMaterialManager {
public:
    explicit TMaterialManager(TCatalogQuery& query) : query_(&query) {}

    // The materials offered for a value in unit `unitCode`; empty when none. Cached per unit
    // (read under a lock: the context's one manager serves every session).
    const std::vector<TMaterial>& GetMaterials(int unitCode);

private:
    std::mutex mutex_;
    TCatalogQuery* query_;  // borrowed, kept for later reads
    std::map<std::string, std::vector<TMaterial>> cache_;
};

}  // namespace kinemo
