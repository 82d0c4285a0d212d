#include "platform/classes/Object.h"

#include <map>

#include "platform/classes/Persistent.h"

TClassInfo::TClassInfo(const char* name, const TClassInfo* parent, TFactory factory, std::vector<TPropInfo> properties,
                       std::vector<TPublishedMethod> methods, std::vector<TPublishedField> fields)
    : name_(name),
      parent_(parent),
      factory_(factory),
      properties_(std::move(properties)),
      methods_(std::move(methods)),
      fields_(std::move(fields)) {
  typeInfo_.Kind = tkClass;
  typeInfo_.Name = name_;
  typeInfo_.ClassType = this;
  if (parent_) {
    allProperties_ = parent_->allProperties_;
    byName_ = parent_->byName_;
  }
  for (const TPropInfo& p : properties_) {
    AnsiString key = UpperCase(p.Name);
    auto it = byName_.find(key);
    if (it != byName_.end()) std::erase(allProperties_, it->second);
    allProperties_.push_back(&p);
    byName_[key] = &p;
  }
}

bool TClassInfo::InheritsFrom(const TClassInfo& other) const {
  for (const TClassInfo* c = this; c; c = c->parent_)
    if (c == &other) return true;
  return false;
}

bool TClassInfo::InheritsFrom(std::string_view className) const {
  for (const TClassInfo* c = this; c; c = c->parent_)
    if (SameText(c->name_, className)) return true;
  return false;
}

TComponent* TClassInfo::Create(TComponent* owner) const {
  if (!factory_) throw EClassNotFound("Class " + name_ + " cannot be created");
  return factory_(owner);
}

const TPropInfo* TClassInfo::FindProperty(std::string_view name) const {
  if (name.empty()) return nullptr;
  auto it = byName_.find(UpperCase(name));
  return it == byName_.end() ? nullptr : it->second;
}

const TMethodCode* TClassInfo::FindMethod(std::string_view name) const {
  for (const TClassInfo* c = this; c; c = c->parent_)
    for (const TPublishedMethod& m : c->methods_)
      if (SameText(m.Name, name)) return m.Code;
  return nullptr;
}

AnsiString TClassInfo::MethodName(const TMethodCode* code) const {
  for (const TClassInfo* c = this; c; c = c->parent_)
    for (const TPublishedMethod& m : c->methods_)
      if (m.Code == code) return m.Name;
  return {};
}

const TPublishedField* TClassInfo::FindField(std::string_view name) const {
  for (const TClassInfo* c = this; c; c = c->parent_)
    for (const TPublishedField& f : c->fields_)
      if (SameText(f.Name, name)) return &f;
  return nullptr;
}

const TClassInfo& TObject::StaticClass() {
  static const TClassInfo info("TObject", nullptr, nullptr, {}, {}, {});
  return info;
}

namespace {

// Never destroyed: libraries unregister their classes while the process ends.
std::map<AnsiString, const TClassInfo*>& Registry() {
  static auto& registry = *new std::map<AnsiString, const TClassInfo*>();
  return registry;
}

}  // namespace

void RegisterClass(const TClassInfo& c) { Registry()[UpperCase(c.Name())] = &c; }

void UnRegisterClass(const TClassInfo& c) {
  auto it = Registry().find(UpperCase(c.Name()));
  if (it != Registry().end() && it->second == &c) Registry().erase(it);
}

const TClassInfo* GetClass(std::string_view name) {
  auto it = Registry().find(UpperCase(name));
  return it == Registry().end() ? nullptr : it->second;
}

const TClassInfo& FindClass(std::string_view name) {
  const TClassInfo* c = GetClass(name);
  if (!c) throw EClassNotFound("Class " + AnsiString(name) + " not found");
  return *c;
}

const TClassInfo& TPersistent::StaticClass() {
  static const TClassInfo info("TPersistent", &TObject::StaticClass(), nullptr, {}, {}, {});
  return info;
}

void TPersistent::Assign(const TPersistent& source) { source.AssignTo(*this); }

void TPersistent::AssignTo(TPersistent& dest) const {
  throw EConvertError("Cannot assign a " + ClassName() + " to a " + dest.ClassName());
}
