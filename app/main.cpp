// Entry: brings up the window system, opens the main window and runs the message loop.
#include "platform/app.h"
#include "platform/window.h"

namespace {

constexpr int kClientWidth = 544;
constexpr int kClientHeight = 436;

platform::LResult MainWindowProc(platform::Window* window, unsigned msg, platform::WParam wParam,
                                 platform::LParam lParam) {
  switch (msg) {
    case platform::WM_DESTROY:
      platform::PostQuitMessage(0);
      return 0;
    default:
      return platform::DefWindowProc(window, msg, wParam, lParam);
  }
}

}  // namespace

int main(int argc, char** argv) {
  if (!platform::Start(argc, argv)) return -1;
  platform::WindowClass windowClass{"Quaxel_MainClass", MainWindowProc, platform::Rgb(0, 128, 0)};
  if (!platform::RegisterClass(windowClass)) return -1;
  platform::Window* window = platform::CreateWindow(
      "Quaxel_MainClass", "Quaxel?", platform::WS_VISIBLE, platform::kDefaultPosition,
      platform::kDefaultPosition, kClientWidth, kClientHeight, nullptr, 0);
  if (window == nullptr) return -1;
  const int code = platform::RunMessageLoop();
  platform::UnregisterClass("Quaxel_MainClass");
  return code;
}
