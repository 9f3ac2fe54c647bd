#pragma once

#include <QHash>
#include <QString>
#include <QTranslator>

#include "lang/LanguageFile.h"

// The toolkit's own words that a language file gives: the standard buttons of every message
// box and dialog button box (OK, Cancel, Yes, No, ...), for a language the toolkit has no
// catalogue of (Norwegian bokmål), and the titles of the toolkit's windows the program opens
// (the print preview). Installed in the application, it answers where the toolkit asks for
// these texts, so every box gets them, whichever code opens it.
//
// An entry of the section names the button ("Ok", "Yes") or the window ("PrintPreview"); its
// caption line is the text. A name the table does not know is passed over.
class ButtonTextTranslator : public QTranslator {
  Q_OBJECT

 public:
  // The context and text under which the program asks for its print preview's title.
  static constexpr const char* kContext = "DoorTrim";
  static constexpr const char* kPrintPreviewTitle = "DoorTrim Balance Report";

  ButtonTextTranslator(const LanguageFile::Section& section, QObject* parent);

  QString translate(const char* context, const char* sourceText, const char* disambiguation,
                    int n) const override;
  bool isEmpty() const override { return texts_.isEmpty(); }

 private:
  // The text in this language by the toolkit's context and English text.
  QHash<QString, QString> texts_;
};
