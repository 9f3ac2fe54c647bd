#pragma once

#include <QMenu>
#include <QString>
#include <functional>
#include "lang/TextCatalogue.h"

class RecentDoors;

// File > Recent Doors: one entry per door of the recent list, newest first. Choosing one
// opens it through the given opener; a file that no longer exists, or a path that now names
// something other than a regular file, is taken out of the list with a message saying which.
// The entries follow the list as it changes; each shows its path with bidirectional and
// invisible controls made visible, and a long one shortened in the middle.
class RecentDoorsMenu : public QMenu {
  Q_OBJECT

 public:
  using Opener = std::function<void(const QString& path)>;

  RecentDoorsMenu(RecentDoors& recent, Opener open, QWidget* parent = nullptr);

  // What choosing the entry of this file does.
  void Choose(const QString& path);
  // Language of its message: 0 English, 1 Russian.
  void SetTexts(const TextCatalogue& texts) { texts_ = texts; }
  const TextCatalogue& Texts() const { return texts_; }

 private:
  // How many characters' width an entry's path may take before its middle is left out.
  static constexpr int kShownCharacters = 60;

  void Refill();
  // The path as an entry and a message show it.
  QString ShownPath(const QString& path) const;

  RecentDoors& recent_;
  Opener open_;
  TextCatalogue texts_ = TextCatalogue::English();
};
