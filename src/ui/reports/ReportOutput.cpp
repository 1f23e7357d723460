// Printing, PDF writing and preview of report documents.
#include "reports/ReportOutput.h"

#include "base/KinemoError.h"
#include "reports/ReportPainter.h"

#include <QPainter>
#include <QPdfWriter>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QSaveFile>

namespace kinemo {

QPageSize ReportPaper(int paperCode) { return QPageSize(paperCode == 1 ? QPageSize::Letter : QPageSize::A4); }

int ReportPageCount(const std::vector<TReportDocument>& docs) {
    int n = 0;
    for (const TReportDocument& d : docs) n += static_cast<int>(d.Pages.size());
    return n;
}

void DrawReports(QPainter& painter, QPagedPaintDevice& device, const std::vector<TReportDocument>& docs) {
    const double dpi = device.logicalDpiX();
    const QRectF paper = device.pageLayout().fullRectPixels(static_cast<int>(dpi));
    // The device's origin is the printable area's corner; the engine measures from the sheet's.
    const QRectF printable = device.pageLayout().paintRectPixels(static_cast<int>(dpi));
    const QRectF sheet(-printable.left(), -printable.top(), paper.width(), paper.height());
    bool first = true;
    for (const TReportDocument& doc : docs)
        for (int i = 0; i < doc.Pages.size(); ++i) {
            if (!first) device.newPage();
            first = false;
            TReportPainter(painter, sheet, dpi).DrawPage(doc, i);
        }
}

void PrintReports(QPrinter& printer, const std::vector<TReportDocument>& docs, int paperCode) {
    printer.setPageSize(ReportPaper(paperCode));
    printer.setPageMargins(QMarginsF(0, 0, 0, 0), QPageLayout::Millimeter);
    QPainter painter;
    if (!painter.begin(&printer)) return;
    DrawReports(painter, printer, docs);
    painter.end();
}

void WriteReportPdf(const QString& path, const std::vector<TReportDocument>& docs, int paperCode, const QString& title) {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        throw TKinemoError("Can not write file " + path.toStdString() + ": " + file.errorString().toStdString());
    {
        QPdfWriter writer(&file);
        writer.setResolution(600);
        writer.setPageSize(ReportPaper(paperCode));
        writer.setPageMargins(QMarginsF(0, 0, 0, 0), QPageLayout::Millimeter);
        writer.setTitle(title);
        writer.setCreator(QStringLiteral("Kinemo"));
        QPainter painter;
        if (!painter.begin(&writer)) {
            file.cancelWriting();
            throw TKinemoError("Can not write file " + path.toStdString());
        }
        DrawReports(painter, writer, docs);
        painter.end();
    }
    if (!file.commit())
        throw TKinemoError("Can not write file " + path.toStdString() + ": " + file.errorString().toStdString());
}

int PreviewReports(QWidget* parent, const std::vector<TReportDocument>& docs, int paperCode, QPrinter* printer) {
    QPrinter pdfOnly(QPrinter::HighResolution);
    if (!printer) {
        pdfOnly.setOutputFormat(QPrinter::PdfFormat);
        printer = &pdfOnly;
    }
    printer->setPageSize(ReportPaper(paperCode));
    printer->setPageMargins(QMarginsF(0, 0, 0, 0), QPageLayout::Millimeter);
    QPrintPreviewDialog dialog(printer, parent);
    QObject::connect(&dialog, &QPrintPreviewDialog::paintRequested, &dialog, [&](QPrinter* p) {
        QPainter painter;
        if (!painter.begin(p)) return;
        DrawReports(painter, *p, docs);
        painter.end();
    });
    return dialog.exec();
}

}  // namespace kinemo
