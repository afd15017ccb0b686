#pragma once
// Starts the whole program headless on a fake clock, with its settings file in a scratch folder.

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <string>

#include "app/program.h"
#include "platform/clock.h"
#include "platform/window.h"

class ProgramTest : public testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override;

  // Starts the program; `answer` plays the person in the Select Player dialog when it opens
  // (Cancel when it leaves the dialog open).
  void Start(std::function<void(platform::Window* dialog)> answer = {}, int clientWidth = 544);
  // A click on QUIT.
  void Quit();

  void WriteSettings(const std::string& text);
  std::string ReadSettings() const;
  bool SettingsExist() const;

  platform::FakeClock clock{1};
  std::filesystem::path dir;
  bool dialogOpened = false;
};
