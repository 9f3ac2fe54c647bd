#include "ReportPreview.h"

#include <QCoreApplication>
#include <QLocale>
#include <QPageLayout>
#include <QPageSize>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QString>

#include "ButtonTextTranslator.h"
#include "PaperChoice.h"
#include "PrintedReport.h"
#include "ReportDateTime.h"

void ReportPreview::Show(QWidget* parent, PrintedReport& report, ReportSource& source,
                         const TextCatalogue& texts, const QString& doorFile,
                         const std::function<void(QDialog*)>& opened) {
  // The printer's own paper for every page; with no printer set up, the locale's.
  QPrinter printer(QPrinter::HighResolution);
  if (!printer.isValid() || printer.outputFormat() == QPrinter::PdfFormat)
    printer.setPageSize(QPageSize(PaperChoice::ForLocale(QLocale::system())));
  printer.setPageOrientation(QPageLayout::Portrait);
  printer.setDocName(QStringLiteral("DoorTrim Balance Report"));
  QPrintPreviewDialog preview(&printer, parent);
  preview.setObjectName(QStringLiteral("PrintPreview"));
  // The title in the language shown (the language file's word for it, when it has one).
  preview.setWindowTitle(QCoreApplication::translate(ButtonTextTranslator::kContext,
                                                     ButtonTextTranslator::kPrintPreviewTitle));
  QObject::connect(&preview, &QPrintPreviewDialog::paintRequested, &preview, [&](QPrinter* target) {
    const ReportDateTime now = ReportDateTime::Now(texts);
    report.Print(*target, source, texts, QString::fromStdString(now.Date + "  " + now.Time),
                 doorFile);
  });
  if (opened) opened(&preview);
  preview.exec();
}
