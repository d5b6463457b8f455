#include "platform/streaming/FormParser.h"

#include "platform/streaming/FormLexer.h"

namespace vcl::streaming {

namespace {

String LineText(int Line) { return u"Line " + FromUTF8(std::to_string(Line)) + u": "; }

class TFormParser {
 public:
  explicit TFormParser(std::u16string_view Text) : FLex(Text) {}

  TFormObject ParseRoot() {
    TFormObject root = ParseObject(1);
    if (FLex.Current().Kind != tkEnd) Expected(u"end of file after the root object's 'end'");
    return root;
  }

  TFormValue ParseLoneValue() {
    TFormValue v = ParseValue();
    if (FLex.Current().Kind != tkEnd) Expected(u"end of the value");
    return v;
  }

 private:
  const TToken& Tok() const { return FLex.Current(); }
  TFormValue NewValue(TFormValueKind Kind) const {
    TFormValue v;
    v.Kind = Kind;
    v.Line = Tok().Line;
    return v;
  }

  [[noreturn]] void Fail(const String& What) const { throw EParserError(LineText(Tok().Line) + What); }
  [[noreturn]] void Expected(const String& What) const {
    Fail(What + u" expected but " + Tok().Describe() + u" found");
  }

  bool AtObjectKeyword() const {
    return FLex.IsKeyword(u"object") || FLex.IsKeyword(u"inherited") || FLex.IsKeyword(u"inline");
  }

  bool AtKeyword() const { return AtObjectKeyword() || FLex.IsKeyword(u"end"); }

  String TakeIdent(const String& What) {
    if (Tok().Kind != tkIdent || AtKeyword()) Expected(What);
    String s = Tok().Text;
    FLex.Next();
    return s;
  }

  TFormObject ParseObject(int Depth);
  void ParseHeader(TFormObject& Object);
  TFormProperty ParseProperty();
  TFormValue ParseValue();
  TFormValue ParseStrings();
  TFormValue ParseSet();
  TFormValue ParseList();
  TFormValue ParseCollection();
  TFormValue ParseItem();

  TFormLexer FLex;
  int FCollectionDepth = 0;  // collections open around the current value
};

TFormObject TFormParser::ParseObject(int Depth) {
  TFormObject object;
  object.Line = Tok().Line;
  if (Depth > MaxFormDepth) {
    Fail(u"objects nested too deeply (at most " + FromUTF8(std::to_string(MaxFormDepth)) +
         u" levels)");
  }
  ParseHeader(object);
  while (!FLex.IsKeyword(u"end")) {
    if (AtObjectKeyword()) {
      object.Children.push_back(ParseObject(Depth + 1));
    } else if (Tok().Kind == tkIdent && object.Children.empty()) {
      object.Properties.push_back(ParseProperty());
    } else if (object.Children.empty()) {
      Expected(u"property name, 'object' or 'end'");
    } else {
      Expected(u"'object' or 'end'");
    }
  }
  FLex.Next();
  return object;
}

void TFormParser::ParseHeader(TFormObject& Object) {
  if (FLex.IsKeyword(u"inherited") || FLex.IsKeyword(u"inline")) {
    Fail(u"'" + Tok().Text + u"' objects are not supported; use 'object'");
  }
  if (!FLex.IsKeyword(u"object")) Expected(u"'object'");
  FLex.Next();
  String first = TakeIdent(u"component name or class name");
  if (FLex.IsSymbol(':')) {
    FLex.Next();
    Object.Name = first;
    Object.ClassName = TakeIdent(u"class name after ':'");
  } else {
    Object.ClassName = first;
  }
  if (Object.Name.find(u'.') != String::npos) Fail(u"component name without '.' expected");
  if (Object.ClassName.find(u'.') != String::npos) Fail(u"class name without '.' expected");
  if (FLex.IsSymbol('[')) Fail(u"object order indexes ([n]) are not supported");
}

TFormProperty TFormParser::ParseProperty() {
  TFormProperty p;
  p.Line = Tok().Line;
  p.Name = TakeIdent(u"property name");
  if (!FLex.IsSymbol('=')) Expected(u"'=' after property " + p.Name);
  FLex.Next();
  p.Value = ParseValue();
  return p;
}

TFormValue TFormParser::ParseValue() {
  TFormValue v = NewValue(fvIdent);
  switch (Tok().Kind) {
    case tkInteger:
      v.Kind = fvInteger;
      v.Integer = Tok().Integer;
      break;
    case tkFloat:
      v.Kind = fvFloat;
      v.Text = Tok().Text;
      break;
    case tkString:
      return ParseStrings();
    case tkBinary:
      v.Kind = fvBinary;
      v.Bytes = Tok().Bytes;
      break;
    case tkIdent:
      if (AtKeyword()) Expected(u"property value");
      v.Kind = fvIdent;
      v.Text = Tok().Text;
      break;
    case tkSymbol:
      if (Tok().Symbol == '[') return ParseSet();
      if (Tok().Symbol == '(') return ParseList();
      if (Tok().Symbol == '<') return ParseCollection();
      if (Tok().Symbol == '-') {
        // -INF: a negative infinity written by the writer.
        FLex.Next();
        v.Kind = fvIdent;
        v.Text = u"-" + TakeIdent(u"number or identifier after '-'");
        return v;
      }
      Expected(u"property value");
    case tkEnd:
      Expected(u"property value");
  }
  FLex.Next();
  return v;
}

// A string and its continuations: 'abc' + 'def' (possibly across lines).
TFormValue TFormParser::ParseStrings() {
  TFormValue v = NewValue(fvString);
  v.Text = Tok().Text;
  FLex.Next();
  while (FLex.IsSymbol('+')) {
    FLex.Next();
    if (Tok().Kind != tkString) Expected(u"string after '+'");
    v.Text += Tok().Text;
    FLex.Next();
  }
  return v;
}

TFormValue TFormParser::ParseSet() {
  TFormValue v = NewValue(fvSet);
  FLex.Next();
  if (FLex.IsSymbol(']')) {
    FLex.Next();
    return v;
  }
  for (;;) {
    if (Tok().Kind != tkIdent && Tok().Kind != tkInteger) Expected(u"set element");
    v.Items.push_back(ParseValue());
    if (FLex.IsSymbol(']')) break;
    if (!FLex.IsSymbol(',')) Expected(u"',' or ']'");
    FLex.Next();
  }
  FLex.Next();
  return v;
}

TFormValue TFormParser::ParseList() {
  TFormValue v = NewValue(fvList);
  FLex.Next();
  while (!FLex.IsSymbol(')')) {
    if (Tok().Kind == tkEnd) {
      Fail(u"')' expected to close the list opened on line " + FromUTF8(std::to_string(v.Line)) +
           u", but end of file found");
    }
    if (FLex.IsSymbol('(') || FLex.IsSymbol('[')) Fail(u"lists may hold only plain values");
    v.Items.push_back(ParseValue());
  }
  FLex.Next();
  return v;
}

// Items of a collection: "< item Name = value ... end item ... end >", or
// "<>" when empty. Collections may nest inside items, as deep as objects.
TFormValue TFormParser::ParseCollection() {
  TFormValue v = NewValue(fvCollection);
  if (++FCollectionDepth > MaxFormDepth) {
    Fail(u"collections nested too deeply (at most " + FromUTF8(std::to_string(MaxFormDepth)) +
         u" levels)");
  }
  FLex.Next();
  while (!FLex.IsSymbol('>')) {
    if (Tok().Kind == tkEnd) {
      Fail(u"'>' expected to close the collection opened on line " +
           FromUTF8(std::to_string(v.Line)) + u", but end of file found");
    }
    if (!FLex.IsKeyword(u"item")) Expected(u"'item' or '>'");
    v.Items.push_back(ParseItem());
  }
  FLex.Next();
  --FCollectionDepth;
  return v;
}

TFormValue TFormParser::ParseItem() {
  TFormValue item = NewValue(fvItem);
  FLex.Next();
  while (!FLex.IsKeyword(u"end")) {
    if (Tok().Kind != tkIdent || AtObjectKeyword()) Expected(u"property name or 'end' in a collection item");
    TFormProperty p = ParseProperty();
    p.Value.Name = std::move(p.Name);
    p.Value.Line = p.Line;
    item.Items.push_back(std::move(p.Value));
  }
  FLex.Next();
  return item;
}

}  // namespace

TFormObject ParseForm(std::u16string_view Text) { return TFormParser(Text).ParseRoot(); }

TFormValue ParseFormValue(std::u16string_view Text) { return TFormParser(Text).ParseLoneValue(); }

}  // namespace vcl::streaming
