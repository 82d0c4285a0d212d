#include "platform/streaming/FormReader.h"

#include <algorithm>

#include "platform/classes/Collection.h"
#include "platform/classes/Strings.h"
#include "platform/classes/TypInfo.h"
#include "platform/streaming/FormDescriptions.h"

namespace {

// A component reference waiting for the whole description (ActiveControl = btnOk).
struct TFixup {
  TObject* Target;
  const TPropInfo* Prop;
  AnsiString Name;
  AnsiString Where;
};

class TFormReader {
public:
  explicit TFormReader(TComponent& root) : root_(root) {}

  void Read(const TFormObject& description) {
    root_.SetReading(true);
    if (!description.Name.empty() && description.Name != root_.Name()) root_.SetName(description.Name);
    AddLoaded(&root_);
    ApplyProperties(root_, description.Properties, root_.Name());
    root_.SetReading(false);
    for (const TFormObject& child : description.Children) ReadObject(child, &root_);
  }

  void Finish() {
    for (const TFixup& f : fixups_) {
      TComponent* c = SameText(f.Name, root_.Name()) ? &root_ : root_.FindComponent(f.Name);
      if (!c) throw EReadError("Error reading " + f.Where + ": component " + f.Name + " not found");
      SetObjectProp(*f.Target, *f.Prop, c);
    }
    for (TComponent* c : loaded_) c->Loaded();
  }

private:
  void AddLoaded(TComponent* c) {
    for (TComponent* known : loaded_)
      if (known == c) return;
    loaded_.push_back(c);
  }

  void ReadObject(const TFormObject& block, TComponent* parent) {
    TComponent* c = root_.FindComponent(block.Name);
    if (block.Inherited) {
      if (!c) throw EReadError("Line " + IntToStr(block.Line) + ": ancestor for '" + block.Name + "' not found");
    } else {
      if (c) throw EReadError("Line " + IntToStr(block.Line) + ": a component named " + block.Name + " already exists");
      const TClassInfo* cls = GetClass(block.ClassName);
      if (!cls) throw EReadError("Line " + IntToStr(block.Line) + ": class " + block.ClassName + " not found");
      c = cls->Create(&root_);
      c->SetName(block.Name);
    }
    c->SetReading(true);
    if (parent != &root_ || c->GetParentComponent() != parent) c->SetParentComponent(parent);
    AddLoaded(c);
    ApplyProperties(*c, block.Properties, block.Name);
    c->SetReading(false);
    for (const TFormObject& child : block.Children) ReadObject(child, c);
  }

  void ApplyProperties(TObject& target, const std::vector<TFormProperty>& properties, const AnsiString& where) {
    for (const TFormProperty& p : properties) {
      try {
        Assign(target, p.Path, p.Value, where + "." + p.Path);
      } catch (const EReadError&) {
        throw;
      } catch (const Exception& e) {
        throw EReadError("Line " + IntToStr(p.Line) + ": error reading " + where + "." + p.Path + ": " + e.Message);
      }
    }
  }

  void Assign(TObject& target, std::string_view path, const TFormValue& value, const AnsiString& where) {
    size_t dot = path.find('.');
    if (dot != std::string_view::npos) {
      std::string_view head = path.substr(0, dot);
      std::string_view rest = path.substr(dot + 1);
      const TPropInfo* prop = Property(target, head);
      TObject* inner = GetObjectProp(target, *prop);
      if (!inner) throw EPropertyError("property " + AnsiString(head) + " holds no object");
      return Assign(*inner, rest, value, where);
    }
    if (auto* strings = dynamic_cast<TStrings*>(&target); strings && SameText(path, "Strings"))
      return SetLines(*strings, value);
    const TPropInfo& prop = *Property(target, path);
    const TTypeInfo& type = *prop.PropType;
    switch (type.Kind) {
      case tkInteger: {
        int ident = 0;
        if (value.Kind == TFormValue::vaIdent) {
          if (!IdentToInt(type, value.Text, ident)) Invalid(value);
          return SetOrdProp(target, prop, ident);
        }
        return SetOrdProp(target, prop, Integer(value));
      }
      case tkChar:
        if (value.Kind == TFormValue::vaString && value.Text.size() == 1)
          return SetOrdProp(target, prop, static_cast<unsigned char>(value.Text[0]));
        return SetOrdProp(target, prop, Integer(value));
      case tkEnumeration: {
        if (value.Kind != TFormValue::vaIdent) Invalid(value);
        int ordinal = GetEnumValue(type, value.Text);
        if (ordinal < 0) throw EPropertyConvertError("invalid property element: " + value.Text);
        return SetOrdProp(target, prop, ordinal);
      }
      case tkSet: {
        if (value.Kind != TFormValue::vaSet) Invalid(value);
        std::int64_t bits = 0;
        for (const AnsiString& e : value.Elements) {
          int ordinal = GetEnumValue(*type.ElementType, e);
          if (ordinal < 0) throw EPropertyConvertError("invalid property element: " + e);
          bits |= std::int64_t{1} << ordinal;
        }
        return SetOrdProp(target, prop, bits);
      }
      case tkFloat:
        if (value.Kind == TFormValue::vaFloat) return SetFloatProp(target, prop, value.Float);
        return SetFloatProp(target, prop, static_cast<double>(Integer(value)));
      case tkString:
        if (value.Kind != TFormValue::vaString) Invalid(value);
        return SetStrProp(target, prop, value.Text);
      case tkVariant:
        return prop.Set(target, ToVariant(value));
      case tkClass:
        return AssignObject(target, prop, value, where);
      case tkMethod: {
        if (value.Kind != TFormValue::vaIdent) Invalid(value);
        const TMethodCode* code = root_.MethodAddress(value.Text);
        if (!code) throw EPropertyError("method " + value.Text + " not found in " + root_.ClassName());
        return SetMethodProp(target, prop, TMethod{code, &root_});
      }
      default:
        Invalid(value);
    }
  }

  void AssignObject(TObject& target, const TPropInfo& prop, const TFormValue& value, const AnsiString& where) {
    if (value.Kind == TFormValue::vaIdent) {
      fixups_.push_back({&target, &prop, value.Text, where});
      return;
    }
    TObject* inner = GetObjectProp(target, prop);
    if (value.Kind == TFormValue::vaList) {
      if (auto* strings = dynamic_cast<TStrings*>(inner)) return SetLines(*strings, value);
    } else if (value.Kind == TFormValue::vaCollection) {
      if (auto* collection = dynamic_cast<TCollection*>(inner)) {
        collection->Clear();
        for (const auto& itemProperties : value.CollectionItems) {
          TCollectionItem* item = collection->Add();
          ApplyProperties(*item, itemProperties, where + "[" + IntToStr(item->Index()) + "]");
        }
        return;
      }
    }
    Invalid(value);
  }

  static void SetLines(TStrings& strings, const TFormValue& value) {
    if (value.Kind != TFormValue::vaList) Invalid(value);
    strings.Clear();
    for (const TFormValue& item : value.Items) {
      if (item.Kind != TFormValue::vaString) Invalid(item);
      strings.Add(item.Text);
    }
  }

  static const TPropInfo* Property(const TObject& target, std::string_view name) {
    const TPropInfo* prop = GetPropInfo(target, name);
    if (!prop) throw EPropertyError("property " + AnsiString(name) + " does not exist");
    return prop;
  }

  static std::int64_t Integer(const TFormValue& value) {
    if (value.Kind != TFormValue::vaInteger) Invalid(value);
    return value.Int;
  }

  static Variant ToVariant(const TFormValue& value) {
    switch (value.Kind) {
      case TFormValue::vaInteger:
        return static_cast<long long>(value.Int);
      case TFormValue::vaFloat:
        return value.Float;
      case TFormValue::vaString:
        return value.Text;
      default:
        Invalid(value);
    }
  }

  [[noreturn]] static void Invalid(const TFormValue&) { throw EPropertyConvertError("invalid property value"); }

  TComponent& root_;
  std::vector<TComponent*> loaded_;
  std::vector<TFixup> fixups_;
};

}  // namespace

void ReadDescriptions(TComponent& root, const std::vector<const TFormObject*>& descriptions) {
  root.BeginLoading();
  TFormReader reader(root);
  try {
    for (const TFormObject* d : descriptions) reader.Read(*d);
    reader.Finish();
  } catch (...) {
    root.Loaded();
    throw;
  }
}

bool ReadInheritedDescriptions(TComponent& root, const TClassInfo& stopClass) {
  std::vector<const TFormObject*> chain;
  for (const TClassInfo* c = &root.ClassType(); c && c != &stopClass; c = c->Parent())
    if (const TFormObject* d = FindFormDescription(c->Name())) chain.push_back(d);
  if (chain.empty()) return false;
  std::reverse(chain.begin(), chain.end());
  ReadDescriptions(root, chain);
  return true;
}
