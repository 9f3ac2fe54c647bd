#include "ReportPreview.h"

#include <QCoreApplication>
#include <QPageLayout>
#include <QPageSize>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QString>

#include "ButtonTextTranslator.h"
#include "PrintedReport.h"
#include "ReportDateTime.h"

void ReportPreview::Show(QWidget* parent, PrintedReport& report, ReportSource& source, int language,
                         const std::function<void(QDialog*)>& opened) {
  QPrinter printer(QPrinter::HighResolution);
  printer.setPageSize(QPageSize(QPageSize::Letter));
  printer.setPageOrientation(QPageLayout::Portrait);
  printer.setDocName(QStringLiteral("DoorTrim Balance Report"));
  QPrintPreviewDialog preview(&printer, parent);
  preview.setObjectName(QStringLiteral("PrintPreview"));
  // The title in the language shown (the language file's word for it, when it has one).
  preview.setWindowTitle(QCoreApplication::translate(ButtonTextTranslator::kContext,
                                                     ButtonTextTranslator::kPrintPreviewTitle));
  QObject::connect(&preview, &QPrintPreviewDialog::paintRequested, &preview, [&](QPrinter* target) {
    const ReportDateTime now = ReportDateTime::Now();
    report.Print(*target, source, language, QString::fromStdString(now.Date + "  " + now.Time));
  });
  if (opened) opened(&preview);
  preview.exec();
}
