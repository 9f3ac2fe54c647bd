#pragma once

#include <QMenu>
#include <QString>
#include <functional>

class RecentDoors;

// File > Recent Doors: one entry per door of the recent list, newest first. Choosing one
// opens it through the given opener; a file that no longer exists is taken out of the list
// with a message instead. The entries follow the list as it changes.
class RecentDoorsMenu : public QMenu {
  Q_OBJECT

 public:
  using Opener = std::function<void(const QString& path)>;

  RecentDoorsMenu(RecentDoors& recent, Opener open, QWidget* parent = nullptr);

  // What choosing the entry of this file does.
  void Choose(const QString& path);
  // Language of its message: 0 English, 1 Russian.
  void SetLanguageIndex(int index) { languageIndex_ = index; }
  int LanguageIndex() const { return languageIndex_; }

 private:
  void Refill();

  RecentDoors& recent_;
  Opener open_;
  int languageIndex_ = 0;
};
