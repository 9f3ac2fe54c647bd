#pragma once

#include <QDialog>

// The about box: a picture of the program and one OK button.
class TAboutBox : public QDialog {
  Q_OBJECT

 public:
  TAboutBox();
};
