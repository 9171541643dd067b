#include "platform/menu.h"

#include <algorithm>

#include "platform/application.h"

namespace zarn {

TMenuItem& TMenuItem::Add(const std::string& caption, TNotifyEvent onClick) {
  auto item = std::make_unique<TMenuItem>(nullptr);
  item->SetCaption(caption);
  item->OnClick = std::move(onClick);
  items_.push_back(std::move(item));
  return *items_.back();
}

TMenuItem* TMenuItem::Find(std::string_view caption) const {
  const auto it = std::find_if(items_.begin(), items_.end(),
                               [&](const auto& item) { return item->Caption() == caption; });
  return it == items_.end() ? nullptr : it->get();
}

void TMenuItem::Click() {
  if (enabled_ && OnClick) OnClick(this);
}

void TPopupMenu::Popup(TControl& control, TPoint pos) {
  // The link is kept (it may also be the control's own to its PopupMenu).
  popupComponent_ = &control;
  control.FreeNotification(this);
  if (OnPopup) OnPopup(this);
  Application().Services().PopupMenu(*this, control, pos);
}

void TPopupMenu::Notification(TComponent* AComponent, TOperation Operation) {
  TComponent::Notification(AComponent, Operation);
  if (Operation == opRemove && AComponent == popupComponent_) popupComponent_ = nullptr;
}

}  // namespace zarn
