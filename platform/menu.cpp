#include "platform/menu.h"

#include <QAction>
#include <QLayout>
#include <QMenu>
#include <QMenuBar>

#include "platform/events.h"
#include "platform/window_impl.h"

namespace platform {
namespace {

constexpr const char* kIdProperty = "menuId";

void AddItems(QWidget* menu, const std::vector<MenuItem>& items, Window* window) {
  for (const MenuItem& item : items) {
    const QString text = QString::fromStdString(item.text);
    if (!item.items.empty()) {
      auto* sub = new QMenu(text, menu);
      AddItems(sub, item.items, window);
      if (auto* bar = qobject_cast<QMenuBar*>(menu)) {
        bar->addMenu(sub);
      } else {
        qobject_cast<QMenu*>(menu)->addMenu(sub);
      }
      continue;
    }
    if (item.text.empty()) {
      if (auto* m = qobject_cast<QMenu*>(menu)) m->addSeparator();
      continue;
    }
    auto* action = new QAction(text, menu);
    action->setProperty(kIdProperty, item.id);
    action->setCheckable(false);
    const int id = item.id;
    QObject::connect(action, &QAction::triggered, action, [window, id, action] {
      // The mark is the program's to set: undo the toolkit's own toggle of a marked item.
      if (action->isCheckable()) action->setChecked(!action->isChecked());
      if (IsWindow(window)) SendMessage(window, WM_COMMAND, static_cast<WParam>(id), 0);
    });
    menu->addAction(action);
  }
}

QAction* FindAction(Window* window, int id) {
  if (!IsWindow(window) || window->frame == nullptr) return nullptr;
  for (QAction* action : window->frame->findChildren<QAction*>()) {
    const QVariant v = action->property(kIdProperty);
    if (v.isValid() && v.toInt() == id) return action;
  }
  return nullptr;
}

}  // namespace

bool SetMenu(Window* window, const std::vector<MenuItem>& bar) {
  if (!IsWindow(window) || window->parent != nullptr || window->frame->layout() == nullptr) {
    return false;
  }
  auto* menuBar = new QMenuBar(window->frame);
  AddItems(menuBar, bar, window);
  window->frame->layout()->setMenuBar(menuBar);
  return true;
}

bool CheckMenuItem(Window* window, int id, bool checked) {
  QAction* action = FindAction(window, id);
  if (action == nullptr) return false;
  // Only a marked item shows a check box, as in a plain menu.
  action->setCheckable(checked);
  action->setChecked(checked);
  return true;
}

bool IsMenuItemChecked(Window* window, int id) {
  QAction* action = FindAction(window, id);
  return action != nullptr && action->isChecked();
}

bool ChooseMenuItem(Window* window, int id) {
  QAction* action = FindAction(window, id);
  if (action == nullptr || !action->isEnabled()) return false;
  action->trigger();
  return true;
}

}  // namespace platform
