#pragma once

#include <QDBusAbstractAdaptor>
#include <QDBusMessage>
#include <QString>

class MacroServer;

// The macro server as it appears on the bus: interface org.doortrim.Dde with the methods
// Execute(s data) and Request(s item) -> s, and the signal ItemChanged(s item, s text).
// It only hands the calls to its server, which answers them when the macro is done.
class MacroAdaptor : public QDBusAbstractAdaptor {
  Q_OBJECT
  Q_CLASSINFO("D-Bus Interface", "org.doortrim.Dde")
  // Written out so that the answer of Request has a name in the introspection data.
  Q_CLASSINFO("D-Bus Introspection",
              "  <interface name=\"org.doortrim.Dde\">\n"
              "    <method name=\"Execute\">\n"
              "      <arg name=\"data\" type=\"s\" direction=\"in\"/>\n"
              "    </method>\n"
              "    <method name=\"Request\">\n"
              "      <arg name=\"item\" type=\"s\" direction=\"in\"/>\n"
              "      <arg name=\"text\" type=\"s\" direction=\"out\"/>\n"
              "    </method>\n"
              "    <signal name=\"ItemChanged\">\n"
              "      <arg name=\"item\" type=\"s\"/>\n"
              "      <arg name=\"text\" type=\"s\"/>\n"
              "    </signal>\n"
              "  </interface>\n")

 public:
  explicit MacroAdaptor(MacroServer& server);

 public slots:  // NOLINT: the bus calls these by name
  void Execute(const QString& data, const QDBusMessage& call);
  QString Request(const QString& item, const QDBusMessage& call);

 signals:
  void ItemChanged(const QString& item, const QString& text);

 private:
  MacroServer& server_;
};
