#include "tests/support/person.h"

#include <QAbstractButton>
#include <QApplication>
#include <QLineEdit>
#include <QMessageBox>
#include <QPointer>
#include <QScreen>
#include <QTest>
#include <QTimer>
#include <QWindow>
#include <algorithm>
#include <deque>
#include <map>

#include "platform/events.h"
#include "platform/image.h"
#include "platform/internal.h"
#include "platform/menu.h"
#include "platform/window_impl.h"

namespace person {
namespace {

struct ModalActs {
  std::deque<std::function<void()>> pending;
  std::vector<QPointer<QWidget>> handled;
  QTimer* watch = nullptr;
  int waits = 0;
};

ModalActs& Acts() {
  static ModalActs acts;
  return acts;
}

// Runs inside whatever loop is turning, the modal one included.
void Watch() {
  ModalActs& acts = Acts();
  QWidget* modal = QApplication::activeModalWidget();
  if (acts.pending.empty() || modal == nullptr || !modal->isVisible() ||
      std::ranges::count(acts.handled, QPointer<QWidget>(modal)) > 0) {
    return;
  }
  // A window manager gives a new dialog the activation; the person acts once it has it.
  if (QApplication::activeWindow() != modal && ++acts.waits < 100) {
    modal->activateWindow();
    return;
  }
  acts.waits = 0;
  acts.handled.emplace_back(modal);
  std::function<void()> act = std::move(acts.pending.front());
  acts.pending.pop_front();
  act();
}

QWindow* FocusWindow() {
  if (QWindow* window = QGuiApplication::focusWindow()) return window;
  QWidget* top = QApplication::activeModalWidget();
  if (top == nullptr) top = QApplication::activeWindow();
  return top != nullptr ? top->windowHandle() : nullptr;
}

QWidget* ModalTop() {
  return QApplication::activeModalWidget();
}

// A left click at the centre of a widget, through the window system's input for its window.
void ClickCentre(QWidget* widget) {
  QWidget* top = widget->window();
  if (QWindow* handle = top->windowHandle()) {
    QTest::mouseClick(handle, Qt::LeftButton, Qt::NoModifier,
                      widget->mapTo(top, widget->rect().center()));
  }
  Settle();
}

// Clicks the first visible widget of type W in the modal window on top that `match` accepts.
template <typename W>
bool ClickInModal(const std::function<bool(W*)>& match) {
  QWidget* modal = ModalTop();
  if (modal == nullptr) return false;
  for (W* widget : modal->findChildren<W*>()) {
    if (!widget->isVisible() || !match(widget)) continue;
    ClickCentre(widget);
    return true;
  }
  return false;
}

}  // namespace

void Click(platform::Window* window) {
  if (platform::IsWindow(window)) ClickCentre(window->widget);
}

void Key(const std::string& key) {
  static const std::map<std::string, Qt::Key> named = {
      {"Return", Qt::Key_Return},   {"Space", Qt::Key_Space}, {"Tab", Qt::Key_Tab},
      {"Backtab", Qt::Key_Backtab}, {"Left", Qt::Key_Left},   {"Right", Qt::Key_Right},
      {"Up", Qt::Key_Up},           {"Down", Qt::Key_Down},   {"Escape", Qt::Key_Escape}};
  QWindow* window = FocusWindow();
  if (window == nullptr) return;
  if (auto it = named.find(key); it != named.end()) {
    const Qt::KeyboardModifiers modifiers =
        it->second == Qt::Key_Backtab ? Qt::ShiftModifier : Qt::NoModifier;
    QTest::keyClick(window, it->second, modifiers);
  } else if (key.size() == 1) {
    QTest::keyClick(window, key[0]);
  } else if (key.size() == 6 && key.rfind("Ctrl+", 0) == 0) {
    QTest::keyClick(window, static_cast<char>(std::tolower(key[5])), Qt::ControlModifier);
  }
  Settle();
}

void Type(const std::string& text) {
  for (const QChar c : QString::fromStdString(text)) {
    QWindow* window = FocusWindow();
    if (window == nullptr) return;
    const auto code =
        static_cast<Qt::Key>(c.isLetterOrNumber() && c.unicode() < 128 ? c.toUpper().unicode() : 0);
    QTest::sendKeyEvent(QTest::Press, window, code, QString(c), Qt::NoModifier);
    QTest::sendKeyEvent(QTest::Release, window, code, QString(c), Qt::NoModifier);
  }
  Settle();
}

bool ChooseMenu(platform::Window* window, int id) {
  // The menu bar of a window behind a modal dialog cannot be reached.
  QWidget* modal = ModalTop();
  if (!platform::IsWindow(window) || (modal != nullptr && modal != window->frame)) return false;
  const bool chosen = platform::ChooseMenuItem(window, id);
  Settle();
  return chosen;
}

void Activate(platform::Window* window) {
  if (!platform::IsWindow(window)) return;
  QWidget* frame = window->frame;
  for (int tries = 0; tries < 100 && QApplication::activeWindow() != frame; ++tries) {
    frame->activateWindow();
    QTest::qWait(1);
  }
}

void CloseBox(platform::Window* window) {
  if (!platform::IsWindow(window)) return;
  // The window system's close request: refused while a modal dialog blocks the window.
  if (QWindow* handle = window->frame->windowHandle()) handle->close();
  Settle();
}

void WhenModal(std::function<void()> act) {
  ModalActs& acts = Acts();
  acts.pending.push_back(std::move(act));
  if (acts.watch == nullptr) {
    acts.watch = new QTimer(qApp);
    QObject::connect(acts.watch, &QTimer::timeout, &Watch);
  }
  acts.watch->start(1);
}

void ForgetPendingActs() {
  Acts().pending.clear();
}

platform::Window* ModalDialog() {
  QWidget* modal = ModalTop();
  for (platform::Window* window : platform::detail::AllWindows()) {
    if (modal != nullptr && window->frame == modal) return window;
  }
  return nullptr;
}

std::string ModalTitle() {
  QWidget* modal = ModalTop();
  return modal != nullptr ? modal->windowTitle().toStdString() : std::string();
}

std::string ModalText() {
  auto* box = qobject_cast<QMessageBox*>(ModalTop());
  return box != nullptr ? box->text().toStdString() : std::string();
}

bool ClickModalButton(const std::string& text) {
  return ClickInModal<QAbstractButton>([&](QAbstractButton* button) {
    return button->isEnabled() && QString(button->text()).remove('&').toStdString() == text;
  });
}

bool ClickEditHolding(const std::string& text) {
  return ClickInModal<QLineEdit>(
      [&](QLineEdit* edit) { return edit->text().toStdString() == text; });
}

void Settle() {
  QCoreApplication::sendPostedEvents();
  QCoreApplication::processEvents();
}

int ScreenDifferences(platform::Window* window) {
  if (!platform::IsWindow(window) || window->widget == nullptr) return -1;
  platform::FlushDisplay();
  QWidget* top = window->widget->window();
  const QPoint at = window->widget->mapTo(top, QPoint(0, 0));
  const QImage shown = top->screen()
                           ->grabWindow(top->winId(), at.x(), at.y(), window->widget->width(),
                                        window->widget->height())
                           .toImage()
                           .convertToFormat(QImage::Format_RGB32);
  const platform::Image screenshot = platform::Screenshot(window);
  if (screenshot.IsNull()) return -1;
  const QImage& drawn = screenshot.data()->image;
  if (shown.size() != drawn.size()) return -1;
  int differing = 0;
  for (int y = 0; y < shown.height(); ++y) {
    const auto* a = reinterpret_cast<const QRgb*>(shown.constScanLine(y));
    const auto* b = reinterpret_cast<const QRgb*>(drawn.constScanLine(y));
    for (int x = 0; x < shown.width(); ++x)
      differing += (a[x] & 0xFFFFFF) != (b[x] & 0xFFFFFF);
  }
  return differing;
}

}  // namespace person
