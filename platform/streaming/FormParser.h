// The text form format as a tree: objects with their properties and nested
// objects, before anything is created. Parsing the whole text first means a
// syntax error never leaves half-built components behind.
#pragma once

#include <string_view>
#include <vector>

#include "platform/Streaming.h"

namespace vcl::streaming {

// Objects may nest this deep (the root is level 1); deeper files are refused
// so that hostile input cannot exhaust the stack.
constexpr int MaxFormDepth = 64;

struct TFormProperty {
  String Name;   // possibly dotted: "Font.Size"
  TFormValue Value;
  int Line = 0;
};

struct TFormObject {
  String Name;   // empty for an anonymous object
  String ClassName;
  int Line = 0;
  std::vector<TFormProperty> Properties;
  std::vector<TFormObject> Children;
};

// Parses a whole form ("object Name: TClass ... end"); EParserError naming
// the line and what was expected otherwise.
TFormObject ParseForm(std::u16string_view Text);
// Parses a single property value, as it would follow "Name =".
TFormValue ParseFormValue(std::u16string_view Text);

}  // namespace vcl::streaming
