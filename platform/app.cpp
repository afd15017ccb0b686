#include "platform/app.h"

#include <QApplication>
#include <QFileInfo>
#include <QFont>
#include <QPainter>
#include <QPalette>
#include <QProxyStyle>
#include <QSettings>
#include <QStyleOption>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "platform/window_impl.h"

namespace platform {
namespace {

QApplication* application = nullptr;
std::string programName = "quaxel";

// While the toolkit comes up, its complaints are ours to report: a display that cannot be reached
// ends the program with -1 and one plain line, not with the toolkit's abort.
void StartupMessages(QtMsgType type, const QMessageLogContext&, const QString&) {
  if (type != QtFatalMsg) return;
  std::fprintf(stderr, "%s: cannot open a window: no display could be reached (DISPLAY=%s)\n",
               programName.c_str(),
               std::getenv("DISPLAY") != nullptr ? std::getenv("DISPLAY") : "");
  std::_Exit(255);
}

// Push buttons show the focus as the owner-drawn ones do: a dotted rectangle inside the face,
// plain to see, and only in the active window (where Enter would press them).
class FocusStyle : public QProxyStyle {
 public:
  void drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
                   const QWidget* widget) const override {
    QProxyStyle::drawControl(element, option, painter, widget);
    if (element != CE_PushButton || (option->state & State_HasFocus) == 0) return;
    painter->save();
    painter->setPen(QPen(Qt::black, 1, Qt::DotLine));
    painter->setBrush(Qt::NoBrush);
    painter->drawRect(option->rect.adjusted(4, 4, -5, -5));
    painter->restore();
  }
};

}  // namespace

bool Start(int& argc, char** argv) {
  if (application != nullptr) return true;
  if (QApplication::instance() == nullptr) {
    if (argc > 0 && argv[0] != nullptr) programName = QFileInfo(argv[0]).fileName().toStdString();
    const QtMessageHandler previous = qInstallMessageHandler(&StartupMessages);
    application = new QApplication(argc, argv);
    qInstallMessageHandler(previous);
  } else {
    application = qobject_cast<QApplication*>(QApplication::instance());
    if (application == nullptr) return false;
  }
  // The toolkit's own dialogs keep state (the color chooser's custom colors) in a settings file
  // of the toolkit's; this program reads and writes no file but its own, so that one points
  // nowhere.
  for (QSettings::Format format : {QSettings::NativeFormat, QSettings::IniFormat}) {
    QSettings::setPath(format, QSettings::UserScope, QStringLiteral("/dev/null"));
  }
  QApplication::setStyle(new FocusStyle);
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
  return true;
}

}  // namespace platform
