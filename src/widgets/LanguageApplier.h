#pragma once

#include <QObject>
#include <QString>

#include "lang/LanguageFile.h"
#include "lang/TextCatalogue.h"

class QWidget;

// The language component of a translated window ("Lang1"): it sets the captions and hints of
// the window's controls from a section of a language file. A control is found by its object
// name, whatever the case, among the window's own controls (not those of the dialogs it
// owns); what an entry sets on it depends on the control's exact class, through the class
// names the language files were written for (LanguageClass). A control of a class outside
// the table gets nothing, as does a name the window does not have.
class LanguageApplier : public QObject {
  Q_OBJECT

 public:
  // The component of `form`, created on first use.
  static LanguageApplier& Of(QWidget& form);

  const QString& LangFile() const { return langFile_; }
  // The built texts of the language the window shows, for the messages its controls give
  // themselves (an entry field's range); English until a language is chosen.
  const TextCatalogue& Texts() const { return texts_; }
  void SetTexts(const TextCatalogue& texts) { texts_ = texts; }
  void SetLangFile(const QString& path) { langFile_ = path; }

  // Reads LangFile and applies the section named `section`. A file that cannot be read or a
  // count line that is not a number changes nothing and shows one message naming the file
  // and the line; the result is then false. OnRead follows a file that was read.
  bool Translate(const QString& section);
  // Applies a section already read, then raises OnRead.
  void Apply(const LanguageFile::Section& section);

  // The control of the window named `name` (case ignored) that has a class of the table,
  // the window itself included; nullptr when there is none.
  QObject* FindComponent(const QString& name) const;

  // The class name the language files use for `component`; empty when it has none.
  static QString LanguageClass(const QObject& component);
  // Applies one entry's two lines to `component` by its class.
  static void ApplyEntry(QObject& component, const LanguageFile::Entry& entry);

 signals:
  // After a section was applied: the window refreshes the texts its code builds.
  void OnRead();

 private:
  explicit LanguageApplier(QWidget& form);

  QWidget& form_;
  QString langFile_;
  TextCatalogue texts_ = TextCatalogue::English();
};
