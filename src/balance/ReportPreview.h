#pragma once

#include <functional>

class PrintedReport;
class TextCatalogue;
class QDialog;
class QString;
class QWidget;
class ReportSource;

// The printed report in a print preview window, from which the user prints it or saves it
// as a PDF. The document is built afresh whenever the window asks for its pages.
class ReportPreview {
 public:
  // Shows the preview over `parent` and returns when the user closes it; the pages are headed
  // by `doorFile` (empty: a door not saved yet). `opened` runs with the preview window just
  // before it is shown (tests close it through this).
  static void Show(QWidget* parent, PrintedReport& report, ReportSource& source,
                   const TextCatalogue& texts, const QString& doorFile,
                   const std::function<void(QDialog*)>& opened);
};
