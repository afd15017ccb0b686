// The ways a desktop session ends a program without its own QUIT: the session manager's query,
// a termination, hang-up or interrupt signal, and the loss of the display. Each reaches the
// program as the shutdown query of its top-level windows, on the window thread, so the program
// saves through its normal close path.

#include <QApplication>
#include <QSessionManager>
#include <QSocketNotifier>
#include <array>
#include <csignal>
#include <cstdlib>

#include <sys/socket.h>
#include <unistd.h>

#include "platform/events.h"
#include "platform/internal.h"
#include "platform/window_impl.h"

namespace platform {
namespace {

constexpr std::array<int, 3> kEndingSignals = {SIGTERM, SIGHUP, SIGINT};
int signalPipe[2] = {-1, -1};
struct sigaction previousActions[kEndingSignals.size()];
bool ended = false;

// Only what is safe in a signal handler: the window thread does the rest.
void OnSignal(int) {
  const int saved = errno;
  const char byte = 1;
  [[maybe_unused]] const auto written = ::write(signalPipe[1], &byte, 1);
  errno = saved;
}

// The toolkit ends the process when the display connection breaks; while the loop runs, that is
// an end of the session like any other.
void OnExit() {
  if (detail::InMessageLoop()) detail::EndSession(true);
}

}  // namespace

namespace detail {

void EndSession(bool now) {
  if (ended) return;
  ended = true;
  // Posted, so that a blocking wait or a step of the game finishes first.
  for (Window* window : AllWindows()) {
    if (window->parent == nullptr) PostMessage(window, WM_QUERYENDSESSION, 0, 0);
  }
  if (now) RunUntilIdle();
}

void WatchSessionEnd(bool watch) {
  static QSocketNotifier* notifier = nullptr;
  if (watch) {
    ended = false;
    if (notifier == nullptr) {
      if (::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0, signalPipe) != 0) {
        return;
      }
      notifier = new QSocketNotifier(signalPipe[0], QSocketNotifier::Read, qApp);
      QObject::connect(notifier, &QSocketNotifier::activated, [] {
        char bytes[16];
        while (::read(signalPipe[0], bytes, sizeof bytes) > 0) {
        }
        EndSession(false);
      });
      QObject::connect(qApp, &QGuiApplication::commitDataRequest,
                       [](QSessionManager&) { EndSession(true); });
      std::atexit(&OnExit);
    }
    struct sigaction action = {};
    action.sa_handler = &OnSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (std::size_t i = 0; i < kEndingSignals.size(); ++i)
      ::sigaction(kEndingSignals[i], &action, &previousActions[i]);
    notifier->setEnabled(true);
    return;
  }
  for (std::size_t i = 0; i < kEndingSignals.size(); ++i)
    ::sigaction(kEndingSignals[i], &previousActions[i], nullptr);
  if (notifier != nullptr) notifier->setEnabled(false);
}

}  // namespace detail
}  // namespace platform
