#pragma once
// The report's preview window: zoom, page navigation, page set-up and printing, and "Save as
// PDF..." to write the same page to a file.

#include <QString>
#include <functional>

class QWidget;

namespace fillmap {

class Report;

// Asks for the name of the PDF file to write; an empty name cancels.
using PdfFileNameAsker = std::function<QString(QWidget* parent)>;

// The platform's save-file dialog for a PDF file.
QString ask_pdf_file_name(QWidget* parent);

// Shows the report in a preview window and returns when that window closes. The window is not
// modal: the rest of the program stays usable meanwhile. Every time the preview or a printout
// draws the report, it walks the data set again and shows the current time.
void preview_report(const Report& report, QWidget* parent,
                    const PdfFileNameAsker& ask_file_name = ask_pdf_file_name);

// The preview in force: preview_report unless a test or the screenshots program replaced it, so
// that pressing "&Report" does not wait for a window to close.
using ReportPreview = std::function<void(const Report& report, QWidget* parent)>;
void show_preview(const Report& report, QWidget* parent);
// Puts `replacement` in force; an empty one brings preview_report back.
void set_report_preview(ReportPreview replacement);

}  // namespace fillmap
