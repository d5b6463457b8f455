// Shared helpers of the run-time library tests.
#pragma once

#include <gtest/gtest.h>

#include <string>

#include "platform/SysUtils.h"

// Restores the global format settings after each test that changes them.
class SettingsTest : public ::testing::Test {
 protected:
  void TearDown() override { vcl::FormatSettings = saved_; }

 private:
  vcl::TFormatSettings saved_ = vcl::FormatSettings;
};

// A fresh, empty scratch folder for one test.
inline std::string ScratchDir(const std::string& name) {
  std::string dir = std::string(VYR_TEST_TMP) + "/runtime_" + name;
  std::string cmd = "rm -rf '" + dir + "' && mkdir -p '" + dir + "'";
  EXPECT_EQ(std::system(cmd.c_str()), 0);
  return dir;
}
