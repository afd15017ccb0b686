#pragma once
// The window record and the widget that shows its surface; private to the layer.

#include <QImage>
#include <QPainter>
#include <QRegion>
#include <QWidget>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "platform/events.h"
#include "platform/window.h"

namespace platform {

struct ClassRecord {
  std::string name;
  WindowProc proc;
  Color background = 0;
};

class SurfaceWidget;

class Window {
 public:
  std::shared_ptr<ClassRecord> windowClass;
  std::string title;
  unsigned style = 0;
  int id = 0;
  std::uint64_t serial = 0;  // creation order
  Window* parent = nullptr;
  std::vector<Window*> children;           // z-order, topmost first (creation order)
  QWidget* frame = nullptr;                // the top-level widget, or the widget itself for a child
  QWidget* widget = nullptr;               // what shows the client area
  SurfaceWidget* surfaceWidget = nullptr;  // null for the toolkit's own controls
  Window* owner = nullptr;                 // of a dialog
  QImage surface;
  // For a child the toolkit draws see-through: the parent's pixels beneath it when the toolkit
  // last repainted it at our request.
  QImage beneath;
  Rect rect;  // in the parent's client coordinates (desktop for a top-level window)
  // Where the origin of a top-level window was asked to go, until it has been shown there.
  std::optional<QPoint> originPosition;
  QRegion invalid;
  bool eraseInvalid = false;
  bool visible = false;
  bool enabled = true;
  bool destroying = false;
};

class SurfaceWidget : public QWidget {
 public:
  SurfaceWidget(Window* owner, QWidget* parent);
  Window* owner() const { return owner_; }
  void Detach() { owner_ = nullptr; }

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;

 private:
  Window* owner_;
};

namespace detail {

// What the layer's files ask of one another, by the file that does it.

// window.cpp
// Every live window in creation order.
const std::vector<Window*>& AllWindows();
// The first visible window with an invalid region, or null.
Window* NextWindowToPaint();
// A window shown a moment ago is placed by the desktop when it maps: waits (up to a second, the
// toolkit repainting meanwhile) until it has been.
void WaitUntilPlaced(QWidget* topLevel);

// events.cpp
// The queue and the timers forget a window that is being destroyed.
void ForgetWindow(Window* window);
// Something was posted, invalidated or armed: the host loop should run our queue soon.
void QueueChanged();
// While held (a blocking wait), the host loop does not run our queue.
void HoldQueue(bool hold);
// Whether RunMessageLoop is running.
bool InMessageLoop();

// session.cpp
// The session ends (a signal, the session manager, the display gone): every top-level window gets
// the shutdown query, posted; with `now` the queue runs at once.
void EndSession(bool now);
// While the loop runs, termination, hang-up and interrupt signals end the session.
void WatchSessionEnd(bool watch);

// controls.cpp
// The toolkit widget for a control of a predefined class ("BUTTON", "STATIC", "EDIT"), or null
// when the class is not one of them.
QWidget* CreateControl(Window* window, const std::string& className, QWidget* parent);
// Draws a control as it shows on the screen, its top left corner at `at`, for screenshots.
void DrawControl(Window* window, QPainter& painter, QPoint at);
// The window behind a toolkit widget, or null.
Window* WindowOfWidget(QWidget* widget);
// The text of a control as the toolkit holds it.
void SetControlText(Window* window, const std::string& text);
std::string ControlText(Window* window);

// dialog.cpp
// A top-level window for a dialog, owned by `owner`.
QWidget* CreateDialogFrame(Window* window, Window* owner);

}  // namespace detail
}  // namespace platform
