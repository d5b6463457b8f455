#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "platform/Classes.h"

using namespace vcl;

namespace {

// Records the notifications it hears.
class Probe : public TComponent {
 public:
  Probe(TComponent* owner, std::vector<std::string>* log, const char* tag)
      : TComponent(owner), log_(log), tag_(tag) {}
  ~Probe() override { log_->push_back(std::string("free ") + tag_); }
  void Notification(TComponent* c, TOperation op) override {
    TComponent::Notification(c, op);
    if (c != this) log_->push_back(tag_ + std::string(op == opInsert ? " +" : " -") + ToUTF8(c->Name()));
  }
  void Loaded() override {
    TComponent::Loaded();
    log_->push_back(std::string("loaded ") + tag_);
  }

 private:
  std::vector<std::string>* log_;
  std::string tag_;
};

class Point3 : public TPersistent {
 public:
  int x = 0;
  void Assign(TPersistent* s) override {
    if (auto* p = dynamic_cast<Point3*>(s)) { x = p->x; return; }
    TPersistent::Assign(s);
  }
};

}  // namespace

TEST(Component, OwnerFreesOwnedLastFirstAndNotifies) {
  std::vector<std::string> log;
  {
    auto owner = std::make_unique<Probe>(nullptr, &log, "owner");
    auto* a = new Probe(owner.get(), &log, "a");
    a->SetName(u"A");
    auto* b = new Probe(owner.get(), &log, "b");
    b->SetName(u"B");
    EXPECT_EQ(owner->ComponentCount(), 2);
    EXPECT_EQ(owner->FindComponent(u"b"), b);  // names compare case-insensitively
    EXPECT_EQ(owner->FindComponent(u"C"), nullptr);
    EXPECT_EQ(b->ComponentIndex(), 1);
    log.clear();
  }
  std::vector<std::string> expected{"free owner", "free b", "free a"};
  EXPECT_EQ(log, expected);
}

TEST(Component, RemovalNotifiesOwnerAndSiblings) {
  std::vector<std::string> log;
  auto owner = std::make_unique<Probe>(nullptr, &log, "owner");
  auto* a = new Probe(owner.get(), &log, "a");
  auto* b = new Probe(owner.get(), &log, "b");
  b->SetName(u"B");
  log.clear();
  delete b;
  // The owner and its remaining component both hear of the removal.
  ASSERT_GE(log.size(), 3u);
  EXPECT_EQ(log[0], "free b");
  EXPECT_NE(std::find(log.begin(), log.end(), "owner -B"), log.end());
  EXPECT_NE(std::find(log.begin(), log.end(), "a -B"), log.end());
  EXPECT_EQ(owner->ComponentCount(), 1);
  EXPECT_EQ(owner->Components(0), a);
  EXPECT_THROW(owner->Components(1), EListError);
}

TEST(Component, NamesAreIdentifiersAndUniquePerOwner) {
  TComponent owner(nullptr);
  auto* a = new TComponent(&owner);
  a->SetName(u"Meter1");
  auto* b = new TComponent(&owner);
  EXPECT_THROW(b->SetName(u"meter1"), EComponentError);
  EXPECT_THROW(b->SetName(u"1abc"), EComponentError);
  EXPECT_EQ(b->Name(), u"");
  b->SetName(u"_x9");
  EXPECT_EQ(b->Name(), u"_x9");
}

TEST(Component, FreeNotificationAcrossOwners) {
  std::vector<std::string> log;
  auto watcher = std::make_unique<Probe>(nullptr, &log, "w");
  auto* watched = new Probe(nullptr, &log, "x");
  watched->SetName(u"X");
  watcher->FreeNotification(watched);
  log.clear();
  delete watched;
  EXPECT_NE(std::find(log.begin(), log.end(), "w -X"), log.end());
}

TEST(Component, LoadingStateEndsWithLoaded) {
  std::vector<std::string> log;
  Probe p(nullptr, &log, "p");
  p.SetLoading(true);
  EXPECT_TRUE(p.ComponentState().Contains(csLoading));
  p.Loaded();
  EXPECT_FALSE(p.ComponentState().Contains(csLoading));
  EXPECT_EQ(log.back(), "loaded p");
}

TEST(Component, DesigningPassesToOwnedComponents) {
  TComponent owner(nullptr);
  owner.SetDesigning(true);
  auto* c = new TComponent(&owner);
  EXPECT_TRUE(c->ComponentState().Contains(csDesigning));
}

TEST(Persistent, AssignErrorNamesBothClasses) {
  Point3 p;
  TComponent c(nullptr);
  try {
    p.Assign(&c);
    FAIL() << "no exception";
  } catch (const EConvertError& e) {
    EXPECT_EQ(e.Message(), u"Cannot assign a TComponent to a Point3");
  }
  Point3 q;
  q.x = 7;
  p.Assign(&q);
  EXPECT_EQ(p.x, 7);
}

TEST(Streams, MemoryStreamReadWriteSeek) {
  TMemoryStream m;
  m.WriteBuffer("hello", 5);
  EXPECT_EQ(m.Size(), 5);
  m.SetPosition(1);
  char buf[8] = {};
  EXPECT_EQ(m.Read(buf, 8), 4);
  EXPECT_EQ(std::string(buf), "ello");
  m.SetPosition(4);
  EXPECT_THROW(m.ReadBuffer(buf, 2), EReadError);
  m.SetSize(2);
  EXPECT_EQ(m.Position(), 2);
}

TEST(Streams, FileStreamRoundTripAndErrors) {
  std::string dir = VYR_TEST_TMP;
  std::system(("mkdir -p '" + dir + "'").c_str());
  String path = FromUTF8(dir + "/stream.bin");
  {
    TFileStream f(path, fmCreate);
    f.WriteBuffer("abc", 3);
  }
  TMemoryStream m;
  m.LoadFromFile(path);
  EXPECT_EQ(m.Size(), 3);
  try {
    TFileStream g(FromUTF8(dir + "/missing/none.bin"), fmOpenRead);
    FAIL();
  } catch (const EFOpenError& e) {
    EXPECT_NE(e.Message().find(u"none.bin"), String::npos);
  }
}

TEST(Text, Utf8RoundTripAndRepair) {
  String s = u"Grüße \u4E2D\U0001F600";
  EXPECT_EQ(FromUTF8(ToUTF8(s)), s);
  EXPECT_EQ(ToUTF8(u"\u00E9"), "\xC3\xA9");
  // Broken input becomes replacement characters, never a crash.
  EXPECT_EQ(FromUTF8("a\xC3"), u"a\uFFFD");
  EXPECT_EQ(FromUTF8("\xE0\x80\x80"), u"\uFFFD");
  String lone(1, char16_t(0xD800));
  EXPECT_EQ(ToUTF8(lone), "\xEF\xBF\xBD");
  TStringStream ss(u"z\u00E9");
  EXPECT_EQ(ss.Size(), 3);
  EXPECT_EQ(ss.DataString(), u"z\u00E9");
}

TEST(Types, SetsAndRects) {
  enum E : std::uint8_t { e0, e1, e2, e3 };
  Set<E> s{e0, e2};
  s << e3 >> e0;
  EXPECT_FALSE(s.Contains(e0));
  EXPECT_TRUE(s.Contains(e2));
  EXPECT_TRUE(s.Contains(e3));
  EXPECT_EQ(s - Set<E>{e3}, Set<E>{e2});
  EXPECT_EQ((s & Set<E>{e1, e2}), Set<E>{e2});
  EXPECT_EQ((Set<E>{e1} | Set<E>{e2}), (Set<E>{e1, e2}));
  TRect r = Rect(0, 0, 10, 5);
  EXPECT_TRUE(r.Contains({9, 4}));
  EXPECT_FALSE(r.Contains({10, 4}));
  EXPECT_EQ(r.Intersect(Rect(5, 2, 20, 20)), Rect(5, 2, 10, 5));
  EXPECT_TRUE(r.Intersect(Rect(10, 0, 12, 5)).IsEmpty());
}
