#pragma once
// Collections: owned, ordered items of one class (columns, status panels), read from form
// descriptions as "< item ... end >".

#include <functional>
#include <memory>
#include <vector>

#include "platform/classes/Persistent.h"

class TCollection;

class TCollectionItem : public TPersistent {
  PAVANE_CLASS(TCollectionItem, TPersistent)
public:
  explicit TCollectionItem(TCollection* collection) : collection_(collection) {}
  TCollection* Collection() const { return collection_; }
  int Index() const;

protected:
  void Changed();

private:
  TCollection* collection_;
};

class TCollection : public TPersistent {
  PAVANE_CLASS(TCollection, TPersistent)
public:
  using TItemFactory = std::function<std::unique_ptr<TCollectionItem>(TCollection&)>;
  explicit TCollection(TItemFactory factory) : factory_(std::move(factory)) {}

  TCollectionItem* Add();
  void Delete(int index);
  void Clear();
  int Count() const { return static_cast<int>(items_.size()); }
  TCollectionItem* Items(int index) const { return items_.at(static_cast<size_t>(index)).get(); }
  int IndexOf(const TCollectionItem* item) const;
  // Copies the items' published properties.
  void Assign(const TPersistent& source) override;

  // Called after every change of the items.
  std::function<void()> OnChange;

private:
  friend class TCollectionItem;
  void Changed();

  TItemFactory factory_;
  std::vector<std::unique_ptr<TCollectionItem>> items_;
};

// The factory of a collection of T items.
template <class T>
TCollection::TItemFactory ItemsOf() {
  return [](TCollection& c) { return std::make_unique<T>(&c); };
}
