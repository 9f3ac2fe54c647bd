#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "DoorTrimApp.h"

// The whole program switched to the language of the test's parameter (LanguageSwitch's
// index), for tests run in every language. The next test starts in English again.
class AppInLanguage : public testing::TestWithParam<int> {
 protected:
  void SetUp() override;
  void TearDown() override;

  std::unique_ptr<DoorTrimApp> app_;
};

// The parameter's name in the test's name: "English", "Russian", "Norwegian".
std::string LanguageName(const testing::TestParamInfo<int>& info);
