#pragma once
// Start-up and shut-down of the program around its message loop.

#include <string>

struct ProgramOptions {
  std::string programPath;  // argument 0, which locates the settings file
  bool showSelectPlayer = true;
  int clientWidth = 544;  // the layout follows the client width; tests try others
  int clientHeight = 436;
};

// Loads the settings, the deck and the pays; the first start-up step after the single-instance
// check.
int StartupLoad();
// Gives the back card its picture and makes it "no card" again.
int LoadBackPicture(int backStyle);

// Everything up to the message loop: settings, main window, player, Select Player when no player
// is in play. Returns the main window's exit code on failure (-1) or 0 when the window is up.
int StartProgram(const ProgramOptions& options);
// After the loop: releases what the run holds.
void FinishProgram();

// The whole run with the single-instance guard: returns the exit code.
int WinMain(int argc, char** argv);
