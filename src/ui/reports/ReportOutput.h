// Where report documents go: a printer (also the one of the print preview), a PDF file,
// the preview window. All three draw through the same layout engine, so the preview
// shows what the PDF holds.
#pragma once

#include "reports/ReportDocument.h"

#include <QPageSize>
#include <QString>

#include <vector>

class QPagedPaintDevice;
class QPainter;
class QPrinter;
class QWidget;

namespace kinemo {

// Paper code of the device settings: 1 letter, any other A4.
QPageSize ReportPaper(int paperCode);

// Draws every page of the documents one after the other on device (which must have been
// given its page size) with painter already begun on it.
void DrawReports(QPainter& painter, QPagedPaintDevice& device, const std::vector<TReportDocument>& docs);

// Prints on printer (its page size is set to paperCode first).
void PrintReports(QPrinter& printer, const std::vector<TReportDocument>& docs, int paperCode);

// Writes a PDF file through a temporary file and a rename: on failure the previous file
// is left as it was and TKinemoError names the path.
void WriteReportPdf(const QString& path, const std::vector<TReportDocument>& docs, int paperCode,
                    const QString& title = QString());

// The preview dialog on printer (or a PDF-only printer when null); returns its result.
int PreviewReports(QWidget* parent, const std::vector<TReportDocument>& docs, int paperCode,
                   QPrinter* printer = nullptr);

// The number of pages the documents make.
int ReportPageCount(const std::vector<TReportDocument>& docs);

}  // namespace kinemo
