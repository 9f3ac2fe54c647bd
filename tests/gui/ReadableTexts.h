#pragma once

#include <QString>
#include <map>
#include <set>
#include <string>
#include <vector>

class QObject;
class QWidget;

// Every text a user can read in a set of windows, keyed "window.control.kind": titles,
// captions, group and menu titles, menu items, tool tips, status tips, what's-this texts,
// placeholders, combo items, table and tree headings, tab texts, status lines and the names
// and descriptions a screen reader gives. Rich text is read as the user sees it, without its
// tags. Dialogs a window owns are walked with it and keyed by their own name.
class ReadableTexts {
 public:
  // Windows whose subtree is skipped (kept in one language by design), and texts that are
  // no language (the log window's title is its file's path).
  explicit ReadableTexts(std::set<const QWidget*> skipped = {},
                         std::set<std::string> notLanguage = {});

  // Adds the texts of `root` and everything under it.
  void Walk(QWidget& root);
  // Adds one text read elsewhere (a message box), under `where`.
  void Add(const QString& where, const QString& text);

  const std::map<std::string, QString>& Texts() const { return texts_; }

 private:
  void AddObject(QObject& object);
  void AddWidget(QWidget& widget, const QString& where);
  bool IsSkipped(const QObject& object) const;
  static QString Where(const QObject& object);

  std::set<const QWidget*> skipped_;
  std::set<std::string> notLanguage_;
  std::set<const QObject*> seen_;
  std::map<std::string, QString> texts_;
};

// The words of a text as this check counts them: runs of Latin letters, 3 or more long,
// lower-cased.
std::set<QString> LatinWords(const QString& text);
