// Internal view of the class and enumeration registry shared by the form
// reader, the writer and the value conversions.
#pragma once

#include <cstdint>
#include <optional>
#include <typeindex>
#include <utility>
#include <vector>

#include "platform/Streaming.h"

namespace vcl::streaming {

// Lookups in a table of value names (enumerations, named integers).
const String* NameOf(const formvalue::TIdentNames& Names, std::int64_t Value);
bool ValueOf(const formvalue::TIdentNames& Names, const String& Name, std::int64_t& Value);
// "one of a, b, c" for messages.
String Choices(const formvalue::TIdentNames& Names);

struct TEnumInfo {
  String TypeName;
  formvalue::TIdentNames Names;
  // Names read but never written; nullopt: a name that stands for nothing.
  std::vector<std::pair<String, std::optional<std::int64_t>>> Aliases;
};

// nullptr when the enumeration's names were never registered.
const TEnumInfo* FindEnum(std::type_index Type);
const TClassInfo* FindClassInfo(std::type_index Type);

// The platform's own classes (StreamingRegistry.cpp); registered before any
// other registration or lookup, so that components may re-register them.
void RegisterPlatformClasses();
// Bitmaps and pictures with their binary data (GraphicData.cpp).
void RegisterGraphicClasses();

// "Line N: " for messages.
String LinePrefix(int Line);

// The object and property a dotted path ("Font.Size", "Lines.Strings")
// names, starting at Object of class Class. EReadError naming Line when a
// part of the path does not exist or holds no object.
struct TPropertyTarget {
  TPersistent* Object = nullptr;
  const TPropInfo* Prop = nullptr;
};
TPropertyTarget ResolvePropertyPath(TPersistent& Object, const TClassInfo& Class,
                                    const String& Path, int Line);
// As ResolvePropertyPath, but a path naming no property gives a target
// without Prop and the reason in Error (other faults still raise).
TPropertyTarget FindPropertyPath(TPersistent& Object, const TClassInfo& Class, const String& Path,
                                 int Line, String& Error);

// The text of a collection as the writer gives it ("<\n  item ... end>"),
// its lines after the first starting with Indent.
String CollectionText(TCollection& Collection, const String& Indent);

}  // namespace vcl::streaming
