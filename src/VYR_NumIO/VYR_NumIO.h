// The numeric edit field: an edit that accepts only text forming a number
// in its input format and within its range.
#pragma once

#include "VYR_NumIO/VYR_NumIOFormats.h"
#include "companion/basepack/VYR_vyrbase.h"
#include "platform/StdCtrls.h"

namespace vyr {

// After every change of its text the field checks it (see Change): a
// valid text becomes the last good text and fires OnChange; an invalid one
// is replaced by the last good text, optionally with a beep. In itFixPoint
// the text is kept at exactly FixPointDecPlaces decimals.
//
// Ranges: a field made in the designer starts with -uc_MaxDouble ..
// uc_MaxDouble, one made by code with 0 .. 0 (only 0 is accepted until the
// application sets a range); values read from a form file replace either.
class TNumIO : public vcl::TCustomEdit {
 public:
  explicit TNumIO(vcl::TComponent* AOwner);
  ~TNumIO() override;

  TInFormat InputFormat() const { return FInFormat; }
  // Ignored if equal; forgets the last good text and checks the text.
  void SetInputFormat(TInFormat Value);
  int FixPointDecPlaces() const { return FFixPDecPl; }
  // 1 to 8; the text is not checked again.
  void SetFixPointDecPlaces(int Value);
  // Setting a low limit at or above the high one exchanges their roles
  // (the old high limit becomes the low one); likewise for the high limit.
  // Either forgets the last good text and checks the text.
  double RangeLow() const { return FMinimum; }
  void SetRangeLow(double Value);
  double RangeHigh() const { return FMaximum; }
  void SetRangeHigh(double Value);
  TDecPSep DecPlaceSep() const { return FDecPSep; }
  void SetDecPlaceSep(TDecPSep Value);
  // Refused changes sound MessageBeep(0).
  bool Beep() const { return FBeep; }
  void SetBeep(bool Value) { FBeep = Value; }

  // The value of the text (a first comma read as the decimal point, a
  // trailing point completed with 0); 0 when the text is no number.
  double Value() const;
  // Writes the value in the format's notation as the field's text, without
  // checking it and without OnChange; the text becomes the last good text.
  void SetValue(double Value);
  // Converts Text in the field's format and separator mode. An empty text
  // gives false and leaves Value as it was; otherwise Value is set (0 when
  // the text is no number) and the result tells whether all of it was read.
  bool ConvertNumString(const vcl::String& Text, double& Value) const;

  // From another TNumIO: input format, Beep, both limits and the
  // separator mode, without checking the text: what decides which numbers
  // are accepted. FixPointDecPlaces and the edit's own settings (AutoSelect,
  // AutoSize) stay as they are: they shape how this field shows its text.
  void Assign(vcl::TPersistent* Source) override;
  void AssignTo(vcl::TPersistent* Dest) override;

  // The last text the check accepted.
  const vcl::String& LastGoodText() const { return FOldText; }

 protected:
  // The change check; does nothing in the designer, nor for the field's
  // own replacement of its text.
  void Change() override;
  void Loaded() override;

 private:
  // Steps of the change check (see VYR_NumIO.cpp).
  void CheckText();
  bool CheckConvert(const vcl::String& T, double& Value) const;
  void FixPointCaret(const vcl::String& T, int& Caret) const;
  bool InRange(double V) const;
  void ReplaceText(const vcl::String& R, int Caret);
  void RangeChanged();

  TInFormat FInFormat = itDynamic;
  int FFixPDecPl = 2;
  vcl::String FOldText;
  bool FInternalChg = false;
  bool FBeep = false;
  double FMinimum = 0.0;
  double FMaximum = 0.0;
  TDecPSep FDecPSep = dsSystem;
};

}  // namespace vyr
