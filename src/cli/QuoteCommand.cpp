// kinemo-cli quote: the quotation of a project's option page (committed motor, or the motor
// its option page shows) without a window: lines, quantities, prices and the total.
#include "cli/CliSupport.h"
#include "cli/Commands.h"

#include "session/KinemoContext.h"
#include "session/SizingSession.h"
#include "base/CatalogText.h"
#include "base/KinemoError.h"
#include "base/TextFormat.h"

#include <cstdio>

namespace kinemo::cli {

namespace {

struct QuoteLine {
    std::string Kind, Title, Part, Note;
    long long Qty = 0, Price = 0;
};

std::vector<QuoteLine> Lines(const TOptionDetailModel& d, const TNameValueList& texts) {
    const TMotor& m = *d.Motor();
    std::vector<QuoteLine> lines = {{"motor", texts.Value("LRLabelMotor"), m.msv_model_all,
                                     m.mso_name + " " + m.msb_value + " " + m.msmg_value, d.MotorQty(), d.MotorPrice()},
                                    {"amplifier", texts.Value("LRLabelAmp"), m.msv_amplifier1, m.msp_name + " " + m.mss_name,
                                     d.AmpQty(), d.AmpPrice()}};
    for (int g = 0; g < kOptionGroupCount; ++g)
        for (const TOptionRow& row : d.Group(static_cast<TOptionGroup>(g)))
            if (row.Quantity != 0)
                lines.push_back({OptionGroupKey(static_cast<TOptionGroup>(g)), row.Title, row.PartsName, row.PrintMessage,
                                 row.Quantity, row.Price});
    return lines;
}

std::string Csv(const std::string& s) { return CsvField(s); }

std::string Json(const std::string& s) {
    std::string out = "\"";
    for (unsigned char c : s) {
        if (c == '"' || c == '\\') out += '\\', out += static_cast<char>(c);
        else if (c < 0x20) {
            char buf[8];
            std::snprintf(buf, sizeof buf, "\\u%04x", c);
            out += buf;
        } else out += static_cast<char>(c);
    }
    return out + "\"";
}

// The quotation page's own captions head the columns.
void PrintTable(const TOptionDetailModel& d, const std::vector<QuoteLine>& lines, const TNameValueList& t) {
    std::vector<std::vector<std::string>> rows = {
        {t.Value("LRLabelItem"), t.Value("LRLabelModel"), t.Value("LRLabelQty"), t.Value("LRLabelPrice"),
         t.Value("LRLabelSubTotal")}};
    for (const QuoteLine& l : lines)
        rows.push_back({l.Title, l.Part, std::to_string(l.Qty), d.Amount(l.Price), d.Amount(l.Price * l.Qty)});
    rows.push_back({t.Value("LRLabelTotal"), "", "", "", d.Amount(d.GrandTotal())});
    std::vector<int> widths(5, 0);
    for (const auto& r : rows)
        for (size_t c = 0; c < r.size(); ++c) widths[c] = std::max(widths[c], DisplayWidth(r[c]));
    for (const auto& r : rows) {
        std::string out;
        for (size_t c = 0; c < r.size(); ++c) out += (c ? "  " : "") + PadToWidth(r[c], widths[c], c >= 2);
        while (!out.empty() && out.back() == ' ') out.pop_back();
        std::printf("%s\n", out.c_str());
    }
}

int RunQuote(const Arguments& args) {
    if (args.positional.size() != 1) throw UsageError{"one project file expected"};
    const std::string format = args.Get("format", "table");
    if (format != "table" && format != "csv" && format != "json") throw UsageError{"--format is table, csv or json"};
    TCliDialogs dialogs;
    std::unique_ptr<TKinemoContext> ctx = OpenContext(args, dialogs);
    std::unique_ptr<TSizingSession> session = OpenSession(*ctx, args.positional[0]);
    const TOptionDetailModel& d = session->OptionDetail();
    if (!d.Motor()) throw TKinemoError(d.Text("NoMotorShown"));
    const TNameValueList texts = ReadMessageClass(ctx->Query(), "form_printer_option", true);
    const std::vector<QuoteLine> lines = Lines(d, texts);
    if (format == "table") {
        PrintTable(d, lines, texts);
    } else if (format == "csv") {
        // Amounts are plain numbers; the money symbol they are in heads their columns.
        const std::string currency = d.MoneySymbol().empty() ? std::string() : " (" + d.MoneySymbol() + ")";
        std::printf("kind,item,part,qty,%s,%s,note\r\n", Csv("unit_price" + currency).c_str(),
                    Csv("subtotal" + currency).c_str());
        for (const QuoteLine& l : lines)
            std::printf("%s,%s,%s,%lld,%lld,%lld,%s\r\n", Csv(l.Kind).c_str(), Csv(l.Title).c_str(), Csv(l.Part).c_str(),
                        l.Qty, l.Price, l.Price * l.Qty, Csv(l.Note).c_str());
        std::printf("total,,,,,%lld,\r\n", d.GrandTotal());
    } else {
        std::printf("{\"currency\": %s, \"title\": %s, \"lines\": [", Json(d.MoneySymbol()).c_str(), Json(d.PrintTitle).c_str());
        for (size_t i = 0; i < lines.size(); ++i) {
            const QuoteLine& l = lines[i];
            std::printf("%s\n {\"kind\": %s, \"item\": %s, \"part\": %s, \"qty\": %lld, \"unit_price\": %lld, "
                        "\"subtotal\": %lld, \"note\": %s}",
                        i ? "," : "", Json(l.Kind).c_str(), Json(l.Title).c_str(), Json(l.Part).c_str(), l.Qty, l.Price,
                        l.Price * l.Qty, Json(l.Note).c_str());
        }
        std::printf("\n], \"total\": %lld, \"comment\": %s}\n", d.GrandTotal(), Json(d.Comment()).c_str());
    }
    return 0;
}

const CommandRegistrar kQuote({"quote", "quote PROJECT [--format table|csv|json] [--catalog PATH]", RunQuote, {}});

}  // namespace

}  // namespace kinemo::cli
