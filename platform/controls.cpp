// The toolkit's own controls behind the predefined classes, and the owner-drawn button.

#include "platform/controls.h"

#include <QGroupBox>
#include <QIcon>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>

#include "platform/events.h"
#include "platform/gdi_objects.h"
#include "platform/window_impl.h"

namespace platform {
namespace {

constexpr const char* kWindowProperty = "platformWindow";

std::string Upper(std::string s) {
  for (char& c : s)
    c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  return s;
}

void NotifyClicked(Window* window) {
  if (!IsWindow(window) || !IsWindow(window->parent)) return;
  SendMessage(window->parent, WM_COMMAND, static_cast<WParam>(window->id) | (BN_CLICKED << 16),
              reinterpret_cast<LParam>(window));
}

// Painted by its parent's WM_DRAWITEM handler through a drawing context on the window's surface.
class OwnerDrawButton : public QPushButton {
 public:
  OwnerDrawButton(Window* window, QWidget* parent) : QPushButton(parent), window_(window) {
    setAttribute(Qt::WA_OpaquePaintEvent);  // the owner paints every pixel
  }

 protected:
  void paintEvent(QPaintEvent*) override {
    if (!IsWindow(window_)) return;
    QImage& surface = window_->surface;
    const qreal ratio = detail::SurfaceRatio(devicePixelRatioF());
    if (detail::LogicalRect(surface).size() != size() || surface.devicePixelRatio() != ratio) {
      surface = detail::NewPicture(width(), height(), ratio);
      surface.fill(detail::ToQColor(GetSysColor(COLOR_BTNFACE)));
    }
    DrawItemStruct item;
    item.ctlId = static_cast<unsigned>(window_->id);
    item.itemState = OwnerDrawState(window_);
    item.item = window_;
    item.rcItem = {0, 0, width(), height()};
    item.dc = detail::MakeSurfaceDc(window_, &surface, QRegion());
    if (IsWindow(window_->parent)) {
      SendMessage(window_->parent, WM_DRAWITEM, item.ctlId, reinterpret_cast<LParam>(&item));
    }
    detail::FreeSurfaceDc(item.dc);
    QPainter(this).drawImage(0, 0, surface);
  }

 private:
  Window* window_;
};

QWidget* MakeButton(Window* window, unsigned kind, const QString& text, QWidget* parent) {
  switch (kind) {
    case BS_GROUPBOX:
      return new QGroupBox(text, parent);
    case BS_AUTORADIOBUTTON: {
      auto* radio = new QRadioButton(text, parent);
      QObject::connect(radio, &QRadioButton::clicked, radio, [window] { NotifyClicked(window); });
      return radio;
    }
    case BS_OWNERDRAW: {
      auto* button = new OwnerDrawButton(window, parent);
      button->setText(text);
      QObject::connect(button, &QPushButton::clicked, button, [window] { NotifyClicked(window); });
      return button;
    }
    default: {
      auto* button = new QPushButton(text, parent);
      button->setAutoDefault(false);
      button->setDefault(kind == BS_DEFPUSHBUTTON);
      QObject::connect(button, &QPushButton::clicked, button, [window] { NotifyClicked(window); });
      return button;
    }
  }
}

QWidget* MakeEdit(unsigned style, const QString& text, QWidget* parent) {
  if ((style & ES_MULTILINE) != 0) {
    auto* edit = new QPlainTextEdit(text, parent);
    edit->setReadOnly((style & ES_READONLY) != 0);
    edit->setFrameShape((style & WS_BORDER) != 0 ? QFrame::StyledPanel : QFrame::NoFrame);
    // A plain multi-line edit: no scroll bars, the text close to the border.
    edit->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    edit->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    edit->document()->setDocumentMargin(1);
    return edit;
  }
  auto* edit = new QLineEdit(text, parent);
  edit->setReadOnly((style & ES_READONLY) != 0);
  edit->setFrame((style & WS_BORDER) != 0);
  return edit;
}

Window* Control(Window* parent, int id) {
  Window* control = GetDlgItem(parent, id);
  return control != nullptr && control->surfaceWidget == nullptr ? control : nullptr;
}

}  // namespace

namespace detail {

QWidget* CreateControl(Window* window, const std::string& className, QWidget* parent) {
  const std::string kind = Upper(className);
  const QString text = QString::fromStdString(window->title);
  QWidget* widget = nullptr;
  if (kind == "BUTTON") {
    widget = MakeButton(window, window->style & 0xF, text, parent);
    widget->setFocusPolicy((window->style & 0xF) == BS_GROUPBOX ? Qt::NoFocus : Qt::StrongFocus);
  } else if (kind == "STATIC") {
    auto* label = new QLabel(parent);
    if ((window->style & 0xF) == SS_ICON) {
      label->setPixmap(QIcon(QString(":/icons/%1.ico").arg(text)).pixmap(32, 32));
    } else {
      label->setText(text);
      label->setAlignment((window->style & SS_CENTER) != 0 ? Qt::AlignHCenter | Qt::AlignTop
                                                           : Qt::AlignLeft | Qt::AlignTop);
    }
    widget = label;
  } else if (kind == "EDIT") {
    widget = MakeEdit(window->style, text, parent);
  } else {
    return nullptr;
  }
  widget->setProperty(kWindowProperty, QVariant::fromValue(reinterpret_cast<quintptr>(window)));
  return widget;
}

void DrawControl(Window* window, QPainter& painter, QPoint at) {
  // Over what lies beneath, as on the screen: a button's rounded corners show it.
  window->widget->render(&painter, at, QRegion(), QWidget::DrawChildren);
}

Window* WindowOfWidget(QWidget* widget) {
  for (QWidget* w = widget; w != nullptr; w = w->parentWidget()) {
    const QVariant v = w->property(kWindowProperty);
    if (v.isValid()) {
      auto* window = reinterpret_cast<Window*>(v.value<quintptr>());
      return IsWindow(window) ? window : nullptr;
    }
    if (auto* surface = dynamic_cast<SurfaceWidget*>(w)) return surface->owner();
  }
  return nullptr;
}

void SetControlText(Window* window, const std::string& text) {
  const QString value = QString::fromStdString(text);
  if (auto* button = qobject_cast<QAbstractButton*>(window->widget)) button->setText(value);
  if (auto* box = qobject_cast<QGroupBox*>(window->widget)) box->setTitle(value);
  if (auto* label = qobject_cast<QLabel*>(window->widget)) label->setText(value);
  if (auto* line = qobject_cast<QLineEdit*>(window->widget)) line->setText(value);
  if (auto* edit = qobject_cast<QPlainTextEdit*>(window->widget)) edit->setPlainText(value);
}

std::string ControlText(Window* window) {
  QString value;
  if (auto* line = qobject_cast<QLineEdit*>(window->widget)) {
    value = line->text();
  } else if (auto* edit = qobject_cast<QPlainTextEdit*>(window->widget)) {
    value = edit->toPlainText();
  } else {
    return window->title;
  }
  return value.toStdString();
}

}  // namespace detail

bool SetWindowFont(Window* control, Font* font, bool redraw) {
  const QFont* qfont = detail::QFontOf(font);
  if (!IsWindow(control) || qfont == nullptr) return false;
  control->widget->setFont(*qfont);
  if (redraw) control->widget->update();
  return true;
}

bool CheckRadioButton(Window* parent, int firstId, int lastId, int checkId) {
  if (!IsWindow(parent)) return false;
  for (int id = firstId; id <= lastId; ++id) {
    Window* control = Control(parent, id);
    auto* radio = control != nullptr ? qobject_cast<QAbstractButton*>(control->widget) : nullptr;
    if (radio == nullptr) continue;
    radio->setAutoExclusive(false);
    radio->setChecked(id == checkId);
    radio->setAutoExclusive(true);
  }
  return true;
}

bool IsDlgButtonChecked(Window* parent, int id) {
  Window* control = Control(parent, id);
  auto* button = control != nullptr ? qobject_cast<QAbstractButton*>(control->widget) : nullptr;
  return button != nullptr && button->isChecked();
}

bool SetDlgItemText(Window* parent, int id, const std::string& text) {
  Window* control = GetDlgItem(parent, id);
  return control != nullptr && SetWindowText(control, text);
}

std::string GetDlgItemText(Window* parent, int id, std::size_t maxChars) {
  Window* control = GetDlgItem(parent, id);
  std::string text = control != nullptr ? GetWindowText(control) : std::string();
  if (text.size() > maxChars) text.resize(maxChars);
  return text;
}

bool SelectAllText(Window* edit) {
  if (!IsWindow(edit)) return false;
  if (auto* line = qobject_cast<QLineEdit*>(edit->widget)) {
    line->selectAll();
    return true;
  }
  return false;
}

unsigned OwnerDrawState(Window* button) {
  if (!IsWindow(button)) return 0;
  unsigned state = 0;
  auto* widget = qobject_cast<QAbstractButton*>(button->widget);
  if (widget != nullptr && widget->isDown()) state |= ODS_SELECTED;
  if (!button->widget->isEnabled()) state |= ODS_DISABLED;
  // Focus shows only where Enter would press the button: in the active window.
  if (button->widget->hasFocus()) state |= ODS_FOCUS;
  return state;
}

}  // namespace platform
