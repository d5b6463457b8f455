// Writes a component and what it owns in the text form format, skipping
// values equal to their defaults.
#include "platform/streaming/Hierarchy.h"
#include "platform/streaming/Registry.h"

namespace vcl {

namespace {

// Nested objects deeper than this are taken for a cycle.
constexpr int MaxNestedObjects = 16;

class TFormWriter {
 public:
  // Root is the form written (nullptr when writing a collection alone:
  // no reference can be named then).
  explicit TFormWriter(TComponent* Root) : FRoot(Root) {}

  String Write() {
    WriteObject(*FRoot, String());
    return std::move(FOut);
  }
  // "<", the items one step deeper than Indent, "end>" (or "<>").
  String CollectionBody(TCollection& C, const String& Indent, int Level);

 private:
  void WriteObject(TComponent& C, const String& Indent);
  void WriteProperties(TPersistent& Object, const TClassInfo& Class, const String& Prefix,
                       const String& Indent, int Level);
  void WriteProperty(TPersistent& Object, const TPropInfo& P, const String& Prefix,
                     const String& Indent, int Level);
  void WriteStrings(const std::vector<String>& Items, const String& Name, const String& Indent);
  String ReferenceName(const TComponent* Target) const;
  void Line(const String& Indent, const String& Text) { FOut += Indent + Text + u"\n"; }

  TComponent* FRoot;
  String FOut;
};

const TClassInfo& RegisteredClassOf(TComponent& C) {
  const TClassInfo* c = ClassInfoOf(C);
  if (c == nullptr) {
    throw EWriteError(u"Class " + C.ClassName() + u" of component " + C.Name() +
                      u" is not registered for form files");
  }
  return *c;
}

// Breaks of a long string continue on the next line, one step deeper.
String IndentContinuations(const String& Text, const String& Indent) {
  String out;
  for (char16_t c : Text) {
    out += c;
    if (c == u'\n') out += Indent + u"  ";
  }
  return out;
}

void TFormWriter::WriteObject(TComponent& C, const String& Indent) {
  const TClassInfo& c = RegisteredClassOf(C);
  // An unregistered subclass keeps its own name; its registered ancestor
  // lends the properties.
  String className = c.Type == std::type_index(typeid(C)) ? c.Name : C.ClassName();
  Line(Indent, u"object " + (C.Name().empty() ? className : C.Name() + u": " + className));
  WriteProperties(C, c, String(), Indent + u"  ", 0);
  for (TComponent* child : streaming::WrittenChildren(C, *FRoot)) WriteObject(*child, Indent + u"  ");
  Line(Indent, u"end");
}

void TFormWriter::WriteProperties(TPersistent& Object, const TClassInfo& Class,
                                  const String& Prefix, const String& Indent, int Level) {
  if (Level > MaxNestedObjects) {
    throw EWriteError(u"Properties nested too deeply at " + Prefix + u" (a cycle of objects?)");
  }
  for (const TPropInfo* p : RegisteredProperties(Class)) {
    if (p->IsStored(Object)) WriteProperty(Object, *p, Prefix, Indent, Level);
  }
}

void TFormWriter::WriteProperty(TPersistent& Object, const TPropInfo& P, const String& Prefix,
                                const String& Indent, int Level) {
  String name = Prefix + P.Name;
  switch (P.Kind) {
    case pkEvent: {
      // The names a form file (or the application) gave its events.
      auto* component = dynamic_cast<TComponent*>(&Object);
      String handler = component ? HandlerName(*component, P.Name) : String();
      if (!handler.empty()) Line(Indent, name + u" = " + handler);
      return;
    }
    case pkCollection: {
      TCollection* c = P.Collection(Object);
      if (c->Count() > 0) Line(Indent, name + u" = " + CollectionBody(*c, Indent, Level + 1));
      return;
    }
    case pkObject: {
      TPersistent* nested = P.Object(Object);
      const TClassInfo* c = nested ? ClassInfoOf(*nested) : nullptr;
      if (c != nullptr) WriteProperties(*nested, *c, name + u".", Indent, Level + 1);
      return;
    }
    case pkStrings:
      WriteStrings(P.Items(Object), name, Indent);
      return;
    case pkReference: {
      String target = ReferenceName(P.GetReference(Object));
      if (!target.empty()) Line(Indent, name + u" = " + target);
      return;
    }
    default:
      if (!P.IsDefault(Object)) {
        Line(Indent, name + u" = " + IndentContinuations(P.Text(Object), Indent));
      }
  }
}

void TFormWriter::WriteStrings(const std::vector<String>& Items, const String& Name,
                               const String& Indent) {
  if (Items.empty()) return;
  String text = Name + u".Strings = (";
  String itemIndent = Indent + u"  ";
  for (const String& item : Items) {
    text += u"\n" + itemIndent + IndentContinuations(formvalue::QuoteString(item), itemIndent);
  }
  Line(Indent, text + u")");
}

String TFormWriter::CollectionBody(TCollection& C, const String& Indent, int Level) {
  if (Level > MaxNestedObjects) throw EWriteError(u"Collections nested too deeply");
  if (C.Count() == 0) return u"<>";
  String outer = std::move(FOut);
  FOut = u"<\n";
  String itemIndent = Indent + u"  ";
  for (int i = 0; i < C.Count(); ++i) {
    TCollectionItem* item = C.Items(i);
    const TClassInfo* c = ClassInfoOf(*item);
    if (c == nullptr) {
      throw EWriteError(u"Class " + item->ClassName() + u" of a collection item is not registered");
    }
    Line(itemIndent, u"item");
    WriteProperties(*item, *c, String(), itemIndent + u"  ", Level + 1);
    Line(itemIndent, i + 1 == C.Count() ? u"end>" : u"end");
  }
  String body = std::move(FOut);
  FOut = std::move(outer);
  body.pop_back();  // the last line break: the caller ends the line
  return body;
}

// Only components of the same form can be named; others are not written.
String TFormWriter::ReferenceName(const TComponent* Target) const {
  if (Target == nullptr || FRoot == nullptr) return String();
  if (Target == FRoot) return FRoot->Name();
  if (Target->Owner() == FRoot) return Target->Name();
  return String();
}

}  // namespace

String WriteComponentToText(TComponent* Root) {
  if (Root == nullptr) throw EWriteError("No component to write");
  return TFormWriter(Root).Write();
}

namespace streaming {

String CollectionText(TCollection& Collection, const String& Indent) {
  return TFormWriter(nullptr).CollectionBody(Collection, Indent, 0);
}

}  // namespace streaming

void WriteComponentToStream(TStream& Stream, TComponent* Root) {
  std::string bytes = ToUTF8(WriteComponentToText(Root));
  Stream.WriteBuffer(bytes.data(), static_cast<std::int64_t>(bytes.size()));
}

void WriteComponentResFile(const String& FileName, TComponent* Root) {
  std::string bytes = ToUTF8(WriteComponentToText(Root));
  TFileStream file(FileName, fmCreate);
  file.WriteBuffer(bytes.data(), static_cast<std::int64_t>(bytes.size()));
}

}  // namespace vcl
