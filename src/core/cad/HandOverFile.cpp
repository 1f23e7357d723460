// Reading the parts row and writing the hand-over file.
#include "cad/HandOverFile.h"

#include "base/AtomicFile.h"
#include "base/Catalog.h"
#include "base/SpecialFolder.h"
#include "cad/PartsTemplate.h"

#include <cerrno>
#include <cstdlib>
#include <unistd.h>

namespace kinemo {

std::string ImageTypeSwitch(int imageType) {
    static const char* const switches[kCadImageTypeCount] = {"/3", "/F", "/L", "/R"};
    return imageType >= 0 && imageType < kCadImageTypeCount ? switches[imageType] : "";
}

std::optional<TNameValueList> ReadPartsRow(TCatalogQuery& query, int mmpCd, bool geared) {
    query.Close();
    query.SetSQL(std::vector<std::string>{
        "SELECT * FROM ", " (((((( ",
        " (m_motor_price AS mmp INNER JOIN m_vantor_value AS mvtv ON mmp.mmp_mvtv_cd = mvtv.mvtv_cd) ",
        " INNER JOIN m_vantor_output AS mvto ON mmp.mmp_mvto_cd = mvto.mvto_cd) ",
        " INNER JOIN m_vantor_encoder AS mvte ON mmp.mmp_mvte_cd = mvte.mvte_cd) ",
        " INNER JOIN m_vantor_brake AS mvtb ON mmp.mmp_mvtb_cd = mvtb.mvtb_cd) ",
        " INNER JOIN m_vantor_supply AS mvts ON mmp.mmp_mvts_cd = mvts.mvts_cd) "});
    if (geared) {
        query.AddSQL(" INNER JOIN m_vantor_gear_rate AS mvtgr ON mmp.mmp_mvtgr_cd = mvtgr.mvtgr_cd) ");
        query.AddSQL(" INNER JOIN m_vantor_gear_shaft AS mvtgs ON mmp.mmp_mvtgs_cd = mvtgs.mvtgs_cd) ");
    } else {
        query.AddSQL(" INNER JOIN m_vantor_motor_shaft AS mvtms ON mmp.mmp_mvtms_cd = mvtms.mvtms_cd) ");
        query.AddSQL(" INNER JOIN m_vantor_oil_seal AS mvtos ON mmp.mmp_mvtos_cd = mvtos.mvtos_cd) ");
    }
    query.AddSQL(" WHERE mmp.mmp_cd = :MMPID ");
    query.SetParam("MMPID", static_cast<long long>(mmpCd));
    query.Open();
    std::optional<TNameValueList> row;
    if (!query.Eof()) {
        row.emplace();
        // Add, not SetValue: an empty column keeps its name, so a marker naming it still
        // finds a column (and expands to nothing).
        for (int i = 0; i < query.FieldCount(); ++i) row->Add(query.FieldName(i) + "=" + query.AsString(i));
    }
    query.Close();
    return row;
}

std::string HandOverText(TNameValueList row, const std::string& imageSwitch) {
    row.SetValue("mmp_vantor_id", row.Value("mmp_vantor_id") + imageSwitch);
    return ExpandPartsTemplate(row.Value("mvtv_value"), row);
}

std::string WriteHandOverFile(TCatalogQuery& query, int mmpCd, bool geared, int imageType,
                              const std::string& folder) {
    std::optional<TNameValueList> row = ReadPartsRow(query, mmpCd, geared);
    if (!row) return {};
    const std::string text = HandOverText(*row, ImageTypeSwitch(imageType));
    // A new file of our own each time (O_EXCL, mode 0600): nothing another user placed in
    // the shared temporary folder is ever written through or handed on.
    std::string path = IncludeTrailingDelimiter(folder) + "kinemo-XXXXXX.vtg";
    const int fd = ::mkstemps(path.data(), 4);
    if (fd < 0) throw TFileWriteError(path, TWriteStep::Create, errno);
    size_t done = 0;
    while (done < text.size()) {
        const ssize_t n = ::write(fd, text.data() + done, text.size() - done);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) {
            const int error = n < 0 ? errno : EIO;
            ::close(fd);
            ::unlink(path.c_str());
            throw TFileWriteError(path, TWriteStep::Write, error);
        }
        done += static_cast<size_t>(n);
    }
    if (::close(fd) != 0) {
        const int error = errno;
        ::unlink(path.c_str());
        throw TFileWriteError(path, TWriteStep::Flush, error);
    }
    return path;
}

}  // namespace kinemo
