#include <memory>
#include <random>
#include <vector>

#include "RuntimeTestSupport.h"
#include "platform/Classes.h"

using namespace vcl;

namespace {

std::vector<String> Items(const TStrings& list) {
  std::vector<String> r;
  for (int i = 0; i < list.Count(); ++i) r.push_back(list.Strings(i));
  return r;
}

// Counts its destructions, to check who frees the objects of a list.
class Counted : public TObject {
 public:
  explicit Counted(int* deaths) : deaths_(deaths) {}
  ~Counted() override { ++*deaths_; }

 private:
  int* deaths_;
};

}  // namespace

TEST(StringList, AddInsertDeleteAndIndexErrors) {
  TStringList list;
  EXPECT_EQ(list.Add(u"b"), 0);
  EXPECT_EQ(list.Add(u"c"), 1);
  list.Insert(0, u"a");
  list.Insert(3, u"d");
  EXPECT_EQ(Items(list), (std::vector<String>{u"a", u"b", u"c", u"d"}));
  EXPECT_EQ(list[2], u"c");
  list.SetStrings(2, u"C");
  list.Delete(0);
  EXPECT_EQ(Items(list), (std::vector<String>{u"b", u"C", u"d"}));
  EXPECT_THROW(list.Strings(3), EListError);
  EXPECT_THROW(list.Delete(-1), EListError);
  EXPECT_THROW(list.Insert(5, u"x"), EListError);
  EXPECT_THROW(list.Objects(3), EListError);
  try {
    list.Strings(5);
    FAIL();
  } catch (const EListError& e) {
    EXPECT_EQ(e.Message(), u"List index out of bounds (5)");
  }
  EXPECT_EQ(list.Count(), 3);
  list.Clear();
  EXPECT_EQ(list.Count(), 0);
}

TEST(StringList, ObjectsFollowTheirStrings) {
  TStringList list;
  TObject a, b;
  list.AddObject(u"a", &a);
  list.AddObject(u"b", &b);
  list.Add(u"c");
  list.Exchange(0, 1);
  EXPECT_EQ(list.Objects(0), &b);
  EXPECT_EQ(list.IndexOfObject(&a), 1);
  list.Move(0, 2);  // b goes last
  EXPECT_EQ(Items(list), (std::vector<String>{u"a", u"c", u"b"}));
  EXPECT_EQ(list.Objects(2), &b);
  list.Move(2, 0);
  EXPECT_EQ(Items(list), (std::vector<String>{u"b", u"a", u"c"}));
  EXPECT_EQ(list.IndexOfObject(nullptr), 2);
  EXPECT_EQ(list.IndexOf(u"A"), 1);  // case-insensitive by default
  EXPECT_EQ(list.IndexOf(u"x"), -1);
}

TEST(StringList, TextSplitsAtEveryLineEnd) {
  TStringList list;
  list.SetText(u"a\r\nb\rc\nd");
  EXPECT_EQ(Items(list), (std::vector<String>{u"a", u"b", u"c", u"d"}));
  list.SetText(u"a\n\nb\n");
  EXPECT_EQ(Items(list), (std::vector<String>{u"a", u"", u"b"}));
  list.SetText(u"\n");
  EXPECT_EQ(Items(list), (std::vector<String>{u""}));
  list.SetText(u"");
  EXPECT_EQ(list.Count(), 0);
  list.SetText(u"x\r\r\ny");
  EXPECT_EQ(Items(list), (std::vector<String>{u"x", u"", u"y"}));
}

TEST(StringList, TextJoinsWithTheLineBreak) {
  TStringList list;
  list.Add(u"a");
  list.Add(u"b");
  EXPECT_EQ(list.Text(), String(u"a") + sLineBreak + u"b" + sLineBreak);
  EXPECT_EQ(list.Text(), u"a\nb\n");
  list.SetTrailingLineBreak(false);
  EXPECT_EQ(list.Text(), u"a\nb");
  list.SetLineBreak(u"\r\n");
  EXPECT_EQ(list.Text(), u"a\r\nb");
  TStringList copy;
  copy.SetText(list.Text());
  EXPECT_TRUE(copy.Equals(&list));
}

TEST(StringList, CommaTextQuotesWhatNeedsIt) {
  TStringList list;
  for (const char16_t* s : {u"a", u"b c", u"", u"d\"e", u"f,g", u"tab\there"}) list.Add(s);
  EXPECT_EQ(list.CommaText(), u"a,\"b c\",,\"d\"\"e\",\"f,g\",\"tab\there\"");
  TStringList back;
  back.SetCommaText(list.CommaText());
  EXPECT_EQ(Items(back), Items(list));
  TStringList single;
  single.Add(u"");
  EXPECT_EQ(single.CommaText(), u"\"\"");
  back.SetCommaText(single.CommaText());
  EXPECT_EQ(Items(back), (std::vector<String>{u""}));
}

TEST(StringList, CommaTextReading) {
  TStringList list;
  list.SetCommaText(u"a, b ,\"c d\"");
  EXPECT_EQ(Items(list), (std::vector<String>{u"a", u"b", u"c d"}));
  list.SetCommaText(u"a b");  // blanks separate too
  EXPECT_EQ(Items(list), (std::vector<String>{u"a", u"b"}));
  list.SetCommaText(u"a,");
  EXPECT_EQ(Items(list), (std::vector<String>{u"a", u""}));
  list.SetCommaText(u",a");
  EXPECT_EQ(Items(list), (std::vector<String>{u"", u"a"}));
  list.SetCommaText(u"\"abc");  // unterminated: the rest
  EXPECT_EQ(Items(list), (std::vector<String>{u"abc"}));
  list.SetCommaText(u"\"ab\"cd");
  EXPECT_EQ(Items(list), (std::vector<String>{u"ab", u"cd"}));
  list.SetCommaText(u"  ");
  EXPECT_EQ(list.Count(), 0);
  list.SetCommaText(String(u"a") + Char(0) + u"b");  // a NUL acts as a blank
  EXPECT_EQ(Items(list), (std::vector<String>{u"a", u"b"}));
}

TEST(StringList, DelimitedTextWithStrictDelimiter) {
  TStringList list;
  list.SetDelimiter(u';');
  list.SetStrictDelimiter(true);
  list.SetDelimitedText(u"a b;c;;'x'");
  EXPECT_EQ(Items(list), (std::vector<String>{u"a b", u"c", u"", u"'x'"}));
  list.Clear();
  list.Add(u"a b");
  list.Add(u"c;d");
  EXPECT_EQ(list.DelimitedText(), u"a b;\"c;d\"");
  list.SetQuoteChar(u'\'');
  list.SetDelimitedText(u"'p;q';r");
  EXPECT_EQ(Items(list), (std::vector<String>{u"p;q", u"r"}));
  EXPECT_EQ(list.CommaText(), u"p;q,r");  // comma text keeps its own characters
  list.SetCommaText(u"a b,c");            // but the list's strictness
  EXPECT_EQ(Items(list), (std::vector<String>{u"a b", u"c"}));
}

TEST(StringList, BlankDelimiterKeepsEmptyItems) {
  TStringList list;
  list.SetDelimiter(u' ');
  list.SetCommaText(u"a,,b");
  EXPECT_EQ(list.DelimitedText(), u"a \"\" b");
  TStringList back;
  back.SetDelimiter(u' ');
  back.SetDelimitedText(list.DelimitedText());
  EXPECT_EQ(Items(back), Items(list));
}

TEST(StringList, SortedListsKeepOrderAndHandleDuplicates) {
  TStringList list;
  list.SetCommaText(u"pear,apple,fig");
  list.SetSorted(true);
  EXPECT_EQ(Items(list), (std::vector<String>{u"apple", u"fig", u"pear"}));
  EXPECT_EQ(list.Add(u"grape"), 2);
  EXPECT_EQ(list.Add(u"APPLE"), 0);  // dupIgnore: the existing index
  EXPECT_EQ(list.Count(), 4);
  list.SetDuplicates(dupError);
  EXPECT_THROW(list.Add(u"fig"), EStringListError);
  EXPECT_THROW(list.Add(u"fig"), EListError);
  EXPECT_EQ(list.Count(), 4);
  list.SetDuplicates(dupAccept);
  list.Add(u"fig");
  EXPECT_EQ(list.Count(), 5);
  EXPECT_THROW(list.Insert(0, u"z"), EStringListError);
  EXPECT_THROW(list.SetStrings(0, u"z"), EStringListError);
  int at = -1;
  EXPECT_TRUE(list.Find(u"GRAPE", at));
  EXPECT_EQ(list.Strings(at), u"grape");
  EXPECT_FALSE(list.Find(u"kiwi", at));
  EXPECT_EQ(at, 4);  // where it would go
}

TEST(StringList, FindReturnsTheFirstOfEqualItems) {
  TStringList list;
  list.SetSorted(true);
  list.SetDuplicates(dupAccept);
  for (const char16_t* s : {u"b", u"a", u"b", u"c", u"b"}) list.Add(s);
  EXPECT_EQ(list.Count(), 5);
  int at = -1;
  EXPECT_TRUE(list.Find(u"b", at));
  EXPECT_EQ(at, 1);
  EXPECT_EQ(list.IndexOf(u"b"), 1);
  EXPECT_FALSE(list.Find(u"bb", at));
  EXPECT_EQ(at, 4);
}

TEST(StringList, CaseSensitivity) {
  TStringList list;
  list.SetCommaText(u"b,B,a,A");
  list.Sort();  // stable: equal items keep their order
  EXPECT_EQ(Items(list), (std::vector<String>{u"a", u"A", u"b", u"B"}));
  EXPECT_EQ(list.IndexOf(u"B"), 2);
  list.SetCaseSensitive(true);
  EXPECT_EQ(list.IndexOf(u"B"), 3);
  list.SetCommaText(u"B,b,A,a");
  list.SetSorted(true);
  EXPECT_EQ(Items(list), (std::vector<String>{u"a", u"A", u"b", u"B"}));
}

TEST(StringList, CustomSortAndARandomComparison) {
  TStringList list;
  list.SetCommaText(u"ccc,a,bb,dddd");
  list.CustomSort([](TStringList* l, int i, int j) {
    return static_cast<int>(l->Strings(j).size()) - static_cast<int>(l->Strings(i).size());
  });
  EXPECT_EQ(Items(list), (std::vector<String>{u"dddd", u"ccc", u"bb", u"a"}));
  // A comparison that contradicts itself gives some order, never a crash.
  for (int i = 0; i < 200; ++i) list.Add(IntToStr(i));
  std::mt19937 random(7);
  list.CustomSort([&random](TStringList*, int, int) { return static_cast<int>(random() % 3) - 1; });
  EXPECT_EQ(list.Count(), 204);
  EXPECT_NE(list.IndexOf(u"199"), -1);
  EXPECT_NE(list.IndexOf(u"dddd"), -1);
}

TEST(StringList, NamesAndValues) {
  TStringList list;
  list.SetText(u"a=1\nb=2\nc\nd=x=y");
  EXPECT_EQ(list.Names(0), u"a");
  EXPECT_EQ(list.Names(2), u"");
  EXPECT_EQ(list.Values(u"B"), u"2");
  EXPECT_EQ(list.Values(u"d"), u"x=y");
  EXPECT_EQ(list.Values(u"zz"), u"");
  EXPECT_EQ(list.ValueFromIndex(2), u"");
  EXPECT_EQ(list.IndexOfName(u"d"), 3);
  list.SetValues(u"b", u"3");
  list.SetValues(u"e", u"4");
  list.SetValues(u"a", u"");
  EXPECT_EQ(list.Text(), u"b=3\nc\nd=x=y\ne=4\n");
  list.AddPair(u"f", u"5");
  list.SetValueFromIndex(0, u"9");
  EXPECT_EQ(list.Strings(0), u"b=9");
  EXPECT_EQ(list.Values(u"f"), u"5");
  list.SetNameValueSeparator(u':');
  list.Add(u"g:7");
  EXPECT_EQ(list.Values(u"g"), u"7");
}

TEST(StringList, AssignCopiesEverythingOrNothing) {
  TStringList source;
  source.SetCommaText(u"b,a");
  source.SetSorted(true);
  source.SetDelimiter(u';');
  TStringList copy;
  copy.Add(u"old");
  copy.Assign(&source);
  EXPECT_EQ(Items(copy), (std::vector<String>{u"a", u"b"}));
  EXPECT_TRUE(copy.Sorted());
  EXPECT_EQ(copy.Delimiter(), u';');
  EXPECT_TRUE(copy.Equals(&source));
  copy.Add(u"c");
  EXPECT_FALSE(copy.Equals(&source));
  TComponent notAList(nullptr);
  EXPECT_THROW(copy.Assign(&notAList), EConvertError);
  EXPECT_EQ(copy.Count(), 3);
  // A sorted list that refuses duplicates refuses the whole new text and
  // keeps what it had.
  TStringList strict;
  strict.SetSorted(true);
  strict.SetDuplicates(dupError);
  strict.SetText(u"keep\nme");
  EXPECT_THROW(strict.SetText(u"x\ny\nx"), EStringListError);
  EXPECT_EQ(Items(strict), (std::vector<String>{u"keep", u"me"}));
  strict.SetDuplicates(dupIgnore);
  strict.SetText(u"x\ny\nX");
  EXPECT_EQ(Items(strict), (std::vector<String>{u"x", u"y"}));
  strict.AddStrings(&strict);  // adding a list to itself ends
  EXPECT_EQ(strict.Count(), 2);
}

TEST(StringList, ChangeEventsFireOncePerUpdate) {
  TStringList list;
  int changing = 0, changed = 0;
  list.SetOnChanging([&](TObject* sender) {
    EXPECT_EQ(sender, &list);
    ++changing;
  });
  list.SetOnChange([&](TObject*) { ++changed; });
  list.Add(u"a");
  EXPECT_EQ(changing, 1);
  EXPECT_EQ(changed, 1);
  list.BeginUpdate();
  list.BeginUpdate();
  list.Add(u"b");
  list.Add(u"c");
  list.EndUpdate();
  EXPECT_EQ(changed, 1);  // still inside the outer update
  list.EndUpdate();
  EXPECT_EQ(changing, 2);
  EXPECT_EQ(changed, 2);
  list.SetText(u"x\ny\nz");
  list.SetCommaText(u"p,q");
  EXPECT_EQ(changed, 4);
  list.EndUpdate();  // unbalanced: ignored
  list.Clear();
  EXPECT_EQ(changed, 5);
  list.Clear();  // nothing to clear: no event
  EXPECT_EQ(changed, 5);
}

TEST(StringList, OwnedObjectsAreFreed) {
  int deaths = 0;
  {
    TStringList list(true);
    list.AddObject(u"a", new Counted(&deaths));
    list.AddObject(u"b", new Counted(&deaths));
    list.AddObject(u"c", new Counted(&deaths));
    list.AddObject(u"d", new Counted(&deaths));
    list.Delete(0);
    EXPECT_EQ(deaths, 1);
    list.Move(0, 2);  // moving keeps the object alive
    EXPECT_EQ(deaths, 1);
    Counted spare(&deaths);
    TObject* old = list.Objects(0);
    list.SetObjects(0, &spare);  // replacing does not free
    EXPECT_EQ(deaths, 1);
    list.SetObjects(0, old);
    list.SetText(u"x");  // new content frees the old objects
    EXPECT_EQ(deaths, 4);
    list.AddObject(u"y", new Counted(&deaths));
  }
  EXPECT_EQ(deaths, 6);  // the list's last object and the spare
  {
    // Content assigned back from a copy keeps the objects it still holds.
    TStringList owner(true);
    owner.AddObject(u"a", new Counted(&deaths));
    TStringList copy;
    copy.Assign(&owner);
    owner.Assign(&copy);
    EXPECT_EQ(deaths, 6);
    EXPECT_NE(owner.Objects(0), nullptr);
  }
  EXPECT_EQ(deaths, 7);
  TStringList notOwning;
  Counted kept(&deaths);
  notOwning.AddObject(u"k", &kept);
  notOwning.Clear();
  EXPECT_EQ(deaths, 7);
}

TEST(StringList, FilesAndStreamsInUtf8AndUtf16) {
  std::string dir = ScratchDir("lists");
  String path = FromUTF8(dir + "/lines.txt");
  TStringList list;
  list.SetText(u"grüße\n\u4E2D\U0001F600\n");
  list.SaveToFile(path);
  TStringList back;
  back.LoadFromFile(path);
  EXPECT_TRUE(back.Equals(&list));
  EXPECT_EQ(FileSize(path), static_cast<std::int64_t>(ToUTF8(list.Text()).size()));

  auto load = [](std::string_view bytes) {
    TMemoryStream m;
    m.WriteBuffer(bytes.data(), static_cast<std::int64_t>(bytes.size()));
    m.SetPosition(0);
    TStringList l;
    l.LoadFromStream(&m);
    return Items(l);
  };
  using V = std::vector<String>;
  EXPECT_EQ(load("\xEF\xBB\xBF"
                 "a\nb"),
            (V{u"a", u"b"}));
  EXPECT_EQ(load(std::string_view("\xFF\xFE"
                                  "a\0\n\0\xE9\0",
                                  8)),
            (V{u"a", u"\u00E9"}));
  EXPECT_EQ(load(std::string_view("\xFE\xFF\0a\0\r\0\n\0b", 10)), (V{u"a", u"b"}));
  EXPECT_EQ(load(std::string_view("\xFF\xFE"
                                  "a\0b",
                                  5)),
            (V{u"a\uFFFD"}));  // a dangling byte
  EXPECT_EQ(load("caf\xC3\xA9\r\nx\xFF"), (V{u"caf\u00E9", u"x\uFFFD"}));

  TMemoryStream out;
  list.SetWriteBOM(true);
  list.SaveToStream(&out);
  EXPECT_EQ(out.Size(), static_cast<std::int64_t>(3 + ToUTF8(list.Text()).size()));
  EXPECT_EQ(static_cast<const std::uint8_t*>(out.Memory())[0], 0xEF);
}

TEST(StringList, FailedLoadKeepsTheList) {
  TStringList list;
  list.SetCommaText(u"keep,these");
  std::string dir = ScratchDir("lists_missing");
  EXPECT_THROW(list.LoadFromFile(FromUTF8(dir + "/missing.txt")), EFOpenError);
  EXPECT_EQ(Items(list), (std::vector<String>{u"keep", u"these"}));
}
