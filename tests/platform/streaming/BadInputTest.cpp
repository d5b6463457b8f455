// Bad form files: each raises an error naming the line and what was expected,
// and frees everything the failed read created.
#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "Probes.h"

using namespace vcl;
using namespace probes;

namespace {

struct BadForm {
  const char* what;
  const char16_t* text;
  const char* message;  // expected part of the message, which starts "Line N:"
};

// Two probes are created before the faulty line in most cases, so a leak
// would show in the live count.
const BadForm kBadForms[] = {
    {"unknown class", u"object A: TProbe\n object B: TProbe\n end\n object C: TNoSuch\n end\nend",
     "Line 4: class TNoSuch not found"},
    {"unknown property", u"object A: TProbe\n object B: TProbe\n  Colour = 1\n end\nend",
     "Line 3: property Colour does not exist in class TProbe"},
    {"unknown nested property", u"object A: TProbe\n  Layout.Size = 1\nend",
     "Line 2: property Size does not exist in class TProbeLayout"},
    {"dotted name through a value", u"object A: TProbe\n  Count.X = 1\nend",
     "Line 2: property Count has no sub-properties"},
    {"object given a value", u"object A: TProbe\n  Layout = 1\nend",
     "Line 2: property Layout is an object"},
    {"string for an integer", u"object A: TProbe\n object B: TProbe\n  Count = 'x'\n end\nend",
     "Line 3: property Count: Integer expected but string 'x' found"},
    {"integer out of range", u"object A: TProbe\n  Small = 256\nend",
     "Line 2: property Small: value 256 out of range (0..255)"},
    {"int overflow", u"object A: TProbe\n  Count = 2147483648\nend", "out of range"},
    {"number too large", u"object A: TProbe\n  Big = 99999999999999999999\nend",
     "Line 2: number too large"},
    {"bad number", u"object A: TProbe\n  Count = 12ab\nend", "Line 2: invalid number '12a'"},
    {"bad exponent", u"object A: TProbe\n  Ratio = 1.5e\nend",
     "Line 2: digits expected in the exponent"},
    {"float out of range", u"object A: TProbe\n  Ratio = 1e999\nend",
     "Line 2: property Ratio: floating-point number out of range"},
    {"float for an integer", u"object A: TProbe\n  Count = 1.5\nend",
     "Line 2: property Count: Integer expected but number 1.5 found"},
    {"bad boolean", u"object A: TProbe\n  Flag = Yes\nend",
     "Line 2: property Flag: Boolean (True or False) expected"},
    {"bad enum name", u"object A: TProbe\n  Shape = shOval\nend",
     "Line 2: property Shape: one of shCircle, shSquare, shTriangle, shHexagon expected but "
     "identifier 'shOval' found"},
    {"bad set element", u"object A: TProbe\n  Shapes = [shCircle, shOval]\nend",
     "Line 2: property Shapes: one of shCircle"},
    {"unclosed set", u"object A: TProbe\n  Shapes = [shCircle\nend", "Line 3: ',' or ']' expected"},
    {"bad color", u"object A: TProbe\n  Tint = clPlaid\nend", "Line 2: property Tint: Color"},
    {"two-letter char", u"object A: TProbe\n  Letter = 'ab'\nend", "Line 2: property Letter"},
    {"unterminated string", u"object A: TProbe\n  Title = 'abc\nend",
     "Line 2: unterminated string"},
    {"string at end of file", u"object A: TProbe\n  Title = 'abc", "Line 2: unterminated string"},
    {"dangling plus", u"object A: TProbe\n  Title = 'a' +\nend",
     "Line 3: string after '+' expected but identifier 'end' found"},
    {"bad char code", u"object A: TProbe\n  Title = #\nend",
     "Line 2: character code expected after '#'"},
    {"char code too large", u"object A: TProbe\n  Title = #1114112\nend",
     "Line 2: character code too large"},
    {"unclosed list", u"object A: TProbe\n  Lines.Strings = (\n 'a'\n",
     "Line 4: ')' expected to close the list opened on line 2"},
    {"list of numbers", u"object A: TProbe\n  Lines.Strings = (1)\nend",
     "Line 2: property Lines.Strings: String in the list expected"},
    {"missing equals", u"object A: TProbe\n  Count 3\nend",
     "Line 2: '=' after property Count expected but number 3 found"},
    {"missing value", u"object A: TProbe\n  Count =\nend",
     "Line 3: property value expected but identifier 'end' found"},
    {"truncated file", u"object A: TProbe\n object B: TProbe\n  Count = 1\n",
     "Line 4: property name, 'object' or 'end' expected but end of file found"},
    {"empty file", u"", "Line 1: 'object' expected but end of file found"},
    {"text after end", u"object A: TProbe\nend\nend", "Line 3: end of file after"},
    {"property after child", u"object A: TProbe\n object B: TProbe\n end\n Count = 1\nend",
     "Line 4: 'object' or 'end' expected"},
    {"missing class", u"object A:\nend", "Line 2: class name after ':' expected"},
    {"inherited", u"inherited A: TProbe\nend", "Line 1: 'inherited' objects are not supported"},
    {"inline child", u"object A: TProbe\n inline B: TProbe\n end\nend",
     "Line 2: 'inline' objects are not supported"},
    {"order index", u"object A: TProbe [2]\nend", "Line 1: object order indexes"},
    {"binary data for a string", u"object A: TProbe\n  Title = {0A0B}\nend",
     "Line 2: property Title: String expected but binary data (2 bytes) found"},
    {"collection", u"object A: TProbe\n  Title = <>\nend",
     "Line 2: property Title: String expected but collection found"},
    {"unbound handler", u"object A: TProbe\n  OnPing = ProbePing\nend",
     "Line 2: handler ProbePing of OnPing not found"},
    {"stray character", u"object A: TProbe\n  Count = 1 ;\nend", "Line 2: unexpected character ';'"},
    {"control character", u"object A: TProbe\n\x01\nend", "Line 2: unexpected character #1"},
    {"duplicate name", u"object A: TProbe\n object B: TProbe\n end\n object b: TProbe\n end\nend",
     "Line 4: component name b: A component named b already exists"},
    {"name of the form", u"object A: TProbe\n object B: TProbe\n end\n object a: TProbe\n end\nend",
     "Line 4: component name a is the name of the form itself"},
    {"invalid name", u"object A: TProbe\n object B_: TProbe\n end\n object TProbe\n  Name = '1x'\n end\nend",
     "Line 5: property Name: \"1x\" is not a valid component name"},
    {"setter refuses", u"object A: TProbe\n object B: TProbe\n  Positive = -1\n end\nend",
     "Line 3: property Positive: Positive must not be negative"},
    {"constructor fails", u"object A: TProbe\n object B: TProbe\n end\n object C: TBrokenProbe\n end\nend",
     "Line 4: creating TBrokenProbe: no room for a broken probe"},
    {"not creatable", u"object A: TProbe\n object L: TProbeLayout\n end\nend",
     "Line 2: class TProbeLayout cannot be created"},
    {"unknown reference", u"object A: TProbe\n object B: TProbe\n  Partner = Nobody\n end\nend",
     "Line 3: component Nobody not found for property Partner"},
    {"reference to wrong class", u"object A: TProbe\n object B: TProbe\n  Partner = C\n end\n"
                                 u" object C: TComponent\n end\nend",
     "Line 3: property Partner: Component C of class TComponent cannot be assigned to Partner"},
    {"reference as string", u"object A: TProbe\n  Partner = 'B'\nend",
     "Line 2: component name expected for Partner"},
    {"event as number", u"object A: TProbe\n  OnPing = 1\nend",
     "Line 2: event handler name expected for OnPing"},
};

std::string Depth(int levels) {
  std::string text;
  for (int i = 0; i < levels; ++i) text += "object TProbe\n";
  for (int i = 0; i < levels; ++i) text += "end\n";
  return text;
}

}  // namespace

TEST(FormBadInput, EachCaseNamesTheLineAndLeaksNothing) {
  for (const BadForm& bad : kBadForms) {
    TProbeScope scope;
    std::string message;
    try {
      std::unique_ptr<TComponent> c(ReadComponentFromText(bad.text));
      ADD_FAILURE() << bad.what << ": read without error";
    } catch (const EReadError& e) {
      message = e.what();
    }
    EXPECT_EQ(message.rfind("Line ", 0), 0u) << bad.what << ": " << message;
    EXPECT_NE(message.find(bad.message), std::string::npos) << bad.what << ": " << message;
    EXPECT_EQ(scope.Leaked(), 0) << bad.what;
  }
}

TEST(FormBadInput, ErrorClassesTellSyntaxFromMeaning) {
  EXPECT_THROW(ReadComponentFromText(u"object A: TProbe\n Title = 'x\nend"), EParserError);
  EXPECT_THROW(ReadComponentFromText(u"object A: TNoSuch\nend"), EClassNotFound);
  EXPECT_THROW(ReadComponentFromText(u"object A: TProbe\n Bogus = 1\nend"), EReadError);
  // All of them are framework exceptions.
  EXPECT_THROW(ReadComponentFromText(u"object"), Exception);
}

TEST(FormBadInput, NestingIsLimited) {
  TProbeScope scope;
  std::unique_ptr<TComponent> ok(ReadComponentFromText(FromUTF8(Depth(64))));
  EXPECT_EQ(scope.Leaked(), 64);
  ok.reset();
  try {
    ReadComponentFromText(FromUTF8(Depth(65)));
    ADD_FAILURE() << "65 levels were read";
  } catch (const EParserError& e) {
    EXPECT_STREQ(e.what(), "Line 65: objects nested too deeply (at most 64 levels)");
  }
  // Far deeper input fails the same way, without exhausting the stack.
  EXPECT_THROW(ReadComponentFromText(FromUTF8(Depth(100000))), EParserError);
  EXPECT_EQ(scope.Leaked(), 0);
}

TEST(FormBadInput, FailedReadIntoExistingRootFreesOnlyWhatItCreated) {
  TProbeScope scope;
  {
    TProbe root(nullptr);
    root.SetCount(2);
    auto* mine = new TProbe(&root);
    mine->SetName(u"Mine");
    EXPECT_THROW(ReadComponentFromText(u"object R: TProbe\n Count = 5\n object A: TProbe\n end\n"
                                       u" object B: TProbe\n  Count = 'x'\n end\nend",
                                       &root),
                 EReadError);
    ASSERT_EQ(root.ComponentCount(), 1);
    EXPECT_EQ(root.Components(0), mine);
    // Values already applied to the root itself are put back, and so is the
    // loading state.
    EXPECT_EQ(root.Count(), 2);
    EXPECT_FALSE(root.ComponentState().Contains(csLoading));
    EXPECT_EQ(scope.Leaked(), 2);
  }
  EXPECT_EQ(scope.Leaked(), 0);
}

TEST(FormBadInput, FailedReadWithOwnerRemovesTheRootFromIt) {
  TComponent owner(nullptr);
  EXPECT_THROW(ReadComponentFromText(u"object R: TProbe\n Count = 'x'\nend", nullptr, &owner),
               EReadError);
  EXPECT_EQ(owner.ComponentCount(), 0);
}

TEST(FormBadInput, InvalidUtf8NamesItsLine) {
  TStringStream stream(std::string_view("object A: TProbe\n  Title = '\xff'\nend\n"));
  try {
    ReadComponentFromStream(stream);
    ADD_FAILURE() << "invalid UTF-8 was read";
  } catch (const EParserError& e) {
    EXPECT_STREQ(e.what(), "Line 2: invalid UTF-8 text");
  }
}

TEST(FormBadInput, WritingNothingIsRefused) {
  EXPECT_THROW(WriteComponentToText(nullptr), EWriteError);
}
