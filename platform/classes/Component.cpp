#include "platform/classes/Component.h"

#include <algorithm>

#include "platform/classes/ClassDecl.h"

namespace {

// Components created without an owner live here until they are freed. Never destroyed:
// a free-standing form may still be alive when the process ends.
std::vector<std::unique_ptr<TComponent>>& FreeStanding() {
  static auto& list = *new std::vector<std::unique_ptr<TComponent>>();
  return list;
}

std::unique_ptr<TComponent> Extract(std::vector<std::unique_ptr<TComponent>>& list, TComponent* c) {
  auto it = std::find_if(list.begin(), list.end(), [c](const auto& p) { return p.get() == c; });
  if (it == list.end()) return nullptr;
  std::unique_ptr<TComponent> found = std::move(*it);
  list.erase(it);
  return found;
}

}  // namespace

const TClassInfo& TComponent::StaticClass() {
  static const TClassInfo info = DescribeClass<TComponent>(
      "TComponent", {Prop("Name", &TComponent::Name, &TComponent::SetName), Prop("Tag", &TComponent::Tag, &TComponent::SetTag)});
  return info;
}

bool IsValidIdent(std::string_view name) {
  auto alpha = [](char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || c == '_'; };
  if (name.empty() || !alpha(name[0])) return false;
  return std::all_of(name.begin() + 1, name.end(), [&](char c) { return alpha(c) || (c >= '0' && c <= '9'); });
}

TComponent::TComponent(TComponent* owner) : owner_(owner) {
  if (owner && owner->IsLoading()) state_.Include(csLoading);
}

TComponent::~TComponent() {
  if (!IsDestroying()) Destroying();
  while (!freeNotifies_.empty()) {
    TComponent* other = freeNotifies_.back();
    freeNotifies_.pop_back();
    other->Notification(this, opRemove);
    other->RemoveFreeNotification(this);
  }
  DestroyComponents();
  // Destroyed by someone other than its holder: let the holder forget it without deleting.
  std::unique_ptr<TComponent> self = owner_ ? owner_->RemoveComponent(this) : Extract(FreeStanding(), this);
  (void)self.release();
}

TComponent* TComponent::Adopt(std::unique_ptr<TComponent> component) {
  TComponent* raw = component.get();
  if (raw->owner_)
    raw->owner_->InsertComponent(std::move(component));
  else
    FreeStanding().push_back(std::move(component));
  try {
    raw->AfterConstruction();
  } catch (...) {
    raw->Free();
    throw;
  }
  return raw;
}

void TComponent::InsertComponent(std::unique_ptr<TComponent> component) {
  TComponent* raw = component.get();
  components_.push_back(std::move(component));
  raw->owner_ = this;
  Notification(raw, opInsert);
}

std::unique_ptr<TComponent> TComponent::RemoveComponent(TComponent* component) {
  std::unique_ptr<TComponent> found = Extract(components_, component);
  if (!found) return nullptr;
  if (!IsDestroying()) {
    Notification(component, opRemove);
    SetOwnerField(component, false);
  }
  component->owner_ = nullptr;
  return found;
}

int TComponent::ComponentIndex() const {
  if (!owner_) return -1;
  const auto& list = owner_->components_;
  for (size_t i = 0; i < list.size(); ++i)
    if (list[i].get() == this) return static_cast<int>(i);
  return -1;
}

TComponent* TComponent::FindComponent(std::string_view name) const {
  if (name.empty()) return nullptr;
  for (const auto& c : components_)
    if (SameText(c->name_, name)) return c.get();
  return nullptr;
}

void TComponent::SetName(const AnsiString& name) {
  if (name == name_) return;
  if (!name.empty() && !IsValidIdent(name)) throw EComponentError("\"" + name + "\" is not a valid component name");
  if (owner_) {
    TComponent* other = owner_->FindComponent(name);
    if (other && other != this) throw EComponentError("A component named " + name + " already exists");
    owner_->SetOwnerField(this, false);
  }
  name_ = name;
  if (owner_) owner_->SetOwnerField(this, true);
}

void TComponent::SetOwnerField(TComponent* component, bool set) {
  if (component->name_.empty()) return;
  const TPublishedField* field = ClassType().FindField(component->name_);
  if (!field) return;
  if (!field->Assign(*this, set ? component : nullptr))
    throw EComponentError("Field " + ClassName() + "." + component->name_ + " does not fit a " +
                          component->ClassName());
}

void TComponent::SetDesigning(bool designing) {
  if (designing)
    state_.Include(csDesigning);
  else
    state_.Exclude(csDesigning);
  for (const auto& c : components_) c->SetDesigning(designing);
}

void TComponent::Free() {
  if (IsDestroying()) return;
  BeforeDestruction();
  DestroyComponents();
  std::unique_ptr<TComponent> self = owner_ ? owner_->RemoveComponent(this) : Extract(FreeStanding(), this);
}

void TComponent::DestroyComponents() {
  while (!components_.empty()) {
    std::unique_ptr<TComponent> last = std::move(components_.back());
    components_.pop_back();
    last->owner_ = nullptr;
    last->BeforeDestruction();
    last->DestroyComponents();
  }
}

void TComponent::BeforeDestruction() {
  if (!IsDestroying()) Destroying();
}

void TComponent::Destroying() {
  if (IsDestroying()) return;
  state_.Include(csDestroying);
  for (const auto& c : components_) c->Destroying();
}

void TComponent::FreeNotification(TComponent* component) {
  if (!component || component == this) return;
  if (std::find(freeNotifies_.begin(), freeNotifies_.end(), component) == freeNotifies_.end())
    freeNotifies_.push_back(component);
  if (std::find(component->freeNotifies_.begin(), component->freeNotifies_.end(), this) ==
      component->freeNotifies_.end())
    component->freeNotifies_.push_back(this);
}

void TComponent::RemoveFreeNotification(TComponent* component) {
  std::erase(freeNotifies_, component);
  std::erase(component->freeNotifies_, this);
}

void TComponent::Notification(TComponent* component, TOperation operation) {
  if (operation == opRemove && component) {
    std::erase(freeNotifies_, component);
    std::erase(component->freeNotifies_, this);
  }
  for (size_t i = components_.size(); i-- > 0;) components_[i]->Notification(component, operation);
}

void TComponent::BeginLoading() {
  state_.Include(csLoading);
  for (const auto& c : components_) c->BeginLoading();
}

void TComponent::SetReading(bool reading) {
  if (reading)
    state_.Include(csReading);
  else
    state_.Exclude(csReading);
}

void TComponent::Loaded() { state_.Exclude(csLoading); }
