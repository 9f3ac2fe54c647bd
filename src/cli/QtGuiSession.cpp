#include "QtGuiSession.h"

#include <cstdio>

#include <QGuiApplication>
#include <QMessageLogContext>
#include <QString>

namespace {

void QuietQt(QtMsgType type, const QMessageLogContext&, const QString& message) {
  if (type == QtCriticalMsg || type == QtFatalMsg) {
    std::fprintf(stderr, "doortrim-cli: Qt: %s\n", message.toLocal8Bit().constData());
  }
}

}  // namespace

QtGuiSession::QtGuiSession() : previousHandler_(qInstallMessageHandler(QuietQt)) {
  if (QCoreApplication::instance() != nullptr) return;
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") && qEnvironmentVariableIsEmpty("DISPLAY") &&
      qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY")) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
  }
  application_ = std::make_unique<QGuiApplication>(argc_, argv_);
}

QtGuiSession::~QtGuiSession() {
  application_.reset();
  qInstallMessageHandler(previousHandler_);
}

bool QtGuiSession::Ready() const {
  return qobject_cast<QGuiApplication*>(QCoreApplication::instance()) != nullptr;
}
