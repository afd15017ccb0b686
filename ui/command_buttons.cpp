#include "ui/command_buttons.h"

#include "ui/card_window.h"

platform::Window* selectButtons[kSelectButtons] = {};
platform::Window* quitButton = nullptr;
platform::Window* collectButton = nullptr;
platform::Window* halfDoubleButton = nullptr;
platform::Window* oneBetButton = nullptr;
platform::Window* repeatBetButton = nullptr;
platform::Window* dealDrawButton = nullptr;

void FocusFirstSelectButton() {
  for (platform::Window* button : selectButtons) {
    if (button != nullptr && platform::IsWindowEnabled(button)) {
      platform::SetFocus(button);
      return;
    }
  }
}

void EnableCardChoice(int index, bool enable) {
  if (index < 0 || index >= kSelectButtons) return;
  platform::EnableWindow(selectButtons[index], enable);
  platform::EnableWindow(cardWindows[index], enable);
}
