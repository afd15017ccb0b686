#include "platform/app.h"

#include <QApplication>
#include <QFont>

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
  return true;
}

bool Started() {
  return application != nullptr;
}

}  // namespace platform
