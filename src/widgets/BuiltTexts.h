#pragma once

#include <QString>
#include <map>

class QLabel;
class QWidget;

// The texts a window builds itself (results, reasons, sentences with numbered places %1, %2,
// ...), kept where a language file can reach them: each is the caption of a label of the window
// that is never shown, named by the text's key. Applying the window's section of a language
// file sets them as it sets every other caption, so a window's own texts and its controls'
// texts come from the same section, in every language the files hold. The English text given
// when a key is added stands until a file replaces it.
class BuiltTexts {
 public:
  explicit BuiltTexts(QWidget& form) : form_(form) {}

  // Adds the text under `key` (an object name of the form, unique in it).
  void Add(const char* key, const QString& english);
  // The text as the language shown has it; empty for a key never added.
  QString Text(const char* key) const;

 private:
  QWidget& form_;
  std::map<QString, QLabel*> labels_;
};
