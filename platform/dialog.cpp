// Modal dialogs from templates, message boxes and the colour chooser.

#include "platform/dialog.h"

#include <QApplication>
#include <QColorDialog>
#include <QDialog>
#include <QKeyEvent>
#include <QMessageBox>
#include <QPushButton>
#include <map>
#include <memory>

#include "platform/controls.h"
#include "platform/gdi_objects.h"
#include "platform/window_impl.h"

namespace platform {
namespace {

struct DialogState {
  DialogProc proc;
  bool ended = false;
  std::intptr_t result = 0;
  int baseX = 6;   // pixels per 4 horizontal dialog units
  int baseY = 13;  // pixels per 8 vertical dialog units
};

std::map<Window*, std::shared_ptr<DialogState>>& Dialogs() {
  static std::map<Window*, std::shared_ptr<DialogState>> dialogs;
  return dialogs;
}

std::function<void(Window*)> dialogHook;
std::function<int(const std::string&, const std::string&, unsigned)> messageBoxHook;
std::function<bool(Color*)> chooseColorHook;

class DialogFrame : public QDialog {
 public:
  DialogFrame(Window* window, QWidget* owner) : QDialog(owner), window_(window) {
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowCloseButtonHint);
  }

 protected:
  void closeEvent(QCloseEvent* event) override {
    event->ignore();
    if (IsWindow(window_)) SendMessage(window_, WM_CLOSE, 0, 0);
  }
  void keyPressEvent(QKeyEvent* event) override {
    if (!IsWindow(window_)) return;
    if (event->key() == Qt::Key_Escape) {
      SendMessage(window_, WM_COMMAND, IDCANCEL, 0);
    } else if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
      if (auto* focused = qobject_cast<QPushButton*>(QApplication::focusWidget());
          focused != nullptr && isAncestorOf(focused)) {
        focused->click();
      } else if (QPushButton* preferred = DefaultButton()) {
        preferred->click();
      } else {
        SendMessage(window_, WM_COMMAND, IDOK, 0);
      }
    } else {
      QDialog::keyPressEvent(event);
    }
  }

 private:
  QPushButton* DefaultButton() {
    for (QPushButton* button : findChildren<QPushButton*>()) {
      if (button->isDefault() && button->isEnabled()) return button;
    }
    return nullptr;
  }

  Window* window_;
};

void MeasureBaseUnits(DialogState& state, const DialogTemplate& t) {
  LogFont log;
  log.height = -(t.pointSize * 96 + 36) / 72;
  log.weight = 400;
  std::snprintf(log.faceName, sizeof log.faceName, "%s", t.fontFace.c_str());
  FontImpl font(log);
  const auto& resolved = font.Resolve();
  const int alphabet =
      resolved.metrics.horizontalAdvance("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz");
  state.baseX = (alphabet / 26 + 1) / 2;
  state.baseY = resolved.ascent + resolved.descent;
}

QFont DialogFont(const DialogTemplate& t) {
  LogFont log;
  log.height = -(t.pointSize * 96 + 36) / 72;
  log.weight = 400;
  std::snprintf(log.faceName, sizeof log.faceName, "%s", t.fontFace.c_str());
  FontImpl font(log);
  return font.Resolve().font;
}

}  // namespace

namespace detail {

QWidget* CreateDialogFrame(Window* window, Window* owner) {
  return new DialogFrame(window, IsWindow(owner) ? owner->frame : nullptr);
}

}  // namespace detail

Rect MapDialogRect(Window* dialog, const Rect& units) {
  auto it = Dialogs().find(dialog);
  const int bx = it != Dialogs().end() ? it->second->baseX : 6;
  const int by = it != Dialogs().end() ? it->second->baseY : 13;
  return {units.left * bx / 4, units.top * by / 8, units.right * bx / 4, units.bottom * by / 8};
}

std::intptr_t DialogBoxParam(const DialogTemplate& dialogTemplate, Window* owner, DialogProc proc,
                             LParam param) {
  static int serial = 0;
  const std::string className = "#dialog" + std::to_string(serial++);
  auto state = std::make_shared<DialogState>();
  state->proc = std::move(proc);
  MeasureBaseUnits(*state, dialogTemplate);

  WindowClass windowClass;
  windowClass.name = className;
  windowClass.background = GetSysColor(COLOR_BTNFACE);
  windowClass.proc = [state](Window* w, unsigned msg, WParam wp, LParam lp) -> LResult {
    const LResult handled = state->proc ? state->proc(w, msg, wp, lp) : 0;
    if (handled != 0 || msg == WM_INITDIALOG) return handled;
    if (msg == WM_CLOSE) {
      SendMessage(w, WM_COMMAND, IDCANCEL, 0);
      return 0;
    }
    if (msg == WM_PAINT) return DefWindowProc(w, msg, wp, lp);
    return 0;
  };
  if (!RegisterClass(windowClass)) return -1;
  // The owner's control with the focus gets it back when the dialog is gone.
  Window* focusBefore = GetFocus();

  const int width = dialogTemplate.cx * state->baseX / 4;
  const int height = dialogTemplate.cy * state->baseY / 8;
  int x = kDefaultPosition, y = kDefaultPosition;
  if (IsWindow(owner)) {
    const QRect around = owner->frame->frameGeometry();
    x = around.center().x() - width / 2;
    y = around.center().y() - height / 2;
  }
  Window* dialog =
      CreateWindow(className, dialogTemplate.title, WS_DIALOG, x, y, width, height, owner, 0);
  if (dialog == nullptr) {
    UnregisterClass(className);
    return -1;
  }
  Dialogs()[dialog] = state;
  const QFont font = DialogFont(dialogTemplate);
  Window* firstTabStop = nullptr;
  for (const DialogControl& c : dialogTemplate.controls) {
    const Rect r = MapDialogRect(dialog, {c.x, c.y, c.x + c.cx, c.y + c.cy});
    Window* control = CreateWindow(c.className, c.text, WS_CHILD | WS_VISIBLE | c.style, r.left,
                                   r.top, r.Width(), r.Height(), dialog, c.id);
    if (control == nullptr) continue;
    control->widget->setFont(font);
    if (firstTabStop == nullptr && (c.style & WS_TABSTOP) != 0) firstTabStop = control;
  }
  ShowWindow(dialog, SW_SHOW);
  const LResult focusDefault =
      SendMessage(dialog, WM_INITDIALOG, reinterpret_cast<WParam>(firstTabStop), param);
  if (focusDefault != 0) {
    for (Window* child : dialog->children) {
      if ((child->style & WS_TABSTOP) != 0 && IsWindowEnabled(child)) {
        SetFocus(child);
        break;
      }
    }
  }
  if (dialogHook) {
    dialogHook(dialog);
  } else if (!state->ended) {
    static_cast<QDialog*>(dialog->frame)->exec();
  }
  const std::intptr_t result = state->result;
  Dialogs().erase(dialog);
  DestroyWindow(dialog);
  UnregisterClass(className);
  // Unless the dialog's work moved it, the owner's focus is where it was before.
  Window* after = GetFocus();
  Window* target = after != nullptr ? after : focusBefore;
  if (IsWindow(target) && IsWindowEnabled(target)) SetFocus(target);
  return result;
}

bool EndDialog(Window* dialog, std::intptr_t result) {
  auto it = Dialogs().find(dialog);
  if (it == Dialogs().end()) return false;
  it->second->ended = true;
  it->second->result = result;
  auto* frame = static_cast<QDialog*>(dialog->frame);
  if (frame->isVisible()) frame->done(0);
  return true;
}

int MessageBox(Window* owner, const std::string& text, const std::string& caption, unsigned type) {
  if (messageBoxHook) return messageBoxHook(text, caption, type);
  QMessageBox box(IsWindow(owner) ? owner->frame : nullptr);
  box.setWindowTitle(QString::fromStdString(caption));
  box.setText(QString::fromStdString(text));
  if ((type & MB_ICONQUESTION) != 0) box.setIcon(QMessageBox::Question);
  if ((type & 0xF) == MB_YESNO) {
    box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
    return box.exec() == QMessageBox::Yes ? IDYES : IDNO;
  }
  box.setStandardButtons(QMessageBox::Ok);
  box.exec();
  return IDOK;
}

bool ChooseColor(Window* owner, Color* color, Color customColors[16]) {
  if (color == nullptr) return false;
  if (chooseColorHook) return chooseColorHook(color);
  for (int i = 0; i < 16 && customColors != nullptr; ++i) {
    QColorDialog::setCustomColor(i, detail::ToQColor(customColors[i]));
  }
  QColorDialog dialog(detail::ToQColor(*color), IsWindow(owner) ? owner->frame : nullptr);
  const bool chosen = dialog.exec() == QDialog::Accepted;
  for (int i = 0; i < 16 && customColors != nullptr; ++i) {
    customColors[i] = detail::FromQRgb(QColorDialog::customColor(i).rgb());
  }
  if (chosen) *color = detail::FromQRgb(dialog.selectedColor().rgb());
  return chosen;
}

void SetDialogHook(std::function<void(Window*)> hook) {
  dialogHook = std::move(hook);
}

void SetMessageBoxHook(std::function<int(const std::string&, const std::string&, unsigned)> hook) {
  messageBoxHook = std::move(hook);
}

void SetChooseColorHook(std::function<bool(Color*)> hook) {
  chooseColorHook = std::move(hook);
}

}  // namespace platform
