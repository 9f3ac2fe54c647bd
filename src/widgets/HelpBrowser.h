#pragma once

#include <QString>
#include <QWidget>

#include "lang/TextCatalogue.h"

class QKeyEvent;
class QLabel;
class QTextBrowser;
class QToolButton;

// The program's help window: shows the help topics built into the program, with back,
// forward and contents buttons. It is not modal, so it can stay open beside the dialogs it
// explains. The application owns one and hands it to the windows that offer help.
class HelpBrowser : public QWidget {
  Q_OBJECT

 public:
  // The page every help session starts from.
  static constexpr char kContentsTopic[] = "doors";

  explicit HelpBrowser(QWidget* parent = nullptr);

  // Opens the topic (the page "<topic>.html", optionally followed by "#anchor"), then shows,
  // raises and activates the window. An unknown topic opens the contents with a short note.
  void ShowTopic(const QString& topic);

  // Its title, buttons and note in the language of `texts`; the pages stay as written.
  void SetTexts(const TextCatalogue& texts);

  // The page that the resource path of a topic names, or an empty string when the program
  // has no such topic.
  static QString TopicResource(const QString& topic);

 protected:
  void keyPressEvent(QKeyEvent* event) override;

 private:
  void BringToFront();

  QTextBrowser* text_;
  QToolButton* back_;
  QToolButton* forward_;
  QToolButton* contents_;
  QLabel* note_;
  TextCatalogue texts_ = TextCatalogue::English();
};
