#pragma once

#include <QDialog>

// The about box: a picture of the program and one OK button.
class AboutBox : public QDialog {
  Q_OBJECT

 public:
  AboutBox();
};
