#pragma once

#include <gtest/gtest.h>

#include <QApplication>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusPendingCall>
#include <QDBusPendingCallWatcher>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <memory>

#include "DoorTrimApp.h"
#include "MainWindow.h"
#include "gui/DoorChanges.h"
#include "io/DoorFileWriter.h"
#include "macro/DdeClient.h"
#include "model/DoorInputs.h"
#include "model/ViewSettings.h"

// The desktop program in the test process with its macro server on the test's session bus,
// and a client on a connection of its own, as another program would be.
class MacroFixture : public ::testing::Test {
 protected:
  static constexpr const char* kBusName = "org.doortrim.test";
  static constexpr const char* kItem = "DdeServerItem1";

  void SetUp() override {
    ASSERT_TRUE(dir_.isValid());
    app_ = std::make_unique<DoorTrimApp>();
    main_ = &app_->Main();
    main_->show();
    ASSERT_EQ(main_->StartMacroServer(QDBusConnection::sessionBus(), kBusName), QString());
    client_ = Connect("client");
  }

  void TearDown() override {
    CloseWithoutSaving(*main_);
    app_.reset();
    for (const QString& name : connections_)
      QDBusConnection::disconnectFromBus(name);
  }

  // A new client connection to the session bus, under a name unique in this process.
  QDBusConnection Connect(const QString& role) {
    static int count = 0;
    const QString name = QString("macro-test-%1-%2").arg(role).arg(++count);
    connections_.push_back(name);
    QDBusConnection connection = QDBusConnection::connectToBus(QDBusConnection::SessionBus, name);
    EXPECT_TRUE(connection.isConnected()) << connection.lastError().message().toStdString();
    return connection;
  }

  // Waits for the answer to a call that is on its way, in an event loop that waits for
  // events as the program's own does.
  static QDBusMessage Await(QDBusPendingCall& call) {
    if (!call.isFinished()) {
      QDBusPendingCallWatcher watcher(call);
      QSignalSpy answered(&watcher, &QDBusPendingCallWatcher::finished);
      EXPECT_TRUE(answered.wait(DdeClient::kCallTimeoutMs));
    }
    return call.reply();
  }

  QDBusMessage Execute(const QString& data) {
    QDBusPendingCall call = DdeClient(kBusName, client_).Execute(data);
    return Await(call);
  }

  QDBusMessage Request(const QString& item, const QDBusConnection* from = nullptr) {
    QDBusPendingCall call = DdeClient(kBusName, from ? *from : client_).Request(item);
    return Await(call);
  }

  // The main window's title as its bar shows it: "*" while the door differs from its file.
  QString Title() const {
    return main_->windowTitle().replace("[*]", main_->isWindowModified() ? "*" : "");
  }

  QString ItemText() {
    const QDBusMessage answer = Request(kItem);
    EXPECT_EQ(answer.type(), QDBusMessage::ReplyMessage) << answer.errorMessage().toStdString();
    return answer.arguments().value(0).toString();
  }

  // A door file of our own, told apart from the default door by its weight and mode.
  QString WriteDoor(const QString& name, long double weight, bool bottom) {
    DoorInputs door;
    door.G = weight;
    door.Bottom = bottom;
    const QString path = dir_.filePath(name);
    EXPECT_TRUE(DoorFileWriter().Save(path.toStdString(), door, ViewSettings{}));
    return path;
  }

  QTemporaryDir dir_;
  std::unique_ptr<DoorTrimApp> app_;
  MainWindow* main_ = nullptr;
  QDBusConnection client_{QString()};
  std::vector<QString> connections_;
};
