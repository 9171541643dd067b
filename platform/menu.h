#pragma once
// Pop-up menus: a tree of commands that a control shows on the platform's
// context gesture (the right button, the menu key). The backend draws the
// menu and clicks the chosen item.

#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "platform/component.h"
#include "platform/types.h"

namespace zarn {

class TControl;

// One command of a menu, or a sub-menu when it has items of its own.
class TMenuItem : public TComponent {
 public:
  explicit TMenuItem(TComponent* AOwner) : TComponent(AOwner) {}
  std::string_view ClassName() const override { return "TMenuItem"; }

  const std::string& Caption() const { return caption_; }
  void SetCaption(const std::string& value) { caption_ = value; }
  // The caption "-" draws a separator line.
  bool IsLine() const { return caption_ == "-"; }
  bool Enabled() const { return enabled_; }
  void SetEnabled(bool value) { enabled_ = value; }

  int Count() const { return static_cast<int>(items_.size()); }
  TMenuItem& Items(int index) const { return *items_.at(static_cast<std::size_t>(index)); }
  // Appends an item owned by this one and returns it.
  TMenuItem& Add(const std::string& caption, TNotifyEvent onClick = {});
  // The first item with this caption, or null.
  TMenuItem* Find(std::string_view caption) const;
  void Clear() { items_.clear(); }

  // What choosing the item does: fires OnClick unless disabled.
  void Click();
  TNotifyEvent OnClick;

  // Expires when the item goes, so that a menu the backend still shows can
  // tell whether the item it would click is there.
  std::weak_ptr<const void> Lifetime() const { return lifetime_; }

 private:
  std::string caption_;
  bool enabled_ = true;
  std::vector<std::unique_ptr<TMenuItem>> items_;
  std::shared_ptr<const void> lifetime_ = std::make_shared<char>();
};

// A menu that controls refer to (TControl::PopupMenu); it draws nothing itself.
class TPopupMenu : public TComponent {
 public:
  explicit TPopupMenu(TComponent* AOwner) : TComponent(AOwner), items_(nullptr) {}
  std::string_view ClassName() const override { return "TPopupMenu"; }

  bool AutoPopup() const { return autoPopup_; }
  void SetAutoPopup(bool value) { autoPopup_ = value; }
  TMenuItem& Items() { return items_; }
  const TMenuItem& Items() const { return items_; }
  // The control the menu was last shown over.
  TControl* PopupComponent() const { return popupComponent_; }

  // Fires OnPopup, then shows the menu at a point of the control (its client
  // coordinates). The chosen item is clicked after this returns.
  void Popup(TControl& control, TPoint pos);
  TNotifyEvent OnPopup;

 protected:
  void Notification(TComponent* AComponent, TOperation Operation) override;

 private:
  bool autoPopup_ = true;
  TMenuItem items_;
  TControl* popupComponent_ = nullptr;
};

}  // namespace zarn
