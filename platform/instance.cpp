#include "platform/instance.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QLocalServer>
#include <QLocalSocket>
#include <QWidget>
#include <QWindow>

#include <fcntl.h>
#include <pwd.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include "platform/window_impl.h"

namespace platform {

class NamedLock {
 public:
  int fd = -1;
};

namespace {

// A folder of this user's alone: another user can neither create nor hold what is in it.
bool IsPrivateDir(const std::string& dir) {
  struct stat info = {};
  return ::lstat(dir.c_str(), &info) == 0 && S_ISDIR(info.st_mode) && info.st_uid == ::getuid() &&
         (info.st_mode & 077) == 0 && ::access(dir.c_str(), W_OK | X_OK) == 0;
}

std::string RuntimeDir() {
  const char* runtime = std::getenv("XDG_RUNTIME_DIR");
  if (runtime != nullptr && *runtime != '\0' && IsPrivateDir(runtime)) return runtime;
  // Without a usable runtime folder, one in the user's home, which no one else can take.
  const char* home = std::getenv("HOME");
  if (home == nullptr || *home == '\0') {
    const passwd* user = ::getpwuid(::getuid());
    home = user != nullptr ? user->pw_dir : "";
  }
  std::string dir = std::string(home) + "/.cache";
  ::mkdir(dir.c_str(), 0700);
  dir += "/Quaxel";
  ::mkdir(dir.c_str(), 0700);
  return IsPrivateDir(dir) ? dir : std::string();
}

// Per user, so that two people on one machine each get their own copy. Empty without a folder of
// the user's own.
std::string PathFor(const std::string& name, const char* suffix) {
  const std::string dir = RuntimeDir();
  if (dir.empty()) return {};
  std::string safe;
  for (char c : name)
    safe += std::isalnum(static_cast<unsigned char>(c)) ? c : '_';
  return dir + "/" + safe + "-" + std::to_string(::getuid()) + suffix;
}

bool OnWayland() {
  return QGuiApplication::platformName().startsWith(QLatin1String("wayland"));
}

// The token a Wayland desktop hands to a program it starts, which lets that program (or the one it
// passes it to) take the focus. Printable and short, so that it fits on the request's one line.
QByteArray UsableToken(const QByteArray& token) {
  if (token.size() > 512) return {};
  for (char c : token) {
    if (c <= ' ' || c > '~') return {};
  }
  return token;
}

bool WaitUntilActive(QWidget* target, int milliseconds) {
  QElapsedTimer waited;
  waited.start();
  while (waited.elapsed() < milliseconds) {
    QApplication::processEvents(QEventLoop::ExcludeUserInputEvents, 10);
    if (QApplication::activeWindow() == target) return true;
  }
  return false;
}

bool Raise(Window* window, const QByteArray& token) {
  if (!IsWindow(window)) return false;
  QWidget* frame = window->frame;
  if (frame->isMinimized()) frame->showNormal();
  QWidget* target = QApplication::activeModalWidget();
  if (target == nullptr) target = frame;
  if (target->isMinimized()) target->showNormal();
  if (OnWayland()) {
    // On Wayland a window cannot put itself in front: it asks the desktop, once, with the token
    // the second start was launched with, which the toolkit reads from the environment. Without
    // one the toolkit asks for a token of its own, which a desktop may refuse or answer by marking
    // the window as wanting attention; a desktop without the activation protocol does nothing.
    if (token.isEmpty()) {
      qunsetenv("XDG_ACTIVATION_TOKEN");  // our own start's, used up long ago
    } else {
      qputenv("XDG_ACTIVATION_TOKEN", token);
    }
    if (QWindow* handle = target->windowHandle()) handle->requestActivate();
    qunsetenv("XDG_ACTIVATION_TOKEN");
    return WaitUntilActive(target, 500);
  }
  // The desktop grants activation asynchronously, so each try lets its answer arrive.
  for (int attempt = 0; attempt < 10; ++attempt) {
    target->raise();
    target->activateWindow();
    if (QWindow* handle = target->windowHandle()) handle->requestActivate();
    if (WaitUntilActive(target, 50)) return true;
  }
  return false;
}

}  // namespace

NamedLock* CreateNamedLock(const std::string& name, bool* alreadyExists) {
  if (alreadyExists != nullptr) *alreadyExists = false;
  const std::string path = PathFor(name, ".lock");
  if (path.empty()) return nullptr;
  const int fd = ::open(path.c_str(), O_RDWR | O_CREAT | O_CLOEXEC | O_NOFOLLOW, 0600);
  if (fd < 0) return nullptr;
  // The lock goes with the process, so a killed copy never blocks the next start.
  if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
    ::close(fd);
    if (alreadyExists != nullptr) *alreadyExists = errno == EWOULDBLOCK;
    return nullptr;
  }
  auto* lock = new NamedLock;
  lock->fd = fd;
  return lock;
}

void CloseNamedLock(NamedLock* lock) {
  if (lock == nullptr) return;
  ::close(lock->fd);
  delete lock;
}

bool BringRunningInstanceToFront(const std::string& className) {
  const std::string path = PathFor(className, ".sock");
  if (path.empty()) return false;
  QLocalSocket socket;
  socket.connectToServer(QString::fromStdString(path));
  if (!socket.waitForConnected(1000)) return false;
  QByteArray request = "raise";
  if (const QByteArray token = UsableToken(qgetenv("XDG_ACTIVATION_TOKEN")); !token.isEmpty()) {
    request += ' ' + token;
  }
  socket.write(request + '\n');
  socket.flush();
  if (!socket.waitForReadyRead(3000)) return false;
  return socket.readLine().trimmed() == "1";
}

bool ListenForRaiseRequests(Window* window) {
  if (!IsWindow(window) || window->parent != nullptr) return false;
  const QString path = QString::fromStdString(PathFor(window->windowClass->name, ".sock"));
  if (path.isEmpty()) return false;
  // The server dies with the window's frame.
  auto* server = new QLocalServer(window->frame);
  QLocalServer::removeServer(path);  // left behind by a copy that was killed
  if (!server->listen(path)) {
    delete server;
    return false;
  }
  QObject::connect(server, &QLocalServer::newConnection, server, [server, window] {
    while (QLocalSocket* client = server->nextPendingConnection()) {
      QObject::connect(client, &QLocalSocket::disconnected, client, &QObject::deleteLater);
      QObject::connect(client, &QLocalSocket::readyRead, client, [client, window] {
        if (!client->canReadLine()) return;
        // "raise", or "raise TOKEN" from a start that a Wayland desktop gave a token
        const QList<QByteArray> words = client->readLine().trimmed().split(' ');
        client->readAll();
        const QByteArray token = words.size() == 2 ? UsableToken(words[1]) : QByteArray();
        client->write(Raise(window, token) ? "1\n" : "0\n");
        client->flush();
      });
    }
  });
  return true;
}

}  // namespace platform
