#pragma once

#include <QDialog>

class QLabel;
class TextCatalogue;

// The about box: a picture of the program and one OK button.
class AboutBox : public QDialog {
  Q_OBJECT

 public:
  AboutBox();

  // Its title and lines in the language of `texts`.
  void SetTexts(const TextCatalogue& texts);

 private:
  QLabel* product_;
  QLabel* version_;
};
