#include "ButtonTextTranslator.h"

#include <array>
#include <string_view>

namespace {

// Where the toolkit asks for the texts of its standard buttons, and for the commands of its
// print preview's tool bar.
constexpr const char* kButtonContext = "QPlatformTheme";
constexpr const char* kPreviewContext = "QPrintPreviewDialog";

struct Known {
  std::string_view Entry;  // the entry's name in the language file
  const char* Context;
  const char* English;  // the text the toolkit asks about
};

constexpr std::array<Known, 30> kKnown = {{
    {"Ok", kButtonContext, "OK"},
    {"Cancel", kButtonContext, "Cancel"},
    {"Yes", kButtonContext, "&Yes"},
    {"No", kButtonContext, "&No"},
    {"Save", kButtonContext, "Save"},
    {"Discard", kButtonContext, "Discard"},
    {"Close", kButtonContext, "Close"},
    {"Help", kButtonContext, "Help"},
    {"Apply", kButtonContext, "Apply"},
    {"Abort", kButtonContext, "Abort"},
    {"Retry", kButtonContext, "Retry"},
    {"Ignore", kButtonContext, "Ignore"},
    {"Open", kButtonContext, "Open"},
    {"Reset", kButtonContext, "Reset"},
    {"PrintPreview", ButtonTextTranslator::kContext, ButtonTextTranslator::kPrintPreviewTitle},
    {"PreviewNextPage", kPreviewContext, "Next page"},
    {"PreviewPreviousPage", kPreviewContext, "Previous page"},
    {"PreviewFirstPage", kPreviewContext, "First page"},
    {"PreviewLastPage", kPreviewContext, "Last page"},
    {"PreviewFitWidth", kPreviewContext, "Fit width"},
    {"PreviewFitPage", kPreviewContext, "Fit page"},
    {"PreviewZoomIn", kPreviewContext, "Zoom in"},
    {"PreviewZoomOut", kPreviewContext, "Zoom out"},
    {"PreviewPortrait", kPreviewContext, "Portrait"},
    {"PreviewLandscape", kPreviewContext, "Landscape"},
    {"PreviewSinglePage", kPreviewContext, "Show single page"},
    {"PreviewFacingPages", kPreviewContext, "Show facing pages"},
    {"PreviewAllPages", kPreviewContext, "Show overview of all pages"},
    {"PreviewPrint", kPreviewContext, "Print"},
    {"PreviewPageSetup", kPreviewContext, "Page setup"},
}};

QString Key(const char* context, const char* english) {
  return QString::fromUtf8(context) + QChar(u'\x04') + QString::fromUtf8(english);
}

}  // namespace

ButtonTextTranslator::ButtonTextTranslator(const LanguageFile::Section& section, QObject* parent)
    : QTranslator(parent) {
  setObjectName("ButtonTextTranslator");
  for (const LanguageFile::Entry& entry : section.Entries) {
    if (entry.Caption.empty()) continue;  // the toolkit's own word stays
    for (const Known& known : kKnown) {
      if (QString::fromStdString(entry.Component)
              .compare(QLatin1String(known.Entry.data(), qsizetype(known.Entry.size())),
                       Qt::CaseInsensitive) != 0)
        continue;
      texts_.insert(Key(known.Context, known.English), QString::fromStdString(entry.Caption));
    }
  }
}

QString ButtonTextTranslator::translate(const char* context, const char* sourceText,
                                        const char* /*disambiguation*/, int /*n*/) const {
  if (context == nullptr || sourceText == nullptr) return {};
  return texts_.value(Key(context, sourceText));
}
