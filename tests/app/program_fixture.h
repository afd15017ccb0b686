#pragma once
// Starts the whole program headless on a fake clock, with its settings file in a scratch folder.

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "app/program.h"
#include "platform/clock.h"

class ProgramTest : public testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override;

  // Starts the program. A Select Player dialog it opens is cancelled unless the test has answered
  // it first (person::WhenModal before the start).
  void Start();
  // Starts with player 1 in play, these lines in his section.
  void StartAs(const std::string& player);
  // A click on QUIT.
  void Quit();

  void WriteSettings(const std::string& text);
  std::string ReadSettings() const;

  platform::FakeClock clock{1};
  std::filesystem::path dir;
};
