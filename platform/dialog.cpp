// Modal dialogs from templates, message boxes and the color chooser.

#include "platform/dialog.h"

#include <QApplication>
#include <QColorDialog>
#include <QDialog>
#include <QKeyEvent>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <map>
#include <memory>

#include "platform/controls.h"
#include "platform/events.h"
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

// The dialog's centre on the owner's, once the desktop has placed the owner.
void CentreOverOwner(QWidget* dialog, Window* owner) {
  if (!IsWindow(owner) || !owner->frame->isVisible()) return;
  QWidget* over = owner->frame;
  detail::WaitUntilPlaced(over);
  dialog->adjustSize();
  const QPoint centre = over->frameGeometry().center();
  dialog->move(centre.x() - dialog->width() / 2, centre.y() - dialog->height() / 2);
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
  Window* dialog = CreateWindow(className, dialogTemplate.title, WS_DIALOG, kDefaultPosition,
                                kDefaultPosition, width, height, owner, 0);
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
  // Modal from the moment it shows: nothing behind it takes input while it is up.
  auto* frame = static_cast<QDialog*>(dialog->frame);
  frame->setWindowModality(Qt::ApplicationModal);
  CentreOverOwner(frame, owner);
  ShowWindow(dialog, SW_SHOW);
  const LResult focusDefault =
      SendMessage(dialog, WM_INITDIALOG, reinterpret_cast<WParam>(firstTabStop), param);
  if (focusDefault != 0 && IsWindow(dialog)) {
    for (Window* child : dialog->children) {
      if ((child->style & WS_TABSTOP) != 0 && IsWindowEnabled(child)) {
        SetFocus(child);
        break;
      }
    }
  }
  if (IsWindow(dialog) && !state->ended) frame->exec();
  const std::intptr_t result = state->result;
  // The owner may have gone while the dialog was up, and the dialog with it.
  Dialogs().erase(dialog);
  if (IsWindow(dialog)) DestroyWindow(dialog);
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

// The toolkit's own dialogs live on the heap: if their owner goes while they are up, the toolkit
// deletes them with it and ends their loop.
template <typename T>
int RunToolkitDialog(QPointer<T>& dialog) {
  dialog->setWindowModality(Qt::ApplicationModal);
  const int result = dialog->exec();
  return dialog.isNull() ? QDialog::Rejected : result;
}

int MessageBox(Window* owner, const std::string& text, const std::string& caption, unsigned type) {
  QPointer<QMessageBox> box = new QMessageBox(IsWindow(owner) ? owner->frame : nullptr);
  box->setWindowTitle(QString::fromStdString(caption));
  box->setText(QString::fromStdString(text));
  if ((type & MB_ICONQUESTION) != 0) box->setIcon(QMessageBox::Question);
  const bool yesNo = (type & 0xF) == MB_YESNO;
  box->setStandardButtons(yesNo ? QMessageBox::Yes | QMessageBox::No : QMessageBox::Ok);
  const int answer = RunToolkitDialog(box);
  delete box;
  if (!yesNo) return IDOK;
  return answer == QMessageBox::Yes ? IDYES : IDNO;
}

bool ChooseColor(Window* owner, Color* color, Color customColors[16]) {
  if (color == nullptr) return false;
  for (int i = 0; i < 16 && customColors != nullptr; ++i) {
    QColorDialog::setCustomColor(i, detail::ToQColor(customColors[i]));
  }
  QPointer<QColorDialog> dialog =
      new QColorDialog(detail::ToQColor(*color), IsWindow(owner) ? owner->frame : nullptr);
  const bool chosen = RunToolkitDialog(dialog) == QDialog::Accepted;
  for (int i = 0; i < 16 && customColors != nullptr; ++i) {
    customColors[i] = detail::FromQRgb(QColorDialog::customColor(i).rgb());
  }
  if (chosen) *color = detail::FromQRgb(dialog->selectedColor().rgb());
  delete dialog;
  return chosen;
}

}  // namespace platform
