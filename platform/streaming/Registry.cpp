#include "platform/streaming/Registry.h"

#include <algorithm>
#include <memory>
#include <unordered_map>

#include "platform/streaming/FormLexer.h"

namespace vcl::streaming {

namespace {

struct TRegistry {
  std::vector<std::unique_ptr<TClassInfo>> Classes;
  std::unordered_map<std::type_index, TClassInfo*> ByType;
  std::unordered_map<std::type_index, TEnumInfo> Enums;
};

TRegistry& RawRegistry() {
  static TRegistry registry;
  return registry;
}

// The platform registers first; a plain flag (not a guarded static) because
// the platform's registrations come back through AddClass.
TRegistry& Registry() {
  static bool started = false;
  if (!started) {
    started = true;
    RegisterPlatformClasses();
  }
  return RawRegistry();
}

int Depth(const TClassInfo& c) {
  int depth = 0;
  for (const TClassInfo* b = c.Base(); b != nullptr && depth < 1000; b = b->Base()) ++depth;
  return depth;
}

}  // namespace

String LinePrefix(int Line) { return u"Line " + FromUTF8(std::to_string(Line)) + u": "; }

TClassInfo& AddClass(std::type_index Type, std::optional<std::type_index> Base, const String& Name) {
  TRegistry& r = Registry();
  TClassInfo*& slot = r.ByType[Type];
  if (slot == nullptr) {
    r.Classes.push_back(std::make_unique<TClassInfo>(Type));
    slot = r.Classes.back().get();
  }
  slot->Name = Name;
  slot->BaseType = Base;
  slot->Properties.clear();
  slot->Create = nullptr;
  slot->New = nullptr;
  return *slot;
}

void AddEnum(std::type_index Type, std::vector<std::pair<std::int64_t, String>> Names) {
  String name = formvalue::TypeName(Type);
  TEnumInfo& e = Registry().Enums[Type];
  e.TypeName = name;
  e.Names = std::move(Names);
}

void AddEnumAliases(std::type_index Type,
                    std::vector<std::pair<String, std::optional<std::int64_t>>> Aliases) {
  TEnumInfo& e = Registry().Enums[Type];
  for (auto& alias : Aliases) e.Aliases.push_back(std::move(alias));
}

const TEnumInfo* FindEnum(std::type_index Type) {
  auto& enums = Registry().Enums;
  auto it = enums.find(Type);
  return it == enums.end() ? nullptr : &it->second;
}

const TClassInfo* FindClassInfo(std::type_index Type) {
  auto& byType = Registry().ByType;
  auto it = byType.find(Type);
  return it == byType.end() ? nullptr : it->second;
}

const String* NameOf(const formvalue::TIdentNames& Names, std::int64_t Value) {
  for (const auto& [value, name] : Names) {
    if (value == Value) return &name;
  }
  return nullptr;
}

bool ValueOf(const formvalue::TIdentNames& Names, const String& Name, std::int64_t& Value) {
  for (const auto& [value, name] : Names) {
    if (SameIdent(name, Name)) {
      Value = value;
      return true;
    }
  }
  return false;
}

String Choices(const formvalue::TIdentNames& Names) {
  String s = u"one of ";
  for (std::size_t i = 0; i < Names.size(); ++i) {
    if (i > 0) s += u", ";
    if (i == 16) return s + u"...";
    s += Names[i].second;
  }
  return s;
}

[[noreturn]] void NoPropertyYet() {
  throw EInvalidOperation("Stored() must follow the property it applies to");
}

}  // namespace vcl::streaming

namespace vcl {

using streaming::Registry;

const TClassInfo* TClassInfo::Base() const {
  return BaseType ? streaming::FindClassInfo(*BaseType) : nullptr;
}

bool TClassInfo::InheritsFrom(const TClassInfo& Other) const {
  int guard = 0;
  for (const TClassInfo* c = this; c != nullptr && guard < 1000; c = c->Base(), ++guard) {
    if (c == &Other) return true;
  }
  return false;
}

const TClassInfo* FindClassInfo(const String& ClassName) {
  auto& classes = Registry().Classes;
  // The latest registration of a name wins.
  for (auto it = classes.rbegin(); it != classes.rend(); ++it) {
    if (streaming::SameIdent((*it)->Name, ClassName)) return it->get();
  }
  return nullptr;
}

const TClassInfo* ClassInfoOf(const TPersistent& Object) {
  if (const TClassInfo* exact = streaming::FindClassInfo(typeid(Object))) return exact;
  const TClassInfo* best = nullptr;
  int bestDepth = -1;
  for (const auto& c : Registry().Classes) {
    if (!c->IsInstance || !c->IsInstance(Object)) continue;
    int depth = streaming::Depth(*c);
    if (depth > bestDepth) {
      best = c.get();
      bestDepth = depth;
    }
  }
  return best;
}

bool IsInstanceOfClassOf(const TPersistent& Object, const TPersistent& Dest) {
  if (typeid(Object) == typeid(Dest)) return true;
  const TClassInfo* mine = ClassInfoOf(Object);
  const TClassInfo* theirs = ClassInfoOf(Dest);
  return mine != nullptr && theirs != nullptr && theirs->Type == typeid(Dest) &&
         mine->InheritsFrom(*theirs);
}

std::vector<String> RegisteredClasses() {
  std::vector<String> names;
  for (const auto& c : Registry().Classes) names.push_back(c->Name);
  std::sort(names.begin(), names.end());
  return names;
}

std::vector<const TPropInfo*> RegisteredProperties(const TClassInfo& Class) {
  std::vector<const TClassInfo*> chain;
  for (const TClassInfo* c = &Class; c != nullptr && chain.size() < 1000; c = c->Base()) {
    chain.push_back(c);
  }
  std::vector<const TPropInfo*> result;
  for (auto it = chain.rbegin(); it != chain.rend(); ++it) {
    for (const TPropInfo& p : (*it)->Properties) {
      auto same = std::find_if(result.begin(), result.end(), [&](const TPropInfo* q) {
        return streaming::SameIdent(q->Name, p.Name);
      });
      if (same != result.end()) {
        *same = &p;  // a derived class's registration replaces the base's
      } else {
        result.push_back(&p);
      }
    }
  }
  std::stable_partition(result.begin(), result.end(), [](const TPropInfo* p) { return !p->Trailing; });
  return result;
}

std::vector<const TPropInfo*> RegisteredProperties(const String& ClassName) {
  const TClassInfo* c = FindClassInfo(ClassName);
  return c ? RegisteredProperties(*c) : std::vector<const TPropInfo*>();
}

const TPropInfo* FindPropInfo(const TClassInfo& Class, const String& Name) {
  int guard = 0;
  for (const TClassInfo* c = &Class; c != nullptr && guard < 1000; c = c->Base(), ++guard) {
    for (const TPropInfo& p : c->Properties) {
      if (streaming::SameIdent(p.Name, Name)) return &p;
    }
  }
  return nullptr;
}

TComponent* CreateComponent(const String& ClassName, TComponent* Owner) {
  const TClassInfo* c = FindClassInfo(ClassName);
  if (c == nullptr) throw EClassNotFound(u"Class " + ClassName + u" not found");
  if (!c->Create) throw EClassNotFound(u"Class " + ClassName + u" cannot be created by name");
  return c->Create(Owner);
}

}  // namespace vcl
