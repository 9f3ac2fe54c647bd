#include "ReportPreview.h"

#include <QPageLayout>
#include <QPageSize>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QString>

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
  preview.setWindowTitle(QStringLiteral("DoorTrim Balance Report"));
  QObject::connect(&preview, &QPrintPreviewDialog::paintRequested, &preview, [&](QPrinter* target) {
    const ReportDateTime now = ReportDateTime::Now();
    report.Print(*target, source, language, QString::fromStdString(now.Date + "  " + now.Time));
  });
  if (opened) opened(&preview);
  preview.exec();
}
