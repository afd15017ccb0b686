#pragma once
// Menu bars built from a template: items with "&" mnemonics and ids, separators, submenus, and
// check marks. Choosing an item sends WM_COMMAND with its id to the window.

#include <string>
#include <vector>

namespace platform {

class Window;

struct MenuItem {
  std::string text;  // empty for a separator
  int id = 0;
  std::vector<MenuItem> items;  // a submenu when not empty
};

bool SetMenu(Window* window, const std::vector<MenuItem>& bar);
bool CheckMenuItem(Window* window, int id, bool checked);
bool IsMenuItemChecked(Window* window, int id);
// Chooses an item as the user would (for tests).
bool ChooseMenuItem(Window* window, int id);

}  // namespace platform
