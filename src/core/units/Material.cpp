// Material pick lists.
#include "units/Material.h"

#include "base/Catalog.h"
#include "units/ValueFormat.h"

namespace kinemo {

const std::vector<TMaterial>& TMaterialManager::GetMaterials(int unitCode) {
    const std::string key = std::to_string(unitCode);
    std::lock_guard lock(mutex_);
    auto it = cache_.find(key);
    if (it != cache_.end()) return it->second;
    std::vector<TMaterial>& list = cache_[key];
    TCatalogQuery& q = *query_;
    q.Close();
    q.SetSQL(std::vector<std::string>{
        "SELECT muc_mmc_cd",
        "FROM m_machine_unit_class INNER JOIN t_machine_unit_value ON m_machine_unit_class.muc_cd = "
        "t_machine_unit_value.muv_muc_cd",
        "WHERE t_machine_unit_value.muv_cd=:ID"});
    q.SetParam("ID", unitCode);
    q.Open();
    if (q.Eof() || q.IsNull(0)) {
        q.Close();
        return list;
    }
    const long long materialClass = q.AsInteger(0);
    q.Close();
    q.SetSQL(std::vector<std::string>{
        "SELECT mmm_cd, mmm_name, mmm_value, mmm_muv_cd",
        "FROM m_machine_material_class INNER JOIN m_machine_material ON m_machine_material_class.mmc_cd = "
        "m_machine_material.mmm_mmc_cd",
        "WHERE m_machine_material_class.mmc_cd=:ID",
        "ORDER BY m_machine_material_class.mmc_cd, m_machine_material.mmm_cd"});
    q.SetParam("ID", materialClass);
    q.Open();
    for (; !q.Eof(); q.Next()) {
        TMaterial m;
        m.Code = static_cast<int>(q.AsInteger(0));
        m.Name = q.AsString(1);
        if (!TryTextToFloat(q.AsString(2), m.Value)) m.Value = 0;
        m.UnitCode = static_cast<int>(q.AsInteger(3));
        list.push_back(m);
    }
    q.Close();
    return list;
}

}  // namespace kinemo
