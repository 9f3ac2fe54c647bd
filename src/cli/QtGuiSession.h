#pragma once

#include <memory>

#include <QtGlobal>

class QGuiApplication;

// Qt for a command that draws: its application object (fonts need one), made only while the
// command runs so that the other commands never load a platform, on the offscreen platform
// when there is no display. Qt's own chatter is kept from the user; only its serious
// complaints reach standard error, one line each.
class QtGuiSession {
 public:
  QtGuiSession();
  ~QtGuiSession();
  QtGuiSession(const QtGuiSession&) = delete;
  QtGuiSession& operator=(const QtGuiSession&) = delete;

  // A GUI application is running (this one's or one that was there before).
  bool Ready() const;

 private:
  QtMessageHandler previousHandler_ = nullptr;
  int argc_ = 1;
  char name_[13] = "doortrim-cli";
  char* argv_[2] = {name_, nullptr};
  std::unique_ptr<QGuiApplication> application_;
};
