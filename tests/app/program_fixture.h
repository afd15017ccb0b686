#pragma once
// Starts the whole program headless on a fake clock, with its settings file in a scratch folder.

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <string>

#include "app/program.h"
#include "platform/clock.h"
#include "platform/dialog.h"
#include "platform/window.h"

class ProgramTest : public testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override;

  // Starts the program; `answer` plays the user in the Select Player dialog when it opens.
  void Start(std::function<void(platform::Window* dialog)> answer = {}, int clientWidth = 544);
  // The close request, as QUIT sends it.
  void Quit();

  void WriteSettings(const std::string& text);
  std::string ReadSettings() const;
  bool SettingsExist() const;

  platform::FakeClock clock{1};
  std::filesystem::path dir;
  bool dialogOpened = false;
};

// Clicks a button of a dialog by id.
void ClickDialogButton(platform::Window* dialog, int id);
