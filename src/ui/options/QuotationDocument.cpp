// Quotation pages.
#include "options/QuotationDocument.h"
#include "common/QtText.h"

#include "options/Quotation.h"

namespace kinemo {

namespace {

QVector<TReportColumn> Columns(const TNameValueList& t) {
    return {{Qs(t.Value("LRLabelItem")), "", 1.3, true},   {Qs(t.Value("LRLabelModel")), "", 1.3, true},
            {Qs(t.Value("LRLabelQty")), "", 0.45, false},  {Qs(t.Value("LRLabelPrice")), "", 0.8, false},
            {Qs(t.Value("LRLabelSubTotal")), "", 0.8, false}, {Qs(t.Value("LRLabelNote")), "", 2.4, true}};
}

}  // namespace

TReportDocument QuotationDocument(const TQuotation& quotation, const std::string& title) {
    const TNameValueList& t = quotation.PageTexts();
    const TNameValueList top = quotation.TopItems(title);
    const TNameValueList bottom = quotation.BottomItems();
    TReportDocument doc;
    doc.Title = Qs(top.Value("LRItemTitle"));
    doc.Subtitle = Qs(top.Value("LRItemMotorName"));
    doc.TitleFields = {{Qs(t.Value("LRLabelDate")), Qs(top.Value("LRItemFormatDate"))},
                       {Qs(t.Value("LRLabelSeries")), Qs(top.Value("LRVariableTextSeries"))},
                       {Qs(t.Value("LRLabelType")), Qs(top.Value("LRVariableTextType"))}};
    doc.Footer = Qs(t.Value("LRLabelFooter"));
    for (int page = 0; page < quotation.PageCount(); ++page) {
        TReportSheet sheet;
        TReportTable head;
        head.Columns = Columns(t);
        head.Rows = {{Qs(t.Value("LRLabelMotor")), Qs(top.Value("LRItemMotorName")), Qs(top.Value("LRItemMotorQty")),
                      Qs(top.Value("LRItemMotorPrice")), Qs(top.Value("LRItemMotorSubTotal")),
                      Qs(top.Value("LRItemMotorMessage"))},
                     {Qs(t.Value("LRLabelAmp")), Qs(top.Value("LRItemAmpName")), Qs(top.Value("LRItemAmpQty")),
                      Qs(top.Value("LRItemAmpPrice")), Qs(top.Value("LRItemAmpSubTotal")),
                      Qs(top.Value("LRItemAmpMessage"))}};
        sheet.Blocks.push_back(head);
        TReportTable options;
        options.Caption = Qs(t.Value("LRLabelOptions"));
        options.Columns = Columns(t);
        options.RowSlots = TQuotation::kRowsPerPage;
        options.Fill = true;
        for (const TNameValueList& part : quotation.PageParts(page))
            options.Rows.push_back({Qs(part.Value("Title")), Qs(part.Value("PartsName")), Qs(part.Value("Qty")),
                                    Qs(part.Value("Price")), Qs(part.Value("SubTotal")), Qs(part.Value("PrintMessage"))});
        // Empty rows keep the grid at 22 rows on every page.
        while (options.Rows.size() < TQuotation::kRowsPerPage) options.Rows.push_back(QStringList(6, QString()));
        // The grand total closes the grid in its subtotal column.
        options.Rows.push_back({Qs(t.Value("LRLabelTotal")), QString(), QString(), QString(),
                                Qs(bottom.Value("LRItemTotalPrice")), QString()});
        sheet.Blocks.push_back(options);
        const QString comment = Qs(bottom.Value("LRVariableTextComment")).replace("\r\n", "\n");
        sheet.Blocks.push_back(TReportText{Qs(t.Value("LRLabelComment")) + ":\n" + comment, 9, false});
        doc.Pages.push_back(sheet);
    }
    return doc;
}

}  // namespace kinemo
