#pragma once

#include <QSettings>
#include <memory>

class DoorDocument;
class MainWindow;
class DoorDropHandler;
class RecentDoors;
class RecentDoorsMenu;

// What makes the program at home on the desktop beside its windows: the doors used last,
// kept in the user's settings and offered under File > Recent Doors, and the drop of a door
// file on the main window. Both open a door as File > Open does, asking first whether to save
// the door that is open when it holds unsaved changes.
class DesktopIntegration {
 public:
  // Joins the main window; created after it.
  DesktopIntegration(MainWindow& main, DoorDocument& document);
  ~DesktopIntegration();
  DesktopIntegration(const DesktopIntegration&) = delete;
  DesktopIntegration& operator=(const DesktopIntegration&) = delete;

  RecentDoors& Recent() { return *recent_; }

 private:
  void OpenDoor(const QString& path);

  MainWindow& main_;
  QSettings settings_;  // the user's settings, named after the organisation and program
  std::unique_ptr<RecentDoors> recent_;
  RecentDoorsMenu* menu_ = nullptr;  // owned by the main window
  DoorDropHandler* drop_ = nullptr;  // owned by the main window
};
