// Builds components from a parsed form: creates them, applies the stored
// values in file order, places controls on their parents, resolves
// references and calls Loaded. Any failure destroys what this read created
// and, when reading into an existing component, puts back every value the
// read changed on it.
#include <algorithm>
#include <deque>
#include <exception>
#include <functional>
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

TPropertyTarget FindPropertyPath(TPersistent& Object, const TClassInfo& Class, const String& Path,
                                 int Line, String& Error) {
  std::vector<String> parts = SplitPath(Path);
  TPersistent* target = &Object;
  const TClassInfo* info = &Class;
  for (std::size_t i = 0;; ++i) {
    const TPropInfo* p = FindPropInfo(*info, parts[i]);
    if (p == nullptr) {
      Error = u"property " + parts[i] + u" does not exist in class " + info->Name;
      return {target, nullptr};
    }
    bool last = i + 1 == parts.size();
    bool listItems = p->Kind == pkStrings && i + 2 == parts.size() &&
                     SameIdent(parts[i + 1], u"Strings");
    if (last || listItems) return {target, p};
    if (p->Kind != pkObject) {
      Error = u"property " + parts[i] + u" has no sub-properties";
      return {target, nullptr};
    }
    TPersistent* next = p->Object(*target);
    if (next == nullptr) Fail(Line, u"property " + parts[i] + u" holds no object");
    info = ClassInfoOf(*next);
    if (info == nullptr && p->ObjectType) info = FindClassInfo(*p->ObjectType);
    if (info == nullptr) Fail(Line, u"the class of property " + parts[i] + u" is not registered");
    target = next;
  }
}

TPropertyTarget ResolvePropertyPath(TPersistent& Object, const TClassInfo& Class,
                                    const String& Path, int Line) {
  String error;
  TPropertyTarget t = FindPropertyPath(Object, Class, Path, Line, error);
  if (t.Prop == nullptr) Fail(Line, error);
  return t;
}

namespace {

struct TFixup {
  TPersistent* Object;
  const TPropInfo* Prop;
  String Name;
  int Line;
  bool Keep;  // the object existed before the read (see TUndoLog)
};

struct TOrderValue {
  TPersistent* Object;
  const TPropInfo* Prop;
  const TFormProperty* Source;
  bool Keep;
};

// What a read into an existing component changed on it, oldest first: each
// entry puts one value back. A failed read runs them newest first, so the
// component and the objects it holds end as they were before the read.
class TUndoLog {
 public:
  void Add(std::function<void()> Undo) {
    if (Undo) FEntries.push_back(std::move(Undo));
  }
  void Run() noexcept {
    for (auto it = FEntries.rbegin(); it != FEntries.rend(); ++it) {
      try {
        (*it)();
      } catch (...) {
        // A setter refusing the old value leaves the read's value in place.
      }
    }
    FEntries.clear();
  }

 private:
  std::vector<std::function<void()>> FEntries;
};

// What the reader was asked for: handlers to bind, and how strict to be.
struct TReadOptions {
  const TFormHandlers* Handlers = nullptr;
  bool IgnoreUnbound = false;
  bool Lenient = false;
  std::vector<TFormSkip>* Skipped = nullptr;
};

// A message without its "Line N: " prefix (the skip report has the line).
String WithoutLine(const String& Message) {
  if (!Message.starts_with(u"Line ")) return Message;
  std::size_t colon = Message.find(u": ");
  return colon == String::npos ? Message : Message.substr(colon + 2);
}

class TFormBuilder {
 public:
  explicit TFormBuilder(const TReadOptions& Options) : FOptions(Options) {}
  TComponent* ReadNew(const TFormObject& Form, TComponent* Owner);
  TComponent* ReadInto(const TFormObject& Form, TComponent& Root);
  // Fills a collection outside a whole read (SetPropText).
  void FillCollection(TCollection& Collection, const TFormValue& Value, int Line);

 private:
  void Build(TComponent& Root, const TClassInfo& Class, const TFormObject& Form);
  void Begin(TComponent& C, const TFormObject& Object);
  void ApplyProperties(TComponent& C, const TClassInfo& Class, const TFormObject& Object);
  void Apply(TPersistent& Object, const TClassInfo& Class, const TFormProperty& P);
  void ApplyValue(const TPropertyTarget& T, const TFormProperty& P);
  void BindEvent(const TPropertyTarget& T, const TFormProperty& P);
  void ReadChild(const TFormObject& Object, TComponent& Parent);
  void ApplyOrderIndexes();
  void ResolveFixups();
  void CallLoaded();
  const TClassInfo* CreatableClass(const TFormObject& Object);
  // Lenient mode: notes what is left out; strict mode: raises Error.
  void SkipOrFail(int Line, const String& ClassName, const String& Property, const String& Error);
  // Notes how to put back Prop's present value on Object (when keeping).
  void Remember(TPersistent& Object, const TPropInfo& Prop, bool Keep);

  TReadOptions FOptions;
  TComponent* FRoot = nullptr;
  bool FKeep = false;  // values being applied belong to a component that existed before
  TUndoLog FUndo;
  std::vector<std::pair<TComponent*, int>> FLoaded;  // component, line of its object
  std::vector<TFixup> FFixups;
  std::vector<TOrderValue> FOrders;
  std::deque<TFormProperty> FItemProperties;  // collection item values, kept for FOrders
};

void TFormBuilder::SkipOrFail(int Line, const String& ClassName, const String& Property,
                              const String& Error) {
  if (!FOptions.Lenient) Fail(Line, Error);
  if (FOptions.Skipped != nullptr) {
    FOptions.Skipped->push_back(TFormSkip{Line, ClassName, Property, WithoutLine(Error)});
  }
}

// Unknown classes raise EClassNotFound; lenient reading leaves the object
// out (nullptr).
const TClassInfo* TFormBuilder::CreatableClass(const TFormObject& Object) {
  const TClassInfo* c = vcl::FindClassInfo(Object.ClassName);
  String error;
  if (c == nullptr) {
    error = u"class " + Object.ClassName + u" not found (a registered component class expected)";
  } else if (!c->Create) {
    error = u"class " + Object.ClassName + u" cannot be created from a form file";
  } else {
    return c;
  }
  if (!FOptions.Lenient || FRoot == nullptr) throw EClassNotFound(LinePrefix(Object.Line) + error);
  SkipOrFail(Object.Line, Object.ClassName, String(), error);
  return nullptr;
}

TComponent* TFormBuilder::ReadNew(const TFormObject& Form, TComponent* Owner) {
  const TClassInfo& c = *CreatableClass(Form);
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
  FKeep = true;
  try {
    Build(Root, *c, Form);
  } catch (...) {
    // Free what this read created (the last first: children before parents),
    // then put the root's own values back.
    while (Root.ComponentCount() > before) delete Root.Components(Root.ComponentCount() - 1);
    FUndo.Run();
    Root.SetLoading(false);
    throw;
  }
  return &Root;
}

void TFormBuilder::Build(TComponent& Root, const TClassInfo& Class, const TFormObject& Form) {
  FRoot = &Root;
  Begin(Root, Form);
  ApplyProperties(Root, Class, Form);
  FKeep = false;  // everything below is created by this read
  for (const TFormObject& child : Form.Children) ReadChild(child, Root);
  ApplyOrderIndexes();
  ResolveFixups();
  CallLoaded();
  WithContext(Form.Line, u"finishing " + Root.Name(), [&] { FinishReading(Root); });
}

void TFormBuilder::Begin(TComponent& C, const TFormObject& Object) {
  C.SetLoading(true);
  FLoaded.emplace_back(&C, Object.Line);
  if (!Object.Name.empty()) {
    if (FKeep) FUndo.Add([&C, old = C.Name()] { C.SetName(old); });
    WithContext(Object.Line, u"component name " + Object.Name, [&] { C.SetName(Object.Name); });
  }
}

void TFormBuilder::ApplyProperties(TComponent& C, const TClassInfo& Class,
                                   const TFormObject& Object) {
  for (const TFormProperty& p : Object.Properties) Apply(C, Class, p);
}

void TFormBuilder::Apply(TPersistent& Object, const TClassInfo& Class, const TFormProperty& P) {
  String error;
  TPropertyTarget t = FindPropertyPath(Object, Class, P.Name, P.Line, error);
  if (t.Prop == nullptr) {
    SkipOrFail(P.Line, Class.Name, P.Name, error);
    return;
  }
  if (!FOptions.Lenient) {
    ApplyValue(t, P);
    return;
  }
  try {
    ApplyValue(t, P);
  } catch (const EParserError&) {
    throw;
  } catch (const EReadError& e) {
    SkipOrFail(P.Line, Class.Name, P.Name, e.Message());
  }
}

void TFormBuilder::ApplyValue(const TPropertyTarget& T, const TFormProperty& P) {
  const TPropInfo& prop = *T.Prop;
  if (!prop.OrderIndex && prop.Kind != pkReference) Remember(*T.Object, prop, FKeep);
  switch (prop.Kind) {
    case pkObject:
      Fail(P.Line, u"property " + P.Name + u" is an object: set its properties (" + P.Name +
                       u".Name = value)");
    case pkEvent:
      BindEvent(T, P);
      return;
    case pkReference:
      if (P.Value.Kind != fvIdent) {
        Fail(P.Line, u"component name expected for " + P.Name + u" but " + P.Value.Describe() +
                         u" found");
      }
      FFixups.push_back({T.Object, &prop, P.Value.Text, P.Line, FKeep});
      return;
    case pkCollection:
      FillCollection(*prop.Collection(*T.Object), P.Value, P.Line);
      return;
    default:
      if (prop.OrderIndex) {
        FOrders.push_back({T.Object, &prop, &P, FKeep});
        return;
      }
      WithContext(P.Line, u"property " + P.Name, [&] { prop.Load(*T.Object, P.Value); });
  }
}

// A handler name binds the handler registered under it; the name is kept
// for writing either way. Without such a handler the read fails, unless
// the caller lets unbound names pass (lenient reading notes them).
void TFormBuilder::BindEvent(const TPropertyTarget& T, const TFormProperty& P) {
  if (P.Value.Kind != fvIdent) Fail(P.Line, u"event handler name expected for " + P.Name);
  const String& name = P.Value.Text;
  auto* component = dynamic_cast<TComponent*>(T.Object);
  auto keepName = [&] {
    if (component != nullptr) SetHandlerName(*component, T.Prop->Name, name);
  };
  bool known = FOptions.Handlers != nullptr && FOptions.Handlers->Contains(name);
  if (!known) {
    if (!FOptions.IgnoreUnbound) {
      const TClassInfo* c = ClassInfoOf(*T.Object);
      SkipOrFail(P.Line, c ? c->Name : T.Object->ClassName(), P.Name,
                 u"handler " + name + u" of " + P.Name + u" not found: no handler of that name was registered");
    }
    keepName();
    return;
  }
  if (!T.Prop->Bind) {
    Fail(P.Line, u"event " + P.Name + u" of class " + T.Object->ClassName() +
                     u" takes no handlers (registered without its accessors)");
  }
  WithContext(P.Line, u"event " + P.Name, [&] { T.Prop->Bind(*T.Object, *FOptions.Handlers, name); });
  keepName();
}

// The collection is refilled from the file; each item's values are applied
// as an object's are (so lenient reading skips in items too).
void TFormBuilder::FillCollection(TCollection& Collection, const TFormValue& Value, int Line) {
  if (Value.Kind != fvCollection) {
    Fail(Line, u"collection (< item ... end >) expected but " + Value.Describe() + u" found");
  }
  Collection.BeginUpdate();
  // The items are new: putting the collection back recreates them.
  struct TUpdateGuard {
    TCollection& C;
    bool& Keep;
    bool Was;
    ~TUpdateGuard() {
      C.EndUpdate();
      Keep = Was;
    }
  } guard{Collection, FKeep, FKeep};
  FKeep = false;
  Collection.Clear();
  for (const TFormValue& item : Value.Items) {
    TCollectionItem* made = nullptr;
    WithContext(item.Line, u"collection item", [&] { made = Collection.Add(); });
    const TClassInfo* c = ClassInfoOf(*made);
    if (c == nullptr) Fail(item.Line, u"the class " + made->ClassName() + u" of the items is not registered");
    for (const TFormValue& v : item.Items) {
      FItemProperties.push_back(TFormProperty{v.Name, v, v.Line});
      Apply(*made, *c, FItemProperties.back());
    }
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
    Remember(*o.Object, *o.Prop, o.Keep);
    WithContext(o.Source->Line, u"property " + o.Source->Name,
                [&] { o.Prop->Load(*o.Object, o.Source->Value); });
  }
}

void TFormBuilder::ReadChild(const TFormObject& Object, TComponent& Parent) {
  const TClassInfo* c = CreatableClass(Object);
  if (c == nullptr) return;  // left out by lenient reading, with what it holds
  TComponent* child = nullptr;
  WithContext(Object.Line, u"creating " + Object.ClassName, [&] { child = c->Create(FRoot); });
  if (!Object.Name.empty() && SameIdent(Object.Name, FRoot->Name())) {
    // References could not tell the two apart.
    Fail(Object.Line, u"component name " + Object.Name + u" is the name of the form itself");
  }
  Begin(*child, Object);
  WithContext(Object.Line, u"placing " + Object.Name + u" on " + Parent.Name(),
              [&] { SetParentOf(*child, Parent); });
  ApplyProperties(*child, *c, Object);
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
        const TClassInfo* c = ClassInfoOf(*f.Object);
        SkipOrFail(f.Line, c ? c->Name : f.Object->ClassName(), f.Prop->Name,
                   u"component " + f.Name + u" not found for property " + f.Prop->Name);
        continue;
      }
    }
    Remember(*f.Object, *f.Prop, f.Keep);
    WithContext(f.Line, u"property " + f.Prop->Name, [&] { f.Prop->SetReference(*f.Object, target); });
  }
}

namespace {

TFormValue ListValue(const std::vector<String>& Items) {
  TFormValue v;
  v.Kind = fvList;
  for (const String& item : Items) {
    TFormValue s;
    s.Kind = fvString;
    s.Text = item;
    v.Items.push_back(std::move(s));
  }
  return v;
}

// What puts back Prop's present value on Object; empty where nothing can.
std::function<void()> UndoOf(TPersistent& Object, const TPropInfo& Prop) {
  TPersistent* o = &Object;
  const TPropInfo* p = &Prop;
  switch (Prop.Kind) {
    case pkObject: return {};
    case pkEvent: {
      auto* component = dynamic_cast<TComponent*>(o);
      std::function<void()> handler = p->Keep ? p->Keep(*o) : std::function<void()>();
      String name = component ? HandlerName(*component, p->Name) : String();
      return [component, p, handler, name] {
        if (handler) handler();
        if (component) SetHandlerName(*component, p->Name, name);
      };
    }
    case pkReference: {
      if (!p->GetReference || !p->SetReference) return {};
      TComponent* old = p->GetReference(*o);
      return [o, p, old] { p->SetReference(*o, old); };
    }
    case pkCollection: {
      TFormValue old = ParseFormValue(CollectionText(*p->Collection(*o), String()));
      return [o, p, old] { TFormBuilder(TReadOptions{}).FillCollection(*p->Collection(*o), old, 0); };
    }
    case pkStrings: {
      if (!p->Items) return {};
      return [o, p, old = ListValue(p->Items(*o))] { p->Load(*o, old); };
    }
    case pkBinary: {
      if (!p->Bytes) return {};
      TFormValue old;
      old.Kind = fvBinary;
      old.Bytes = p->Bytes(*o);
      return [o, p, old] { p->Load(*o, old); };
    }
    default:
      if (!p->Text || !p->Load) return {};
      return [o, p, old = ParseFormValue(p->Text(*o))] { p->Load(*o, old); };
  }
}

}  // namespace

void TFormBuilder::Remember(TPersistent& Object, const TPropInfo& Prop, bool Keep) {
  if (!Keep) return;
  try {
    FUndo.Add(UndoOf(Object, Prop));
  } catch (const Exception&) {
    // A value that cannot be taken now cannot be put back either; the read
    // goes on as it would have.
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

namespace {

String DecodeFormBytes(TStream& Stream) {
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
  return text;
}

}  // namespace

TComponent* TFormReader::ReadText(const String& Text, TComponent* Root, TComponent* Owner) {
  FSkipped.clear();
  streaming::TFormObject form = streaming::ParseForm(Text);
  streaming::TReadOptions options{&FHandlers, FIgnoreUnbound, FLenient, &FSkipped};
  streaming::TFormBuilder builder(options);
  return Root ? builder.ReadInto(form, *Root) : builder.ReadNew(form, Owner);
}

TComponent* TFormReader::ReadStream(TStream& Stream, TComponent* Root, TComponent* Owner) {
  FSkipped.clear();
  return ReadText(DecodeFormBytes(Stream), Root, Owner);
}

TComponent* TFormReader::ReadFile(const String& FileName, TComponent* Root, TComponent* Owner) {
  FSkipped.clear();
  TFileStream file(FileName, fmOpenRead | fmShareDenyWrite);
  return ReadStream(file, Root, Owner);
}

TComponent* ReadComponentFromText(const String& Text, TComponent* Root, TComponent* Owner) {
  return TFormReader().ReadText(Text, Root, Owner);
}

TComponent* ReadComponentFromStream(TStream& Stream, TComponent* Root, TComponent* Owner) {
  return TFormReader().ReadStream(Stream, Root, Owner);
}

TComponent* ReadComponentResFile(const String& FileName, TComponent* Root) {
  return TFormReader().ReadFile(FileName, Root);
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
    case pkCollection: return streaming::CollectionText(*p.Collection(*t.Object), String());
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
  if (p.Kind == pkCollection) {
    streaming::TFormBuilder(streaming::TReadOptions{}).FillCollection(*p.Collection(*t.Object), v, 1);
    return;
  }
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
