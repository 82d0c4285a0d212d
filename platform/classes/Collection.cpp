#include "platform/classes/Collection.h"

#include "platform/classes/ClassDecl.h"
#include "platform/classes/TypInfo.h"

const TClassInfo& TCollectionItem::StaticClass() {
  static const TClassInfo info = DescribeClass<TCollectionItem>("TCollectionItem");
  return info;
}

const TClassInfo& TCollection::StaticClass() {
  static const TClassInfo info = DescribeClass<TCollection>("TCollection");
  return info;
}

int TCollectionItem::Index() const { return collection_ ? collection_->IndexOf(this) : -1; }

void TCollectionItem::Changed() {
  if (collection_) collection_->Changed();
}

TCollectionItem* TCollection::Add() {
  items_.push_back(factory_(*this));
  Changed();
  return items_.back().get();
}

void TCollection::Delete(int index) {
  if (index < 0 || index >= Count()) throw EPropertyError("List index out of bounds (" + IntToStr(index) + ")");
  items_.erase(items_.begin() + index);
  Changed();
}

void TCollection::Clear() {
  if (items_.empty()) return;
  items_.clear();
  Changed();
}

int TCollection::IndexOf(const TCollectionItem* item) const {
  for (size_t i = 0; i < items_.size(); ++i)
    if (items_[i].get() == item) return static_cast<int>(i);
  return -1;
}

void TCollection::Assign(const TPersistent& source) {
  auto* other = dynamic_cast<const TCollection*>(&source);
  if (!other) return TPersistent::Assign(source);
  items_.clear();
  for (const auto& item : other->items_) {
    items_.push_back(factory_(*this));
    TCollectionItem& copy = *items_.back();
    for (const TPropInfo* p : item->ClassType().Properties())
      if (p->Set && copy.ClassType().FindProperty(p->Name) == p) p->Set(copy, p->Get(*item));
  }
  Changed();
}

void TCollection::Changed() {
  if (OnChange) OnChange();
}
