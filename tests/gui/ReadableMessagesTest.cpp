// The windows quote what a user or a file gave them readably: a damaged byte shows as \xNN,
// never as a replacement character or as nothing.

#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QMessageBox>
#include <QString>
#include <memory>

#include "DoorTrimApp.h"
#include "MainWindow.h"
#include "gui/FileDialogScript.h"
#include "gui/MessageBoxScript.h"

namespace {

const QString kData = DOORTRIM_TEST_DATA;

TEST(ReadableMessages, OpeningADamagedFileQuotesTheDamagedByte) {
  auto app = std::make_unique<DoorTrimApp>();
  MainWindow& main = app->Main();
  main.show();
  QApplication::processEvents();

  const QString path = kData + "/bad_hydro_token_invalid_utf8.brd";
  FileDialogScript files;
  files.Choose(path);
  MessageBoxScript boxes;
  boxes.Answer(QMessageBox::Ok);
  main.findChild<QAction*>("Open1")->trigger();
  ASSERT_EQ(boxes.Asked().size(), 1u);
  const QString message = boxes.Asked()[0].Text;

  EXPECT_TRUE(message.contains("line 4")) << message.toStdString();
  EXPECT_TRUE(message.contains("found '0.27\\xFF'")) << message.toStdString();
  EXPECT_FALSE(message.contains(QChar::ReplacementCharacter)) << message.toStdString();
  EXPECT_EQ(app->Document().Door(), DoorInputs());  // the door stays as it was

  main.close();
}

}  // namespace
