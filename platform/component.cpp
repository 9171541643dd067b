#include <algorithm>
#include <cctype>

#include "platform/component.h"

namespace zarn {

namespace {
char Lower(char c) {
  return static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
}

std::string Key(std::string_view name) {
  std::string key(name);
  std::transform(key.begin(), key.end(), key.begin(), Lower);
  return key;
}
}  // namespace

bool SameText(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i)
    if (Lower(a[i]) != Lower(b[i])) return false;
  return true;
}

bool IsValidIdent(std::string_view name) {
  if (name.empty()) return false;
  auto alpha = [](char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || c == '_'; };
  if (!alpha(name[0])) return false;
  return std::all_of(name.begin(), name.end(),
                     [&](char c) { return alpha(c) || (c >= '0' && c <= '9'); });
}

TComponent::TComponent(TComponent* AOwner) : owner_(AOwner) {
  if (owner_) {
    owner_->components_.push_back({this, nullptr});
    SendToOwnerAndSiblings(opInsert);
  }
}

TComponent::~TComponent() {
  state_.Include(csDestroying);
  DestroyComponents();
  Announce();
  RemoveFromOwner();
}

void TComponent::Adopt(std::unique_ptr<TComponent> component) {
  if (!component) return;
  TComponent* c = component.get();
  if (c->owner_ && c->owner_ != this)
    throw EComponentError("Cannot adopt a component owned by another component");
  if (!c->owner_) {
    c->ValidateName(c->name_);  // the name must be unique among the new siblings
    c->owner_ = this;
    components_.push_back({c, nullptr});
    if (!c->name_.empty()) byName_[Key(c->name_)] = c;
    c->SendToOwnerAndSiblings(opInsert);
  }
  if (Entry* entry = EntryOf(*c)) entry->Owned = std::move(component);
}

TComponent::Entry* TComponent::EntryOf(const TComponent& component) {
  // Usually the last one: components go in reverse order of creation.
  auto it = std::find_if(components_.rbegin(), components_.rend(),
                         [&](const Entry& e) { return e.Component == &component; });
  return it == components_.rend() ? nullptr : &*it;
}

void TComponent::DestroyComponent(TComponent& component) {
  Entry* it = EntryOf(component);
  if (!it) return;
  if (!it->Owned) {
    Unlist(component);
    return;
  }
  // Partners hear of the removal while the component is still whole.
  if (!component.IsDestroying()) component.BeforeDestruction();
  component.state_.Include(csDestroying);
  component.Announce();
  it = EntryOf(component);
  if (!it) return;
  std::unique_ptr<TComponent> doomed = std::move(it->Owned);
  Unlist(component);
  doomed.reset();
}

void TComponent::Unlist(TComponent& component) {
  if (Entry* entry = EntryOf(component))
    components_.erase(components_.begin() + (entry - components_.data()));
  if (!component.name_.empty()) byName_.erase(Key(component.name_));
  component.owner_ = nullptr;
}

void TComponent::DestroyComponents() {
  while (!components_.empty()) {
    Entry& last = components_.back();
    if (last.Owned) {
      DestroyComponent(*last.Component);
    } else {
      Unlist(*last.Component);
    }
  }
}

TComponent* TComponent::Components(int index) const {
  if (index < 0 || index >= ComponentCount()) return nullptr;
  return components_[static_cast<std::size_t>(index)].Component;
}

int TComponent::ComponentIndex() const {
  if (!owner_) return -1;
  for (std::size_t i = 0; i < owner_->components_.size(); ++i)
    if (owner_->components_[i].Component == this) return static_cast<int>(i);
  return -1;
}

TComponent* TComponent::FindComponent(std::string_view name) const {
  if (name.empty()) return nullptr;
  const auto it = byName_.find(Key(name));
  return it == byName_.end() ? nullptr : it->second;
}

void TComponent::ValidateName(const std::string& value) const {
  if (!value.empty() && !IsValidIdent(value))
    throw EComponentError("\"" + value + "\" is not a valid component name");
  if (owner_ && !value.empty()) {
    TComponent* other = owner_->FindComponent(value);
    if (other && other != this)
      throw EComponentError("A component named " + value + " already exists");
  }
}

void TComponent::SetName(const std::string& value) {
  if (value == name_) return;
  ValidateName(value);
  if (owner_ && !name_.empty()) owner_->byName_.erase(Key(name_));
  name_ = value;
  if (owner_ && !name_.empty()) owner_->byName_[Key(name_)] = this;
}

void TComponent::SetDesigning(bool value) {
  if (value)
    state_.Include(csDesigning);
  else
    state_.Exclude(csDesigning);
  for (Entry& e : components_)
    e.Component->SetDesigning(value);
}

void TComponent::BeginLoading() {
  state_.Include(csLoading).Include(csReading);
}

void TComponent::AbortLoading() {
  state_.Exclude(csLoading).Exclude(csReading);
}

void TComponent::Loaded() {
  state_.Exclude(csLoading).Exclude(csReading);
}

void TComponent::FreeNotification(TComponent* partner) {
  if (!partner || partner == this) return;
  if (std::find(freeNotifies_.begin(), freeNotifies_.end(), partner) == freeNotifies_.end())
    freeNotifies_.push_back(partner);
  if (std::find(partner->freeNotifies_.begin(), partner->freeNotifies_.end(), this) ==
      partner->freeNotifies_.end())
    partner->freeNotifies_.push_back(this);
}

void TComponent::RemoveFreeNotification(TComponent* partner) {
  if (!partner) return;
  std::erase(freeNotifies_, partner);
  std::erase(partner->freeNotifies_, this);
}

void TComponent::Notification(TComponent* AComponent, TOperation Operation) {
  if (Operation == opRemove && AComponent) RemoveFreeNotification(AComponent);
  // Telling each of thousands of components of every other is quadratic.
  if (Operation == opInsert && IsLoading()) return;
  // Copy: a handler may free components of its own.
  std::vector<TComponent*> owned;
  owned.reserve(components_.size());
  for (const Entry& e : components_)
    owned.push_back(e.Component);
  for (TComponent* c : owned)
    if (c != AComponent && !c->announced_) c->Notification(AComponent, Operation);
}

void TComponent::SendToOwnerAndSiblings(TOperation op) {
  if (owner_) owner_->Notification(this, op);
}

void TComponent::Announce() {
  if (announced_) return;
  announced_ = true;
  state_.Include(csDestroying);
  std::vector<TComponent*> partners;
  partners.swap(freeNotifies_);
  for (TComponent* p : partners) {
    std::erase(p->freeNotifies_, this);
    p->Notification(this, opRemove);
  }
  // An owner being freed takes all its components with it: telling each of
  // the others of every removal is quadratic, and whoever keeps a reference
  // across components asked FreeNotification and has heard above.
  if (!owner_ || !owner_->IsDestroying()) SendToOwnerAndSiblings(opRemove);
}

void TComponent::RemoveFromOwner() {
  if (!owner_) return;
  if (Entry* entry = owner_->EntryOf(*this))
    (void)entry->Owned.release();  // being destroyed already; never twice
  owner_->Unlist(*this);
}

const std::any* TComponent::FindHandler(std::string_view name) const {
  auto it = handlers_.find(name);
  return it == handlers_.end() ? nullptr : &it->second;
}

std::vector<std::string> TComponent::HandlerNames() const {
  std::vector<std::string> names;
  for (const auto& [name, handler] : handlers_)
    names.push_back(name);
  return names;
}

void TComponent::SetEventBinding(const std::string& eventPath, const std::string& handler) {
  if (handler.empty())
    eventBindings_.erase(eventPath);
  else
    eventBindings_[eventPath] = handler;
}

const std::string* TComponent::EventBinding(std::string_view eventPath) const {
  auto it = eventBindings_.find(eventPath);
  return it == eventBindings_.end() ? nullptr : &it->second;
}

}  // namespace zarn
