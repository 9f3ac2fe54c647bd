#include "QtOwnTexts.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibraryInfo>
#include <QTranslator>

#include "ButtonTextTranslator.h"

namespace {

constexpr int kRussian = 1;

}  // namespace

QtOwnTexts::QtOwnTexts() = default;

QtOwnTexts::~QtOwnTexts() {
  Remove();
}

QString QtOwnTexts::RussianCatalogue() {
  return QDir(QLibraryInfo::path(QLibraryInfo::TranslationsPath)).filePath("qtbase_ru.qm");
}

void QtOwnTexts::Remove() {
  if (fileTexts_) QCoreApplication::removeTranslator(fileTexts_.get());
  if (catalogue_) QCoreApplication::removeTranslator(catalogue_.get());
  fileTexts_.reset();
  catalogue_.reset();
}

bool QtOwnTexts::Use(int language, const LanguageFile& file) {
  Remove();
  // A file without the section leaves the toolkit's English words: nothing is lost by it.
  const LanguageFile::Result section = file.FindSection(kSection);
  if (section && !section.Sections.empty() && section.Sections.front().Found) {
    fileTexts_ = std::make_unique<ButtonTextTranslator>(section.Sections.front(), nullptr);
    QCoreApplication::installTranslator(fileTexts_.get());
  }
  if (language != kRussian) return true;
  // Installed last, the catalogue is asked first: its words are the toolkit's own.
  auto catalogue = std::make_unique<QTranslator>();
  if (!catalogue->load(RussianCatalogue())) {
    // The package is a dependency: its absence is a broken installation, said where the
    // person who installed the program looks, while the user goes on with English buttons.
    qWarning("Qt's Russian catalogue %s could not be loaded (package qt6-translations-l10n)",
             qPrintable(RussianCatalogue()));
    return false;
  }
  catalogue_ = std::move(catalogue);
  QCoreApplication::installTranslator(catalogue_.get());
  return true;
}
