#pragma once
// Components: named, owned objects. An owner owns its components in order and frees them
// with itself; names are unique within an owner; a component tells the components that asked
// for it (FreeNotification) when it goes.

#include <memory>
#include <vector>

#include "platform/classes/Persistent.h"

enum TComponentStateItem { csLoading, csReading, csWriting, csDestroying, csDesigning, csAncestor, csUpdating, csFixups };
using TComponentState = TSet<TComponentStateItem>;
enum TOperation { opInsert, opRemove };

class EComponentError : public Exception {
public:
  using Exception::Exception;
  AnsiString ClassName() const override { return "EComponentError"; }
};

class TComponent : public TPersistent {
  PAVANE_CLASS(TComponent, TPersistent)
public:
  // Components are created with New<T>(Owner), which hands the new component to its owner.
  explicit TComponent(TComponent* owner);
  ~TComponent() override;

  TComponent* Owner() const { return owner_; }
  int ComponentCount() const { return static_cast<int>(components_.size()); }
  TComponent* Components(int index) const { return components_.at(static_cast<size_t>(index)).get(); }
  int ComponentIndex() const;
  // The owned component of that name (case ignored), nullptr when none.
  TComponent* FindComponent(std::string_view name) const;

  const AnsiString& Name() const { return name_; }
  // Raises EComponentError for a name that is no identifier or is taken in the owner.
  virtual void SetName(const AnsiString& name);
  int Tag() const { return tag_; }
  void SetTag(int tag) { tag_ = tag; }

  const TComponentState& ComponentState() const { return state_; }
  bool IsLoading() const { return state_.Contains(csLoading); }
  bool IsDestroying() const { return state_.Contains(csDestroying); }
  void SetDesigning(bool designing);

  // Destroys the component (and its components): the one way to end a component.
  void Free();
  // Component will be told (Notification opRemove) when this component goes.
  void FreeNotification(TComponent* component);
  void RemoveFreeNotification(TComponent* component);

  // The component that arranges this one (a control's parent); the reader sets it.
  virtual TComponent* GetParentComponent() const { return nullptr; }
  virtual void SetParentComponent(TComponent*) {}

  // Form-description reading: the reader marks the state and calls Loaded when all is read.
  void BeginLoading();
  void SetReading(bool reading);
  virtual void Loaded();

  // Hands a new component to its owner (or, without owner, to the free-standing list) and
  // runs AfterConstruction.
  static TComponent* Adopt(std::unique_ptr<TComponent> component);

protected:
  // Runs once the object is whole, so virtual calls reach the most derived class.
  virtual void AfterConstruction() {}
  virtual void Notification(TComponent* component, TOperation operation);
  // Runs before the destructors: descendants' destroy events see a whole object.
  virtual void BeforeDestruction();
  // Marks this component and its components as being destroyed.
  void Destroying();

private:
  // Owned components go before the owner's own parts are torn down, last first.
  void DestroyComponents();
  void InsertComponent(std::unique_ptr<TComponent> component);
  std::unique_ptr<TComponent> RemoveComponent(TComponent* component);
  void SetOwnerField(TComponent* component, bool set);

  TComponent* owner_;
  std::vector<std::unique_ptr<TComponent>> components_;
  std::vector<TComponent*> freeNotifies_;
  AnsiString name_;
  int tag_ = 0;
  TComponentState state_;
};

// Creates a component: hands it to its owner, then runs AfterConstruction (where a form reads
// its description); a failure there frees the component and propagates.
template <class T, class... A>
T* New(TComponent* owner, A&&... args) {
  return static_cast<T*>(TComponent::Adopt(std::make_unique<T>(owner, std::forward<A>(args)...)));
}

// A valid Pascal identifier: a letter or "_", then letters, digits and "_".
bool IsValidIdent(std::string_view name);
