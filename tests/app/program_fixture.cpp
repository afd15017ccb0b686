#include "tests/app/program_fixture.h"

#include <fstream>
#include <sstream>

#include "app/main_window.h"
#include "platform/events.h"
#include "tests/support/person.h"
#include "ui/command_buttons.h"

void ProgramTest::SetUp() {
  static int serial = 0;
  dir = std::filesystem::temp_directory_path() /
        ("quaxel_program_test_" + std::to_string(::getpid()) + "_" + std::to_string(serial++));
  std::filesystem::remove_all(dir);
  std::filesystem::create_directories(dir);
  platform::SetClock(&clock);
}

void ProgramTest::TearDown() {
  if (mainWindow != nullptr) platform::DestroyWindow(mainWindow);
  platform::RunUntilIdle();
  if (platform::QuitPosted()) platform::RunMessageLoop();  // takes the quit message the window left
  FinishProgram();
  person::ForgetPendingActs();
  platform::SetClock(nullptr);
  std::filesystem::remove_all(dir);
}

void ProgramTest::Start() {
  person::WhenModal([] {
    if (person::ModalTitle() == "Select Player") person::ClickModalButton("Cancel");
  });
  ProgramOptions options;
  options.programPath = (dir / "quaxel").string();
  ASSERT_EQ(StartProgram(options), 0);
  ASSERT_NE(mainWindow, nullptr);
  person::ForgetPendingActs();
  platform::RunUntilIdle();
}

void ProgramTest::StartAs(const std::string& player) {
  WriteSettings("[Common Info]\nLastPlayer=1\n[Player 1]\n" + player);
  Start();
}

void ProgramTest::Quit() {
  person::Click(quitButton);
  platform::RunUntilIdle();
}

void ProgramTest::WriteSettings(const std::string& text) {
  std::ofstream(dir / "Quaxel.ini", std::ios::binary) << text;
}

std::string ProgramTest::ReadSettings() const {
  return (std::ostringstream() << std::ifstream(dir / "Quaxel.ini", std::ios::binary).rdbuf())
      .str();
}
