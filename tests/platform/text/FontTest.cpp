// TFont attributes, notifications and the logical-font handles behind it.
#include <gtest/gtest.h>

#include <cstring>
#include <memory>

#include "platform/Font.h"

using namespace vcl;

namespace {

LOGFONTW ObjectOf(HFONT h) {
  LOGFONTW lf;
  EXPECT_EQ(GetObject(h, sizeof(lf), &lf), static_cast<int>(sizeof(lf)));
  return lf;
}

String FaceName(const LOGFONTW& lf) { return String(lf.lfFaceName); }

}  // namespace

TEST(Font, DefaultsDescribeEightPointTahomaAtNinetySixDpi) {
  TFont f;
  EXPECT_EQ(f.Name(), u"Tahoma");
  EXPECT_EQ(f.Size(), 8);
  EXPECT_EQ(f.Height(), -11);  // -MulDiv(8, 96, 72) = -10.67 rounded away from zero
  EXPECT_EQ(f.Color(), clWindowText);
  EXPECT_TRUE(f.Style().Empty());
  EXPECT_EQ(f.Quality(), fqDefault);
  const LOGFONTW lf = ObjectOf(f.Handle());
  EXPECT_EQ(lf.lfHeight, -11);
  EXPECT_EQ(lf.lfWeight, FW_NORMAL);
  EXPECT_EQ(FaceName(lf), u"Tahoma");
}

TEST(Font, SizeAndHeightConvertThroughNinetySixDpi) {
  TFont f;
  for (int size : {1, 6, 8, 9, 10, 11, 12, 14, 20, 36, 72}) {
    f.SetSize(size);
    EXPECT_EQ(f.Height(), -(size * 96 * 2 + 72) / 144) << size;  // halves away from zero
    EXPECT_EQ(f.Size(), size) << size;
  }
  f.SetHeight(-16);
  EXPECT_EQ(f.Size(), 12);
  f.SetHeight(20);  // a cell height reads as a negative point size, as the framework's does
  EXPECT_EQ(f.Size(), -15);
}

TEST(Font, OnChangeFiresOncePerRealChange) {
  TFont f;
  int changes = 0;
  TObject* sender = nullptr;
  f.SetOnChange([&](TObject* s) {
    ++changes;
    sender = s;
  });
  f.SetSize(12);
  f.SetName(u"DejaVu Serif");
  f.SetColor(clRed);
  f.SetStyle({fsBold, fsUnderline});
  f.SetOrientation(450);
  f.SetQuality(fqAntialiased);
  f.SetPitch(fpFixed);
  f.SetCharset(0);
  EXPECT_EQ(changes, 8);
  EXPECT_EQ(sender, &f);
  // The same values again change nothing and stay silent.
  f.SetSize(12);
  f.SetName(u"DejaVu Serif");
  f.SetColor(clRed);
  f.SetStyle({fsUnderline, fsBold});
  f.SetOrientation(450);
  f.SetQuality(fqAntialiased);
  EXPECT_EQ(changes, 8);
}

TEST(Font, EmptyNameIsIgnoredAndLongNamesAreCut) {
  TFont f;
  f.SetName(u"");
  EXPECT_EQ(f.Name(), u"Tahoma");
  const String longName(40, u'x');
  f.SetName(longName);
  EXPECT_EQ(f.Name(), longName.substr(0, 31));
  EXPECT_EQ(FaceName(ObjectOf(f.Handle())), longName.substr(0, 31));
}

TEST(Font, HandleReflectsEveryAttribute) {
  TFont f;
  f.SetName(u"DejaVu Sans Mono");
  f.SetHeight(-20);
  f.SetStyle({fsBold, fsItalic, fsUnderline, fsStrikeOut});
  f.SetOrientation(900);
  f.SetQuality(fqAntialiased);
  f.SetPitch(fpFixed);
  const LOGFONTW lf = ObjectOf(f.Handle());
  EXPECT_EQ(FaceName(lf), u"DejaVu Sans Mono");
  EXPECT_EQ(lf.lfHeight, -20);
  EXPECT_EQ(lf.lfWeight, FW_BOLD);
  EXPECT_TRUE(lf.lfItalic && lf.lfUnderline && lf.lfStrikeOut);
  EXPECT_EQ(lf.lfEscapement, 900);
  EXPECT_EQ(lf.lfOrientation, 900);
  EXPECT_EQ(lf.lfQuality, ANTIALIASED_QUALITY);
  EXPECT_EQ(lf.lfPitchAndFamily & 3, 1);  // FIXED_PITCH
}

TEST(Font, ChangingAnAttributeReplacesTheHandleButColorDoesNot) {
  TFont f;
  const LOGFONTW before = ObjectOf(f.Handle());
  f.SetColor(clRed);
  EXPECT_EQ(ObjectOf(f.Handle()).lfHeight, before.lfHeight);
  f.SetSize(20);
  EXPECT_EQ(ObjectOf(f.Handle()).lfHeight, -27);
}

// The rotated-label pattern: read the logical font, turn it, hand a new
// handle back to the font.
TEST(Font, LogicalFontRoundTripsThroughCreateFontIndirectAndSetHandle) {
  TFont f;
  f.SetName(u"DejaVu Serif");
  f.SetSize(11);
  f.SetStyle({fsItalic});
  LOGFONTW lf;
  ASSERT_EQ(GetObject(f.Handle(), sizeof(LOGFONTW), &lf), static_cast<int>(sizeof(LOGFONTW)));
  lf.lfEscapement = lf.lfOrientation = 300;
  lf.lfQuality = ANTIALIASED_QUALITY;
  lf.lfWidth = 7;  // not an attribute of TFont, but kept in the handle
  int changes = 0;
  f.SetOnChange([&](TObject*) { ++changes; });
  HFONT h = CreateFontIndirect(&lf);
  f.SetHandle(h);
  EXPECT_EQ(changes, 1);
  EXPECT_EQ(f.Handle(), h);
  EXPECT_EQ(f.Escapement(), 300);
  EXPECT_EQ(f.Orientation(), 300);
  EXPECT_EQ(f.Quality(), fqAntialiased);
  EXPECT_EQ(f.Name(), u"DejaVu Serif");
  EXPECT_EQ(f.Size(), 11);
  EXPECT_TRUE(f.Style().Contains(fsItalic));
  EXPECT_FALSE(f.Style().Contains(fsBold));
  const LOGFONTW back = ObjectOf(f.Handle());
  EXPECT_EQ(std::memcmp(&back, &lf, sizeof(lf)), 0);
}

TEST(Font, SetHandleAdoptsWeightAsBoldAndRefusesUnknownHandles) {
  LOGFONTW lf;
  lf.lfWeight = 800;
  lf.lfHeight = -30;
  TFont f;
  f.SetHandle(CreateFontIndirect(&lf));
  EXPECT_TRUE(f.Style().Contains(fsBold));
  EXPECT_EQ(f.Height(), -30);
  EXPECT_EQ(f.Name(), u"Tahoma");  // an empty face name leaves the name alone

  HFONT bogus = reinterpret_cast<HFONT>(&lf);
  const HFONT before = f.Handle();
  f.SetHandle(bogus);
  f.SetHandle(nullptr);
  EXPECT_EQ(f.Handle(), before);
  EXPECT_EQ(f.Height(), -30);
}

TEST(Font, HandleCallsRefuseUnknownAndOwnedHandles) {
  LOGFONTW lf;
  lf.lfHeight = -13;
  HFONT h = CreateFontIndirect(&lf);
  LOGFONTW out;
  EXPECT_EQ(GetObject(h, 0, &out), 0);
  EXPECT_EQ(GetObject(h, sizeof(out), nullptr), static_cast<int>(sizeof(LOGFONTW)));
  EXPECT_EQ(GetObject(h, 4, &out), 4);  // a short buffer gets what fits
  EXPECT_EQ(out.lfHeight, -13);
  EXPECT_TRUE(DeleteObject(h));
  EXPECT_FALSE(DeleteObject(h));  // already gone
  EXPECT_EQ(GetObject(h, sizeof(out), &out), 0);
  EXPECT_EQ(CreateFontIndirect(nullptr), nullptr);

  TFont f;
  HFONT owned = f.Handle();
  EXPECT_FALSE(DeleteObject(owned));  // the font frees it
  EXPECT_EQ(GetObject(owned, sizeof(out), &out), static_cast<int>(sizeof(out)));
}

TEST(Font, AHandleOwnedByAnotherFontIsCopiedNotShared) {
  auto a = std::make_unique<TFont>();
  a->SetSize(14);
  TFont b;
  b.SetHandle(a->Handle());
  EXPECT_NE(b.Handle(), a->Handle());
  EXPECT_EQ(b.Size(), 14);
  a.reset();  // frees a's handle; b's must live on
  LOGFONTW lf;
  EXPECT_EQ(GetObject(b.Handle(), sizeof(lf), &lf), static_cast<int>(sizeof(lf)));
  EXPECT_EQ(lf.lfHeight, -19);
}

TEST(Font, AssignCopiesAttributesAndAdoptedLogicalFont) {
  TFont source;
  source.SetName(u"DejaVu Sans Mono");
  source.SetColor(clNavy);
  source.SetStyle({fsUnderline});
  LOGFONTW lf;
  GetObject(source.Handle(), sizeof(lf), &lf);
  lf.lfWidth = 5;
  source.SetHandle(CreateFontIndirect(&lf));

  TFont dest;
  int changes = 0;
  dest.SetOnChange([&](TObject*) { ++changes; });
  dest.Assign(&source);
  EXPECT_EQ(changes, 1);
  EXPECT_EQ(dest.Name(), u"DejaVu Sans Mono");
  EXPECT_EQ(dest.Color(), clNavy);
  EXPECT_EQ(dest.Style(), TFontStyles({fsUnderline}));
  EXPECT_NE(dest.Handle(), source.Handle());
  EXPECT_EQ(ObjectOf(dest.Handle()).lfWidth, 5);

  struct NotAFont : TPersistent {
  } other;
  EXPECT_THROW(dest.Assign(&other), EConvertError);
  EXPECT_EQ(dest.Name(), u"DejaVu Sans Mono");
}

TEST(Font, OrientationTurnsTheTextEscapementAlone) {
  TFont f;
  f.SetOrientation(450);
  EXPECT_EQ(f.Escapement(), 450);
  f.SetEscapement(900);
  EXPECT_EQ(f.Escapement(), 900);
  EXPECT_EQ(f.Orientation(), 450);
}
