#include "platform/qt/report_preview.h"

#include <QAction>
#include <QDateTime>
#include <QDir>
#include <QEventLoop>
#include <QFileDialog>
#include <QMessageBox>
#include <QPainter>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QToolBar>
#include <utility>

#include "platform/qt/report_engine.h"

namespace fillmap {

namespace {

ReportPreview& replaced_preview() {
  static ReportPreview preview;
  return preview;
}

}  // namespace

QString ask_pdf_file_name(QWidget* parent) {
  return QFileDialog::getSaveFileName(parent, "Save as PDF", QDir::home().filePath("FILLMAP.pdf"),
                                      "PDF files (*.pdf)");
}

void preview_report(const Report& report, QWidget* parent, const PdfFileNameAsker& ask_file_name) {
  QPrinter printer(QPrinter::HighResolution);
  report.prepare(printer);
  QPrintPreviewDialog preview(&printer, parent);
  preview.setWindowModality(Qt::NonModal);
  QObject::connect(&preview, &QPrintPreviewDialog::paintRequested, [&](QPrinter* target) {
    QPainter painter(target);
    report.render(painter, QDateTime::currentDateTime());
  });

  QAction* save = preview.findChild<QToolBar*>()->addAction("Save as PDF...");
  QObject::connect(save, &QAction::triggered, [&] {
    const QString path = ask_file_name(&preview);
    if (!path.isEmpty() && !report.write_pdf(path, QDateTime::currentDateTime()))
      QMessageBox::warning(&preview, "Save as PDF",
                           "Cannot write " + QDir::toNativeSeparators(path) + ".");
  });

  QEventLoop until_closed;
  QObject::connect(&preview, &QDialog::finished, &until_closed, &QEventLoop::quit);
  preview.show();
  until_closed.exec();
}

void show_preview(const Report& report, QWidget* parent) {
  if (replaced_preview())
    replaced_preview()(report, parent);
  else
    preview_report(report, parent);
}

void set_report_preview(ReportPreview replacement) { replaced_preview() = std::move(replacement); }

}  // namespace fillmap
