// Builds components from a parsed form: creates them, applies the stored
// values in file order, places controls on their parents, resolves
// references and calls Loaded. Any failure destroys what this read created.
#include <algorithm>
#include <exception>
#include <memory>

#include "platform/streaming/FormLexer.h"
#include "platform/streaming/FormParser.h"
#include "platform/streaming/Hierarchy.h"
#include "platform/streaming/Registry.h"

namespace vcl {

namespace streaming {

namespace {

[[noreturn]] void Fail(int Line, const String& What) { throw EReadError(LinePrefix(Line) + What); }

std::vector<String> SplitPath(const String& Path) {
  std::vector<String> parts;
  std::size_t start = 0;
  for (std::size_t dot; (dot = Path.find(u'.', start)) != String::npos; start = dot + 1) {
    parts.push_back(Path.substr(start, dot - start));
  }
  parts.push_back(Path.substr(start));
  return parts;
}

// Runs Action; an error it raises becomes an EReadError naming the line and
// what was being done (errors of the form text itself pass unchanged).
template <class F>
void WithContext(int Line, const String& Context, F&& Action) {
  try {
    Action();
  } catch (const EParserError&) {
    throw;
  } catch (const EClassNotFound&) {
    throw;
  } catch (const Exception& e) {
    Fail(Line, Context + u": " + e.Message());
  } catch (const std::exception& e) {
    Fail(Line, Context + u": " + FromUTF8(e.what()));
  }
}

}  // namespace

TPropertyTarget ResolvePropertyPath(TPersistent& Object, const TClassInfo& Class,
                                    const String& Path, int Line) {
  std::vector<String> parts = SplitPath(Path);
  TPersistent* target = &Object;
  const TClassInfo* info = &Class;
  for (std::size_t i = 0;; ++i) {
    const TPropInfo* p = FindPropInfo(*info, parts[i]);
    if (p == nullptr) {
      Fail(Line, u"property " + parts[i] + u" does not exist in class " + info->Name);
    }
    bool last = i + 1 == parts.size();
    bool listItems = p->Kind == pkStrings && i + 2 == parts.size() &&
                     SameIdent(parts[i + 1], u"Strings");
    if (last || listItems) return {target, p};
    if (p->Kind != pkObject) Fail(Line, u"property " + parts[i] + u" has no sub-properties");
    TPersistent* next = p->Object(*target);
    if (next == nullptr) Fail(Line, u"property " + parts[i] + u" holds no object");
    info = ClassInfoOf(*next);
    if (info == nullptr && p->ObjectType) info = FindClassInfo(*p->ObjectType);
    if (info == nullptr) Fail(Line, u"the class of property " + parts[i] + u" is not registered");
    target = next;
  }
}

namespace {

struct TFixup {
  TPersistent* Object;
  const TPropInfo* Prop;
  String Name;
  int Line;
};

struct TOrderValue {
  TPersistent* Object;
  const TPropInfo* Prop;
  const TFormProperty* Source;
};

class TFormBuilder {
 public:
  TComponent* ReadNew(const TFormObject& Form, TComponent* Owner);
  TComponent* ReadInto(const TFormObject& Form, TComponent& Root);

 private:
  void Build(TComponent& Root, const TClassInfo& Class, const TFormObject& Form);
  void Begin(TComponent& C, const TFormObject& Object);
  void ApplyProperties(TComponent& C, const TClassInfo& Class, const TFormObject& Object);
  void Apply(TPersistent& Object, const TClassInfo& Class, const TFormProperty& P);
  void ReadChild(const TFormObject& Object, TComponent& Parent);
  void ApplyOrderIndexes();
  void ResolveFixups();
  void CallLoaded();
  const TClassInfo& CreatableClass(const TFormObject& Object) const;

  TComponent* FRoot = nullptr;
  std::vector<std::pair<TComponent*, int>> FLoaded;  // component, line of its object
  std::vector<TFixup> FFixups;
  std::vector<TOrderValue> FOrders;
};

const TClassInfo& TFormBuilder::CreatableClass(const TFormObject& Object) const {
  const TClassInfo* c = vcl::FindClassInfo(Object.ClassName);
  if (c == nullptr) {
    throw EClassNotFound(LinePrefix(Object.Line) + u"class " + Object.ClassName +
                         u" not found (a registered component class expected)");
  }
  if (!c->Create) {
    throw EClassNotFound(LinePrefix(Object.Line) + u"class " + Object.ClassName +
                         u" cannot be created from a form file");
  }
  return *c;
}

TComponent* TFormBuilder::ReadNew(const TFormObject& Form, TComponent* Owner) {
  const TClassInfo& c = CreatableClass(Form);
  std::unique_ptr<TComponent> root;
  WithContext(Form.Line, u"creating " + Form.ClassName, [&] { root.reset(c.Create(Owner)); });
  // Everything else this read creates is owned by the root, so freeing the
  // root on failure frees it all.
  Build(*root, c, Form);
  return root.release();
}

TComponent* TFormBuilder::ReadInto(const TFormObject& Form, TComponent& Root) {
  const TClassInfo* c = vcl::FindClassInfo(Form.ClassName);
  if (c == nullptr || !c->IsInstance || !c->IsInstance(Root)) {
    const TClassInfo* own = ClassInfoOf(Root);
    bool sameName = SameIdent(Root.ClassName(), Form.ClassName) ||
                    (own != nullptr && SameIdent(own->Name, Form.ClassName));
    if (own == nullptr || !sameName) {
      Fail(Form.Line, u"a form of class " + Form.ClassName + u" cannot be loaded into a " +
                          Root.ClassName());
    }
    c = own;
  }
  int before = Root.ComponentCount();
  try {
    Build(Root, *c, Form);
  } catch (...) {
    // Free what this read created (the last first: children before parents).
    while (Root.ComponentCount() > before) delete Root.Components(Root.ComponentCount() - 1);
    Root.SetLoading(false);
    throw;
  }
  return &Root;
}

void TFormBuilder::Build(TComponent& Root, const TClassInfo& Class, const TFormObject& Form) {
  FRoot = &Root;
  Begin(Root, Form);
  ApplyProperties(Root, Class, Form);
  for (const TFormObject& child : Form.Children) ReadChild(child, Root);
  ApplyOrderIndexes();
  ResolveFixups();
  CallLoaded();
}

void TFormBuilder::Begin(TComponent& C, const TFormObject& Object) {
  C.SetLoading(true);
  FLoaded.emplace_back(&C, Object.Line);
  if (!Object.Name.empty()) {
    WithContext(Object.Line, u"component name " + Object.Name, [&] { C.SetName(Object.Name); });
  }
}

void TFormBuilder::ApplyProperties(TComponent& C, const TClassInfo& Class,
                                   const TFormObject& Object) {
  for (const TFormProperty& p : Object.Properties) Apply(C, Class, p);
}

void TFormBuilder::Apply(TPersistent& Object, const TClassInfo& Class, const TFormProperty& P) {
  TPropertyTarget t = ResolvePropertyPath(Object, Class, P.Name, P.Line);
  const TPropInfo& prop = *t.Prop;
  switch (prop.Kind) {
    case pkObject:
      Fail(P.Line, u"property " + P.Name + u" is an object: set its properties (" + P.Name +
                       u".Name = value)");
    case pkEvent:
      if (P.Value.Kind != fvIdent) Fail(P.Line, u"event handler name expected for " + P.Name);
      return;  // handlers are not stored in form files
    case pkReference:
      if (P.Value.Kind != fvIdent) {
        Fail(P.Line, u"component name expected for " + P.Name + u" but " + P.Value.Describe() +
                         u" found");
      }
      FFixups.push_back({t.Object, &prop, P.Value.Text, P.Line});
      return;
    default:
      if (prop.OrderIndex) {
        FOrders.push_back({t.Object, &prop, &P});
        return;
      }
      WithContext(P.Line, u"property " + P.Name, [&] { prop.Load(*t.Object, P.Value); });
  }
}

// Positions are applied smallest first: each lands where it was written
// because those before it are already in place.
void TFormBuilder::ApplyOrderIndexes() {
  auto key = [](const TOrderValue& o) {
    return o.Source->Value.Kind == fvInteger ? o.Source->Value.Integer : INT64_MIN;
  };
  std::stable_sort(FOrders.begin(), FOrders.end(),
                   [&](const TOrderValue& a, const TOrderValue& b) { return key(a) < key(b); });
  for (const TOrderValue& o : FOrders) {
    WithContext(o.Source->Line, u"property " + o.Source->Name,
                [&] { o.Prop->Load(*o.Object, o.Source->Value); });
  }
}

void TFormBuilder::ReadChild(const TFormObject& Object, TComponent& Parent) {
  const TClassInfo& c = CreatableClass(Object);
  TComponent* child = nullptr;
  WithContext(Object.Line, u"creating " + Object.ClassName, [&] { child = c.Create(FRoot); });
  if (!Object.Name.empty() && SameIdent(Object.Name, FRoot->Name())) {
    // References could not tell the two apart.
    Fail(Object.Line, u"component name " + Object.Name + u" is the name of the form itself");
  }
  Begin(*child, Object);
  WithContext(Object.Line, u"placing " + Object.Name + u" on " + Parent.Name(),
              [&] { SetParentOf(*child, Parent); });
  ApplyProperties(*child, c, Object);
  for (const TFormObject& grandchild : Object.Children) ReadChild(grandchild, *child);
}

void TFormBuilder::ResolveFixups() {
  for (const TFixup& f : FFixups) {
    TComponent* target = nullptr;
    if (SameIdent(f.Name, FRoot->Name())) {
      target = FRoot;
    } else if (!SameIdent(f.Name, u"nil")) {
      target = FRoot->FindComponent(f.Name);
      if (target == nullptr) {
        Fail(f.Line, u"component " + f.Name + u" not found for property " + f.Prop->Name);
      }
    }
    WithContext(f.Line, u"property " + f.Prop->Name, [&] { f.Prop->SetReference(*f.Object, target); });
  }
}

void TFormBuilder::CallLoaded() {
  for (const auto& loaded : FLoaded) {
    TComponent* component = loaded.first;
    WithContext(loaded.second, u"finishing " + component->Name(), [&] { component->Loaded(); });
  }
}

}  // namespace

}  // namespace streaming

// ---------------------------------------------------------------- public API

TComponent* ReadComponentFromText(const String& Text, TComponent* Root, TComponent* Owner) {
  streaming::TFormObject form = streaming::ParseForm(Text);
  streaming::TFormBuilder builder;
  return Root ? builder.ReadInto(form, *Root) : builder.ReadNew(form, Owner);
}

TComponent* ReadComponentFromStream(TStream& Stream, TComponent* Root, TComponent* Owner) {
  std::int64_t size = Stream.Size() - Stream.Position();
  std::string bytes(static_cast<std::size_t>(size > 0 ? size : 0), '\0');
  Stream.ReadBuffer(bytes.data(), static_cast<std::int64_t>(bytes.size()));
  String text = FromUTF8(bytes);
  if (ToUTF8(text) != bytes) {
    // Name the line of the first byte that is not valid UTF-8.
    std::string good = ToUTF8(text);
    std::size_t at = 0;
    while (at < good.size() && at < bytes.size() && good[at] == bytes[at]) ++at;
    auto end = bytes.begin() + static_cast<std::ptrdiff_t>(at);
    int line = 1 + static_cast<int>(std::count(bytes.begin(), end, '\n'));
    throw EParserError(streaming::LinePrefix(line) + u"invalid UTF-8 text");
  }
  return ReadComponentFromText(text, Root, Owner);
}

TComponent* ReadComponentResFile(const String& FileName, TComponent* Root) {
  TFileStream file(FileName, fmOpenRead | fmShareDenyWrite);
  return ReadComponentFromStream(file, Root, nullptr);
}

std::unique_ptr<TComponent> LoadFormFile(const String& FileName) {
  return std::unique_ptr<TComponent>(ReadComponentResFile(FileName, nullptr));
}

String GetPropText(TPersistent& Object, const String& Path) {
  const TClassInfo* c = ClassInfoOf(Object);
  if (c == nullptr) throw EReadError(u"class " + Object.ClassName() + u" is not registered");
  streaming::TPropertyTarget t = streaming::ResolvePropertyPath(Object, *c, Path, 1);
  const TPropInfo& p = *t.Prop;
  switch (p.Kind) {
    case pkObject: throw EReadError(u"property " + Path + u" is an object");
    case pkEvent: return String();
    case pkReference: {
      TComponent* r = p.GetReference(*t.Object);
      return r ? r->Name() : u"nil";
    }
    case pkStrings: {
      String s = u"(";
      for (const String& item : p.Items(*t.Object)) {
        s += (s.size() > 1 ? u" " : u"") + formvalue::QuoteString(item);
      }
      return s + u")";
    }
    default: return p.Text(*t.Object);
  }
}

void SetPropText(TPersistent& Object, const String& Path, const String& ValueText) {
  const TClassInfo* c = ClassInfoOf(Object);
  if (c == nullptr) throw EReadError(u"class " + Object.ClassName() + u" is not registered");
  streaming::TPropertyTarget t = streaming::ResolvePropertyPath(Object, *c, Path, 1);
  const TPropInfo& p = *t.Prop;
  if (p.Kind == pkObject || p.Kind == pkReference || p.Kind == pkEvent) {
    throw EReadError(u"property " + Path + u" cannot be set from text");
  }
  TFormValue v = streaming::ParseFormValue(ValueText);
  streaming::WithContext(1, u"property " + Path, [&] { p.Load(*t.Object, v); });
}

bool SetSampleValue(TPersistent& Object, const String& Path) {
  constexpr int attempts = 4;
  const TClassInfo* c = ClassInfoOf(Object);
  if (c == nullptr) throw EReadError(u"class " + Object.ClassName() + u" is not registered");
  streaming::TPropertyTarget t = streaming::ResolvePropertyPath(Object, *c, Path, 1);
  if (!t.Prop->Sample) return false;
  for (int attempt = 0; attempt < attempts; ++attempt) {
    try {
      if (t.Prop->Sample(*t.Object, attempt)) return true;
    } catch (const Exception&) {
      // A setter refusing this candidate; the next one may do.
    }
  }
  return false;
}

}  // namespace vcl
