#pragma once

#include <QDBusAbstractInterface>
#include <QDBusConnection>
#include <QDBusPendingCall>
#include <QString>

// The macro interface as a client program sees it, on the client's own bus connection.
// Calls are sent without waiting: the program under test may run in the test's own thread.
class DdeClient : public QDBusAbstractInterface {
  Q_OBJECT

 public:
  // Far above any macro's time; the tests wait for the answer itself, not for this.
  static constexpr int kCallTimeoutMs = 120000;

  DdeClient(const QString& busName, const QDBusConnection& connection)
      : QDBusAbstractInterface(busName, "/DdeServerConv1", "org.doortrim.Dde", connection,
                               nullptr) {
    setTimeout(kCallTimeoutMs);
  }

  QDBusPendingCall Execute(const QString& data) { return asyncCall("Execute", data); }
  QDBusPendingCall Request(const QString& item) { return asyncCall("Request", item); }

 signals:
  // The program's signal, received from the bus once something listens to it here.
  void ItemChanged(const QString& item, const QString& text);
};
