#include "platform/app.h"

#include <QApplication>
#include <QFont>
#include <QPalette>
#include <QSessionManager>

#include "platform/window_impl.h"

namespace platform {
namespace {
QApplication* application = nullptr;
}

bool Start(int& argc, char** argv) {
  if (application != nullptr) return true;
  if (QApplication::instance() == nullptr) {
    application = new QApplication(argc, argv);
  } else {
    application = qobject_cast<QApplication*>(QApplication::instance());
    if (application == nullptr) return false;
  }
  // Closing the window is the program's decision, not the toolkit's.
  QApplication::setQuitOnLastWindowClosed(false);
  QFont::insertSubstitution("Arial", "Liberation Sans");
  // The classic grey controls that the owner-drawn buttons imitate, so both kinds look alike.
  QPalette palette = QApplication::palette();
  const QColor face(192, 192, 192), shadow(128, 128, 128);
  for (QPalette::ColorRole role : {QPalette::Window, QPalette::Button}) {
    palette.setColor(role, face);
  }
  palette.setColor(QPalette::Light, Qt::white);
  palette.setColor(QPalette::Midlight, QColor(223, 223, 223));
  palette.setColor(QPalette::Mid, shadow);
  palette.setColor(QPalette::Dark, shadow);
  palette.setColor(QPalette::Shadow, QColor(64, 64, 64));
  for (QPalette::ColorRole role : {QPalette::WindowText, QPalette::ButtonText, QPalette::Text}) {
    palette.setColor(QPalette::Active, role, Qt::black);
    palette.setColor(QPalette::Inactive, role, Qt::black);
    palette.setColor(QPalette::Disabled, role, shadow);
  }
  QApplication::setPalette(palette);
  // The desktop session is ending: every top-level window is asked, as at a system shutdown.
  QObject::connect(application, &QGuiApplication::commitDataRequest, [](QSessionManager&) {
    const std::vector<Window*> windows = detail::AllWindows();
    for (Window* window : windows) {
      if (IsWindow(window) && window->parent == nullptr) {
        SendMessage(window, WM_QUERYENDSESSION, 0, 0);
      }
    }
    RunUntilIdle();
  });
  return true;
}

bool Started() {
  return application != nullptr;
}

}  // namespace platform
