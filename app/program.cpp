#include "app/program.h"

#include <cstring>

#include "app/commands.h"
#include "app/layout.h"
#include "app/main_window.h"
#include "core/deck.h"
#include "core/flow/double_up.h"
#include "core/flow/play.h"
#include "core/flow/sound.h"
#include "core/game_state.h"
#include "core/pictures.h"
#include "platform/app.h"
#include "platform/clock.h"
#include "platform/events.h"
#include "platform/gdi.h"
#include "platform/instance.h"
#include "settings/players.h"
#include "settings/select_player.h"
#include "ui/card_window.h"

namespace {

constexpr const char* kInstanceLockName = "QuaxelMainMutex";

void ReleasePicture(platform::Bitmap* bitmap) {
  platform::DeleteObject(bitmap);
}

}  // namespace

int StartupLoad() {
  // A fresh run's game: nothing in play (what a new process starts with anyway).
  gameState = GameState{};
  cardsSucceeded = 0;
  doublePick = 0;
  for (SpecialBonusEntry& entry : specialBonus)
    entry.hits = 0;
  settingsBlock = SettingsBlock{};
  LoadSettingsFile(settingsBlock);
  SelectPlayerFromBlock(settingsBlock);
  EmptyHand();
  pileTop = &emptyCard;
  doubleMode = 0;
  for (int i = 0; i < kSpecialBonusRows; ++i)
    specialBonus[i].pay = kSpecialBonusPays[i];
  deck.Allocate(DeckSizeForJokers(currentPlayer.jokerNum));
  deck.Build();
  return 1;
}

int LoadBackPicture(int backStyle) {
  backCard.ReleasePicture();
  backCard.picture = platform::LoadBitmap(BackPicture(backStyle));
  backCard.Set(-1, -1, 0);
  return backCard.picture != nullptr ? 1 : 0;
}

int StartProgram(const ProgramOptions& options) {
  SetSettingsPath(SettingsPathForProgram(options.programPath));
  SetTickSource(&platform::GetTickCount);
  SetPictureFunctions(&platform::LoadBitmap, &ReleasePicture);
  cardWindowHooks.handChanged = &HandChanged;
  cardWindowHooks.dealerShown = &DealerShown;
  cardWindowHooks.resolveDouble = &ResolveDouble;
  cardWindowHooks.postSound = &PostSound;
  cardWindowHooks.playSound = [](int soundId, unsigned playFlags) {
    PlaySoundResource(soundId, playFlags, currentPlayer.sound);
  };
  StartupLoad();
  if (!platform::IsClassRegistered(kMainClassName) &&
      !platform::RegisterClass({kMainClassName, MainWindowProc, currentPlayer.color})) {
    return -1;
  }
  platform::SetClassBackground(kMainClassName, currentPlayer.color);
  LoadBackPicture(kPictureStyle);

  // The window system keeps a saved position on a screen; without one it chooses.
  int x = windowX, y = windowY;
  if (x == DEFAULT_POSITION || y == DEFAULT_POSITION) x = y = platform::kDefaultPosition;
  platform::Window* window = platform::CreateWindow(
      kMainClassName, kTitle, 0, x, y, options.clientWidth, options.clientHeight, nullptr, 0);
  if (window == nullptr) return -1;
  platform::SetMenu(window, MainMenu());
  platform::SetWindowIcon(window, kIconPicture);
  const char* name =
      currentPlayerIndex != 0 ? currentPlayer.userName : settingsBlock.players[0].userName;
  ApplyPlayerToWindow(window, kTitle, name, gameState.credits);
  platform::ShowWindow(window, platform::SW_SHOW);
  platform::ListenForRaiseRequests(window);
  if (currentPlayerIndex == 0 && options.showSelectPlayer) {
    RunSelectPlayerDialog(window, &settingsBlock);
  }
  if (platform::IsWindow(window)) platform::UpdateWindow(window);
  return 0;
}

void FinishProgram() {
  if (mainWindow != nullptr) platform::DestroyWindow(mainWindow);
  platform::DeleteObject(buttonFont);
  buttonFont = nullptr;
  platform::UnregisterClass(kMainClassName);
  for (int i = 0; i < kCardWindows; ++i)
    platform::UnregisterClass(CardWindowClassName(i));
  // Pictures go back to the window system while it is still there.
  deck.Allocate(0);
  backCard.ReleasePicture();
  emptyCard.ReleasePicture();
}

int WinMain(int argc, char** argv) {
  if (!platform::Start(argc, argv)) return -1;
  bool alreadyRunning = false;
  platform::NamedLock* lock = platform::CreateNamedLock(kInstanceLockName, &alreadyRunning);
  if (lock == nullptr) {
    if (alreadyRunning) platform::BringRunningInstanceToFront(kMainClassName);
    return -1;
  }
  ProgramOptions options;
  options.programPath = argc > 0 ? argv[0] : "";
  if (StartProgram(options) != 0) {
    platform::CloseNamedLock(lock);
    return -1;
  }
  const int code = platform::RunMessageLoop();
  FinishProgram();
  platform::CloseNamedLock(lock);
  return code;
}
