// Windows with retained surfaces: each self-painted window keeps its pixels in a QImage that the
// paint handlers draw into; the widget only copies it to the screen.

#include <QAbstractButton>
#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QIcon>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPaintEngine>
#include <QPainter>
#include <QScreen>
#include <QVBoxLayout>
#include <QWindow>
#include <algorithm>
#include <cstring>
#include <map>

#include "platform/events.h"
#include "platform/gdi_objects.h"
#include "platform/window_impl.h"

namespace platform {
namespace {

struct Registry {
  std::map<std::string, std::shared_ptr<ClassRecord>> classes;  // by lower-case name
  std::vector<Window*> windows;
  std::uint64_t serial = 0;
  Window* focus = nullptr;
  // A control that was disabled while it had the focus keeps it, as far as the program can tell,
  // while the toolkit's focus waits on its top-level window's client area, where keys do nothing.
  Window* parked = nullptr;
  Window* capture = nullptr;
};

Registry& Reg() {
  static Registry registry;
  return registry;
}

std::string Lower(std::string s) {
  std::transform(s.begin(), s.end(), s.begin(), [](unsigned char c) { return std::tolower(c); });
  return s;
}

QRect ToQRect(const Rect& r) {
  return QRect(r.left, r.top, r.Width(), r.Height());
}

using detail::DeviceRect;
using detail::LogicalRect;

QImage NewSurface(int width, int height, Color fill, qreal ratio) {
  QImage image = detail::NewPicture(width, height, ratio);
  image.fill(detail::ToQColor(fill));
  return image;
}

qreal RatioOf(const QImage& image) {
  return image.devicePixelRatio();
}

// What the client area of the window shows at `area` (its client coordinates): its surface with
// its visible children over it, drawn with the window's origin at `at`.
void Compose(Window* window, QPainter& painter, QPoint at, const QRect& area) {
  if (window->surfaceWidget == nullptr) {
    detail::DrawControl(window, painter, at);
    return;
  }
  const qreal ratio = RatioOf(window->surface);
  if (ratio == 1.0) {
    painter.drawImage(at + area.topLeft(), window->surface, area);
  } else {
    painter.drawImage(QRectF(at + area.topLeft(), area.size()), window->surface,
                      QRectF(DeviceRect(area, ratio)));
  }
  for (auto it = window->children.rbegin(); it != window->children.rend(); ++it) {
    Window* child = *it;
    const QRect box = ToQRect(child->rect);
    if (!child->visible || !box.intersects(area)) continue;
    Compose(child, painter, at + box.topLeft(), area.intersected(box).translated(-box.topLeft()));
  }
}

// The picture the client area shows at `area`, clipped to the client area.
QImage ComposeArea(Window* window, QRect area) {
  area = area.intersected(LogicalRect(window->surface));
  QImage image = detail::NewPicture(area.width(), area.height(), RatioOf(window->surface));
  if (area.isEmpty()) return image;
  QPainter painter(&image);
  Compose(window, painter, -area.topLeft(), area);
  return image;
}

// Whether `picture` holds exactly the pixels of `image` at `area`.
bool SamePixels(const QImage& picture, const QImage& image, QRect area) {
  area = DeviceRect(area, RatioOf(image));
  if (picture.size() != area.size() || !image.rect().contains(area) ||
      picture.format() != image.format()) {
    return false;
  }
  const size_t bytes = size_t(area.width()) * 4;
  for (int row = 0; row < area.height(); ++row) {
    if (std::memcmp(picture.constScanLine(row),
                    image.constScanLine(area.top() + row) + area.left() * 4, bytes) != 0) {
      return false;
    }
  }
  return true;
}

// Copies a picture of the parent's client area at `area` into a window's surface, where they
// overlap; returns the part of the surface that changed.
QRect KeepPicture(Window* window, const QImage& picture, const QRect& area, QPoint windowOrigin) {
  const QRect local = area.translated(-windowOrigin).intersected(LogicalRect(window->surface));
  if (local.isEmpty()) return local;
  QPainter painter(&window->surface);
  const QRect from = local.translated(windowOrigin - area.topLeft());
  if (RatioOf(picture) == 1.0 && RatioOf(window->surface) == 1.0) {
    painter.drawImage(local.topLeft(), picture, from);
  } else {
    painter.drawImage(QRectF(local), picture, QRectF(DeviceRect(from, RatioOf(picture))));
  }
  return local;
}

// The desktop window of a top-level window: its close box, activation and minimising become
// messages, and the keys of a dialog (arrows, Enter) act among its buttons.
class TopFrame : public QWidget {
 public:
  explicit TopFrame(Window* window) : window_(window) {
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
  }
  void Forget() { window_ = nullptr; }

  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() != QEvent::KeyPress || window_ == nullptr) return false;
    auto* button = qobject_cast<QAbstractButton*>(watched);
    if (button == nullptr || button->window() != this) return false;
    const int key = static_cast<QKeyEvent*>(event)->key();
    if (key == Qt::Key_Return || key == Qt::Key_Enter) {
      button->click();
      return true;
    }
    if (key == Qt::Key_Left || key == Qt::Key_Up || key == Qt::Key_Right || key == Qt::Key_Down) {
      focusNextPrevChild(key == Qt::Key_Right || key == Qt::Key_Down);
      return true;
    }
    return false;
  }

 protected:
  // While a disabled control keeps the focus, Tab takes it nowhere either.
  bool focusNextPrevChild(bool next) override {
    if (window_ != nullptr && IsWindow(Reg().parked) && Reg().parked->widget->window() == this &&
        QApplication::focusWidget() == window_->widget) {
      return true;
    }
    return QWidget::focusNextPrevChild(next);
  }
  void closeEvent(QCloseEvent* event) override {
    event->ignore();
    // A window behind a modal dialog takes no close request from the desktop either.
    QWidget* modal = QApplication::activeModalWidget();
    if (modal != nullptr && modal != this) return;
    if (window_ != nullptr) SendMessage(window_, WM_CLOSE, 0, 0);
  }
  void changeEvent(QEvent* event) override {
    QWidget::changeEvent(event);
    if (window_ == nullptr) return;
    if (event->type() == QEvent::ActivationChange) {
      const unsigned state = isActiveWindow() ? WA_ACTIVE : WA_INACTIVE;
      SendMessage(window_, WM_ACTIVATE, state | (isMinimized() ? 0x10000u : 0u), 0);
    } else if (event->type() == QEvent::WindowStateChange && isMinimized()) {
      SendMessage(window_, WM_SYSCOMMAND, SC_MINIMIZE, 0);
    }
  }

 private:
  Window* window_;
};

}  // namespace

SurfaceWidget::SurfaceWidget(Window* owner, QWidget* parent) : QWidget(parent), owner_(owner) {
  setAttribute(Qt::WA_OpaquePaintEvent);
  setFocusPolicy(Qt::NoFocus);
}

void SurfaceWidget::paintEvent(QPaintEvent* event) {
  if (owner_ == nullptr) return;
  QImage& surface = owner_->surface;
  const qreal screenRatio = devicePixelRatioF();
  const qreal ratio = detail::SurfaceRatio(screenRatio);
  if (RatioOf(surface) != ratio) {
    // Another screen density: the surface is made anew at it and the program paints it again;
    // meanwhile the old pixels are shown scaled.
    const QRect area = LogicalRect(surface);
    QImage sharper =
        NewSurface(area.width(), area.height(), owner_->windowClass->background, ratio);
    QPainter(&sharper).drawImage(QRectF(area), surface);
    surface = sharper;
    InvalidateRect(owner_, nullptr, true);
  }
  QPainter painter(this);
  // Where the toolkit paints into a picture of the window at the surface's density, the surface's
  // rows are copied there; otherwise the painter draws it.
  QPaintDevice* device =
      painter.paintEngine() != nullptr ? painter.paintEngine()->paintDevice() : nullptr;
  const QTransform& toDevice = painter.deviceTransform();
  const bool plain = screenRatio == ratio && toDevice.type() <= QTransform::TxScale &&
                     toDevice.m11() == ratio && toDevice.m22() == ratio;
  if (device != nullptr && device->devType() == QInternal::Image && plain) {
    QImage& screen = *static_cast<QImage*>(device);
    const auto format = screen.format();
    // A shared picture would be copied by the first write, and the copy never shown.
    if (screen.isDetached() && screen.devicePixelRatio() == ratio && RatioOf(surface) == ratio &&
        surface.format() == QImage::Format_RGB32 &&
        (format == QImage::Format_RGB32 || format == QImage::Format_ARGB32 ||
         format == QImage::Format_ARGB32_Premultiplied)) {
      const QPoint offset(qRound(toDevice.dx()), qRound(toDevice.dy()));
      uchar* to = screen.bits();
      const uchar* from = surface.constBits();
      const qsizetype toStride = screen.bytesPerLine(), fromStride = surface.bytesPerLine();
      for (const QRect& r : event->region()) {
        const QRect area = DeviceRect(r, ratio)
                               .intersected(surface.rect())
                               .intersected(screen.rect().translated(-offset));
        const size_t bytes = size_t(area.width()) * 4;
        for (int y = area.top(); y <= area.bottom(); ++y) {
          std::memcpy(to + (y + offset.y()) * toStride + (area.left() + offset.x()) * 4,
                      from + y * fromStride + area.left() * 4, bytes);
        }
      }
      return;
    }
  }
  // On a fractional screen the denser surface is filtered down, so letters keep their finer edges.
  if (screenRatio != ratio) painter.setRenderHint(QPainter::SmoothPixmapTransform);
  for (const QRect& area : event->region()) {
    if (ratio == 1.0 && RatioOf(surface) == 1.0) {
      painter.drawImage(area.topLeft(), surface, area);
    } else {
      painter.drawImage(QRectF(area), surface, QRectF(DeviceRect(area, RatioOf(surface))));
    }
  }
}

void SurfaceWidget::mousePressEvent(QMouseEvent* event) {
  if (owner_ == nullptr || event->button() != Qt::LeftButton) return;
  const QPoint p = event->position().toPoint();
  SendMessage(owner_, WM_LBUTTONDOWN, 0, MakeLParam(p.x(), p.y()));
}

void SurfaceWidget::mouseReleaseEvent(QMouseEvent* event) {
  if (owner_ == nullptr || event->button() != Qt::LeftButton) return;
  const QPoint p = event->position().toPoint();
  SendMessage(owner_, WM_LBUTTONUP, 0, MakeLParam(p.x(), p.y()));
}

namespace detail {

const std::vector<Window*>& AllWindows() {
  return Reg().windows;
}

Window* NextWindowToPaint() {
  for (Window* w : Reg().windows) {
    if (w->surfaceWidget != nullptr && !w->invalid.isEmpty() && IsWindowVisible(w)) return w;
  }
  return nullptr;
}

void WaitUntilPlaced(QWidget* topLevel) {
  QElapsedTimer waited;
  waited.start();
  while (topLevel->windowHandle() != nullptr && !topLevel->windowHandle()->isExposed() &&
         waited.elapsed() < 1000) {
    QApplication::processEvents(QEventLoop::ExcludeUserInputEvents, 10);
  }
}

QImage* SurfaceOf(Window* window) {
  return IsWindow(window) ? &window->surface : nullptr;
}

void SurfaceChanged(Window* window, const QRegion& area) {
  if (!IsWindow(window) || window->widget == nullptr || area.isEmpty()) return;
  QRegion shown = area;
  for (Window* child : window->children) {
    const QRect box = ToQRect(child->rect);
    if (!child->visible || !area.intersects(box)) continue;
    // What an opaque child covers is not seen, so the toolkit need not repaint it (nor the child).
    if (child->widget->testAttribute(Qt::WA_OpaquePaintEvent)) {
      shown -= box;
      continue;
    }
    // A see-through child is repainted only when what shows through it changed.
    if (SamePixels(child->beneath, window->surface, box)) {
      shown -= box;
    } else {
      child->beneath = window->surface.copy(DeviceRect(box, RatioOf(window->surface)));
    }
  }
  if (!shown.isEmpty()) window->widget->update(shown);
}

}  // namespace detail

bool RegisterClass(const WindowClass& windowClass) {
  const std::string key = Lower(windowClass.name);
  if (key.empty() || Reg().classes.count(key) != 0) return false;
  auto record = std::make_shared<ClassRecord>();
  record->name = windowClass.name;
  record->proc = windowClass.proc;
  record->background = windowClass.background;
  Reg().classes[key] = record;
  return true;
}

bool UnregisterClass(const std::string& name) {
  const std::string key = Lower(name);
  for (Window* w : Reg().windows) {
    if (Lower(w->windowClass->name) == key) return false;  // still in use
  }
  return Reg().classes.erase(key) != 0;
}

bool IsClassRegistered(const std::string& name) {
  return Reg().classes.count(Lower(name)) != 0;
}

bool SetClassBackground(const std::string& name, Color background) {
  auto it = Reg().classes.find(Lower(name));
  if (it == Reg().classes.end()) return false;
  it->second->background = background;
  return true;
}

Window* CreateWindow(const std::string& className, const std::string& title, unsigned style, int x,
                     int y, int width, int height, Window* parent, int id) {
  auto it = Reg().classes.find(Lower(className));
  std::shared_ptr<ClassRecord> windowClass;
  if (it != Reg().classes.end()) {
    windowClass = it->second;
  } else {
    windowClass = std::make_shared<ClassRecord>();  // a control of the toolkit's own
    windowClass->name = className;
  }
  if (QApplication::instance() == nullptr) return nullptr;
  if ((style & WS_CHILD) != 0 && !IsWindow(parent)) return nullptr;
  const bool control = it == Reg().classes.end();
  if (control && (style & WS_CHILD) == 0) return nullptr;
  width = std::clamp(width, 1, 16384);
  height = std::clamp(height, 1, 16384);

  auto* window = new Window;
  window->windowClass = windowClass;
  window->title = title;
  window->style = style;
  window->id = id;
  window->serial = Reg().serial++;
  window->surface = NewSurface(
      width, height, windowClass->background,
      IsWindow(parent) ? RatioOf(parent->surface) : detail::SurfaceRatio(qApp->devicePixelRatio()));
  window->enabled = (style & WS_DISABLED) == 0;

  if ((style & WS_CHILD) != 0) {
    window->parent = parent;
    if (control) {
      window->widget = detail::CreateControl(window, className, parent->widget);
      if (window->widget == nullptr) {
        delete window;
        return nullptr;
      }
      window->widget->setVisible(false);
    } else {
      window->surfaceWidget = new SurfaceWidget(window, parent->widget);
      window->widget = window->surfaceWidget;
      window->widget->lower();  // a newer child lies under the older ones
    }
    window->frame = window->widget;
    window->widget->setGeometry(x, y, width, height);
    window->rect = {x, y, x + width, y + height};
    parent->children.push_back(window);
  } else {
    QWidget* frame = nullptr;
    if ((style & WS_DIALOG) != 0) {
      frame = detail::CreateDialogFrame(window, parent);
    } else {
      auto* top = new TopFrame(window);
      qApp->installEventFilter(top);
      frame = top;
    }
    if ((style & WS_DIALOG) != 0) window->owner = parent;
    frame->setWindowTitle(QString::fromStdString(title));
    auto* layout = new QVBoxLayout(frame);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    window->surfaceWidget = new SurfaceWidget(window, frame);
    window->widget = window->surfaceWidget;
    window->widget->setFixedSize(width, height);
    layout->addWidget(window->widget);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    window->frame = frame;
    if (x != kDefaultPosition && y != kDefaultPosition) window->originPosition = QPoint(x, y);
    window->rect = {x, y, x + width, y + height};
  }
  window->widget->setEnabled(window->enabled);
  Reg().windows.push_back(window);

  if (SendMessage(window, WM_CREATE, 0, 0) == -1) {
    DestroyWindow(window);
    return nullptr;
  }
  if ((style & WS_VISIBLE) != 0) ShowWindow(window, SW_SHOW);
  return window;
}

bool IsWindow(Window* window) {
  if (window == nullptr) return false;
  const auto& all = Reg().windows;
  return std::find(all.begin(), all.end(), window) != all.end();
}

bool DestroyWindow(Window* window) {
  if (!IsWindow(window) || window->destroying) return false;
  window->destroying = true;
  // Its dialogs go first, as with any owned window; their modal loops end.
  for (Window* owned : std::vector<Window*>(Reg().windows)) {
    if (IsWindow(owned) && owned->owner == window) DestroyWindow(owned);
  }
  SendMessage(window, WM_DESTROY, 0, 0);
  while (!window->children.empty())
    DestroyWindow(window->children.front());
  detail::ForgetWindow(window);
  Registry& reg = Reg();
  if (reg.focus == window) reg.focus = nullptr;
  if (reg.parked == window) reg.parked = nullptr;
  if (reg.capture == window) reg.capture = nullptr;
  if (window->parent != nullptr) std::erase(window->parent->children, window);
  std::erase(reg.windows, window);
  if (window->surfaceWidget != nullptr) window->surfaceWidget->Detach();
  if (auto* top = dynamic_cast<TopFrame*>(window->frame)) top->Forget();
  if (window->parent == nullptr || !IsWindow(window->parent)) {
    window->frame->hide();
    window->frame->deleteLater();
  } else {
    window->widget->hide();
    window->widget->deleteLater();
  }
  delete window;
  return true;
}

Window* GetParent(Window* window) {
  return IsWindow(window) ? window->parent : nullptr;
}

Window* GetDlgItem(Window* parent, int id) {
  if (!IsWindow(parent)) return nullptr;
  for (Window* child : parent->children) {
    if (child->id == id) return child;
  }
  return nullptr;
}

std::string GetClassName(Window* window) {
  return IsWindow(window) ? window->windowClass->name : std::string();
}

bool SetWindowText(Window* window, const std::string& text) {
  if (!IsWindow(window)) return false;
  window->title = text;
  if (window->surfaceWidget == nullptr) detail::SetControlText(window, text);
  if (window->parent == nullptr) window->frame->setWindowTitle(QString::fromStdString(text));
  return true;
}

std::string GetWindowText(Window* window) {
  if (!IsWindow(window)) return "";
  // An edit holds what the user typed, not what the program last set.
  return window->surfaceWidget == nullptr ? detail::ControlText(window) : window->title;
}

namespace {

// A top-level window goes where its origin (the corner inside its frame) was asked to go, the whole
// window on a screen: a position saved on a screen that is gone or smaller now would leave it out
// of reach. The origin is what is placed and reported, since the desktop tells the size of its
// frame late, and now and then not at all.
void PlaceOrigin(Window* window) {
  QWidget* frame = window->frame;
  detail::WaitUntilPlaced(frame);
  const QPoint asked = *window->originPosition;
  window->originPosition.reset();
  // The frame as far as it is known (nothing, when the desktop has not told it yet).
  const QRect inner = frame->geometry(), framed = frame->frameGeometry();
  const QMargins margins(inner.left() - framed.left(), inner.top() - framed.top(),
                         framed.right() - inner.right(), framed.bottom() - inner.bottom());
  const QRect outer = QRect(asked, frame->geometry().size()).marginsAdded(margins);
  QScreen* best = nullptr;
  int bestArea = -1;
  for (QScreen* screen : QGuiApplication::screens()) {
    const QRect common = screen->availableGeometry().intersected(outer);
    const int area = common.isEmpty() ? 0 : common.width() * common.height();
    if (area > bestArea) {
      best = screen;
      bestArea = area;
    }
  }
  QPoint at = outer.topLeft();
  if (best != nullptr && !best->availableGeometry().contains(outer)) {
    if (bestArea == 0) best = QGuiApplication::primaryScreen();
    const QRect room = best->availableGeometry();
    at.setX(
        std::clamp(at.x(), room.left(), std::max(room.left(), room.right() + 1 - outer.width())));
    at.setY(
        std::clamp(at.y(), room.top(), std::max(room.top(), room.bottom() + 1 - outer.height())));
  }
  // A move of a shown window places its frame, by the margins known now.
  if (frame->geometry().topLeft() != at + QPoint(margins.left(), margins.top())) frame->move(at);
}

}  // namespace

bool ShowWindow(Window* window, int command) {
  if (!IsWindow(window)) return false;
  const bool was = window->visible;
  const bool show = command != SW_HIDE;
  if (show == was && command != SW_MINIMIZE && command != SW_RESTORE) return was;
  window->visible = show;
  if (window->parent == nullptr) {
    if (command == SW_MINIMIZE) {
      window->frame->showMinimized();
    } else if (command == SW_RESTORE) {
      window->frame->showNormal();
    } else {
      if (show && window->originPosition) {
        // A native window before it is mapped has no frame yet: it is placed by its origin.
        window->frame->winId();
        window->frame->move(*window->originPosition);
      }
      window->frame->setVisible(show);
      if (show) window->frame->activateWindow();
      if (show && window->originPosition) PlaceOrigin(window);
    }
  } else {
    window->widget->setVisible(show);
    if (show) {
      InvalidateRect(window, nullptr, true);
    } else {
      InvalidateRect(window->parent, &window->rect, true);
    }
  }
  if (show && !was && window->parent == nullptr) InvalidateRect(window, nullptr, true);
  return was;
}

bool IsWindowVisible(Window* window) {
  for (Window* w = window; w != nullptr; w = w->parent) {
    if (!IsWindow(w) || !w->visible) return false;
  }
  return true;
}

namespace {

// The client area of the top-level window a control lives in.
QWidget* ParkingPlace(Window* window) {
  Window* top = window;
  while (top->parent != nullptr)
    top = top->parent;
  return top->widget;
}

bool HasToolkitFocus(Window* window) {
  QWidget* widget = window->widget;
  return QApplication::focusWidget() == widget || widget->window()->focusWidget() == widget;
}

// The toolkit would hand the focus of a disabled control to the next one, which may be any
// button at all; the focus stays with the control instead, and keys do nothing until the program
// gives the focus again.
void Park(Window* window) {
  Reg().focus = window;
  Reg().parked = window;
  if (QWidget* place = ParkingPlace(window); place != window->widget) place->setFocus();
}

}  // namespace

bool EnableWindow(Window* window, bool enable) {
  if (!IsWindow(window)) return false;
  const bool wasDisabled = !window->enabled;
  window->enabled = enable;
  if (!enable && HasToolkitFocus(window)) Park(window);
  window->widget->setEnabled(enable);
  if (enable && Reg().parked == window && GetFocus() == window) {
    Reg().parked = nullptr;
    window->widget->setFocus(Qt::OtherFocusReason);
  }
  if (!enable && Reg().capture == window) ReleaseCapture();
  return wasDisabled;
}

bool IsWindowEnabled(Window* window) {
  return IsWindow(window) && window->enabled;
}

Rect GetClientRect(Window* window) {
  if (!IsWindow(window)) return {};
  const QRect area = LogicalRect(window->surface);
  return {0, 0, area.width(), area.height()};
}

Point GetWindowOrigin(Window* window) {
  if (!IsWindow(window)) return {};
  if (window->parent != nullptr) return {window->rect.left, window->rect.top};
  const QPoint at = window->frame->geometry().topLeft();
  return {at.x(), at.y()};
}

Rect GetWindowRect(Window* window) {
  if (!IsWindow(window)) return {};
  if (window->parent == nullptr) {
    const QRect outer = window->frame->frameGeometry();
    return {outer.left(), outer.top(), outer.right() + 1, outer.bottom() + 1};
  }
  return window->rect;
}

bool MoveWindow(Window* window, int x, int y, int width, int height, bool repaint) {
  if (!IsWindow(window)) return false;
  width = std::clamp(width, 1, 16384);
  height = std::clamp(height, 1, 16384);
  if (window->parent == nullptr) {
    window->frame->move(x, y);
    const QRect area = LogicalRect(window->surface);
    window->rect = {x, y, x + area.width(), y + area.height()};
    return true;
  }
  Window* parent = window->parent;
  const Rect old = window->rect;
  const Rect now{x, y, x + width, y + height};
  const bool resized = width != old.Width() || height != old.Height();
  // Without a repaint the screen must keep showing what it shows now where the window was and
  // where it goes.
  const QRect vacated = ToQRect(old).intersected(LogicalRect(parent->surface));
  const QRect entered = ToQRect(now).intersected(LogicalRect(parent->surface));
  QImage atVacated, atEntered;
  if (!repaint && window->visible) {
    atVacated = ComposeArea(parent, vacated);
    atEntered = ComposeArea(parent, entered);
  }

  if (resized) {
    QImage surface =
        NewSurface(width, height, window->windowClass->background, RatioOf(window->surface));
    QPainter(&surface).drawImage(0, 0, window->surface);
    window->surface = surface;
    InvalidateRect(window, nullptr, true);
  }
  window->rect = now;
  window->widget->setGeometry(x, y, width, height);
  if (!window->visible) return true;

  if (repaint) {
    const QRegion left = QRegion(ToQRect(old)).subtracted(QRegion(ToQRect(now)));
    for (const QRect& r : left) {
      const Rect area{r.left(), r.top(), r.right() + 1, r.bottom() + 1};
      InvalidateRect(parent, &area, true);
    }
    UpdateWindow(window);
    return true;
  }
  detail::SurfaceChanged(window,
                         KeepPicture(window, atEntered, entered, QPoint(now.left, now.top)));
  detail::SurfaceChanged(parent, KeepPicture(parent, atVacated, vacated, QPoint(0, 0)));
  for (Window* sibling : parent->children) {
    if (sibling == window || !sibling->visible) continue;
    const QPoint origin(sibling->rect.left, sibling->rect.top);
    detail::SurfaceChanged(sibling, KeepPicture(sibling, atVacated, vacated, origin));
  }
  return true;
}

bool SetWindowIcon(Window* window, int resourceId) {
  if (!IsWindow(window) || window->parent != nullptr) return false;
  QIcon icon(QString(":/icons/%1.ico").arg(resourceId));
  if (icon.isNull()) return false;
  const QString dense = QString(":/icons/%1@2x.png").arg(resourceId);
  if (QFile::exists(dense)) icon.addFile(dense);
  window->frame->setWindowIcon(icon);
  return true;
}

Window* SetFocus(Window* window) {
  Window* previous = GetFocus();
  if (window != nullptr && !IsWindow(window)) return previous;
  Reg().focus = window;
  Reg().parked = nullptr;
  if (window == nullptr) return previous;
  if (window->enabled) {
    window->widget->setFocus(Qt::OtherFocusReason);
  } else {
    Park(window);
  }
  return previous;
}

Window* GetFocus() {
  Registry& reg = Reg();
  // While the desktop window is inactive the toolkit reports no focus; the focus it will get back
  // (the last one within that window) stands instead.
  QWidget* focused = QApplication::focusWidget();
  if (focused == nullptr && IsWindow(reg.focus)) {
    focused = reg.focus->widget->window()->focusWidget();
  }
  if (IsWindow(reg.parked) && focused == ParkingPlace(reg.parked)) return reg.parked;
  reg.parked = nullptr;
  if (Window* window = detail::WindowOfWidget(focused)) reg.focus = window;
  return IsWindow(reg.focus) ? reg.focus : nullptr;
}

Window* SetCapture(Window* window) {
  Window* previous = GetCapture();
  Reg().capture = IsWindow(window) ? window : nullptr;
  return previous;
}

bool ReleaseCapture() {
  Reg().capture = nullptr;
  return true;
}

Window* GetCapture() {
  return IsWindow(Reg().capture) ? Reg().capture : nullptr;
}

bool InvalidateRect(Window* window, const Rect* rect, bool erase) {
  if (!IsWindow(window)) return false;
  if (window->surfaceWidget == nullptr) {  // the toolkit paints its own controls
    window->widget->update();
    return true;
  }
  const QRect client = LogicalRect(window->surface);
  const QRect area = rect != nullptr ? ToQRect(*rect).intersected(client) : client;
  if (!area.isEmpty()) window->invalid += area;
  // As with the system this imitates, one erase request erases the whole update region.
  if (erase) window->eraseInvalid = true;
  detail::QueueChanged();
  return true;
}

bool ValidateRect(Window* window, const Rect* rect) {
  if (!IsWindow(window)) return false;
  if (rect == nullptr) {
    window->invalid = QRegion();
  } else {
    window->invalid -= ToQRect(*rect);
  }
  if (window->invalid.isEmpty()) window->eraseInvalid = false;
  return true;
}

bool GetUpdateRect(Window* window, Rect* rect) {
  if (!IsWindow(window) || window->invalid.isEmpty()) {
    if (rect != nullptr) *rect = {};
    return false;
  }
  const QRect box = window->invalid.boundingRect();
  if (rect != nullptr) *rect = {box.left(), box.top(), box.right() + 1, box.bottom() + 1};
  return true;
}

bool UpdateWindow(Window* window) {
  if (!IsWindow(window)) return false;
  if (window->surfaceWidget == nullptr) {
    window->widget->repaint();
    return true;
  }
  if (!window->invalid.isEmpty() && IsWindowVisible(window)) {
    SendMessage(window, WM_PAINT, 0, 0);
    if (IsWindow(window)) ValidateRect(window, nullptr);
  }
  return true;
}

Dc* BeginPaint(Window* window, PaintStruct* paint) {
  if (!IsWindow(window)) return nullptr;
  QRegion clip = window->invalid;
  if (window->eraseInvalid && !clip.isEmpty()) {
    QImage& surface = window->surface;
    const QRgb background = detail::ToQRgb(window->windowClass->background);
    for (const QRect& r : clip) {
      const QRect part = DeviceRect(r, RatioOf(surface)).intersected(surface.rect());
      for (int y = part.top(); y <= part.bottom(); ++y) {
        detail::FillPixels(reinterpret_cast<QRgb*>(surface.scanLine(y)) + part.left(), part.width(),
                           background);
      }
    }
  }
  if (paint != nullptr) {
    GetUpdateRect(window, &paint->paintRect);
    paint->erase = window->eraseInvalid;
  }
  // An empty update region still clips every drawing away.
  if (clip.isEmpty()) clip = QRegion(-2, -2, 1, 1);
  window->invalid = QRegion();
  window->eraseInvalid = false;
  Dc* dc = detail::MakeSurfaceDc(window, &window->surface, clip);
  if (paint != nullptr) paint->dc = dc;
  return dc;
}

void EndPaint(Window* window, const PaintStruct* paint) {
  // What was invalid has been painted (erased at least); only that goes to the screen.
  QRegion painted;
  if (paint != nullptr && detail::IsLiveDc(paint->dc)) {
    painted = paint->dc->clip;
    detail::FreeSurfaceDc(paint->dc);
  }
  if (!IsWindow(window)) return;
  if (paint == nullptr) painted = LogicalRect(window->surface);
  detail::SurfaceChanged(window, painted.intersected(LogicalRect(window->surface)));
}

Dc* GetDC(Window* window) {
  if (!IsWindow(window)) return nullptr;
  return detail::MakeSurfaceDc(window, &window->surface, QRegion());
}

bool ReleaseDC(Window* window, Dc* dc) {
  if (!detail::IsLiveDc(dc)) return false;
  const QRect touched = dc->touched;
  detail::FreeSurfaceDc(dc);
  detail::SurfaceChanged(window, touched);
  return true;
}

LResult DefWindowProc(Window* window, unsigned msg, WParam, LParam) {
  switch (msg) {
    case WM_PAINT: {
      PaintStruct paint;
      BeginPaint(window, &paint);
      EndPaint(window, &paint);
      return 0;
    }
    case WM_CLOSE:
      DestroyWindow(window);
      return 0;
    default:
      return 0;
  }
}

Image Screenshot(Window* window) {
  if (!IsWindow(window)) return Image();
  auto data = std::make_unique<Image::Data>();
  data->image = ComposeArea(window, LogicalRect(window->surface));
  return Image(std::move(data));
}

}  // namespace platform
