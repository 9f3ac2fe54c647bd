#include "MacroAdaptor.h"

#include "MacroServer.h"

MacroAdaptor::MacroAdaptor(MacroServer& server) : QDBusAbstractAdaptor(&server), server_(server) {
  // The server's own ItemChanged goes out on the bus as this interface's signal.
  setAutoRelaySignals(true);
}

void MacroAdaptor::Execute(const QString& data, const QDBusMessage& call) {
  server_.Execute(data, call);
}

QString MacroAdaptor::Request(const QString& item, const QDBusMessage& call) {
  return server_.Request(item, call);
}
