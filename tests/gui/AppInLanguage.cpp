#include "gui/AppInLanguage.h"

#include <QSettings>

#include "LanguageSwitch.h"

void AppInLanguage::SetUp() {
  app_ = std::make_unique<DoorTrimApp>();
  ASSERT_TRUE(app_->Language().Switch(GetParam()));
}

void AppInLanguage::TearDown() {
  app_.reset();
  QSettings().remove("Language");
}

std::string LanguageName(const testing::TestParamInfo<int>& info) {
  const char* const names[] = {"English", "Russian", "Norwegian"};
  return names[info.param];
}
