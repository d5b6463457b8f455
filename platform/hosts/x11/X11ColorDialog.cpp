// The color dialog: a message form with OK and Cancel, a grid of 48 basic
// colors, a sample of the color chosen and its hexadecimal RRGGBB value,
// which may be typed to choose any color. Arrows move in the grid, a
// double click on a swatch accepts it.
#include "platform/hosts/x11/X11ColorDialog.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <memory>
#include <optional>

#include "platform/Look.h"
#include "platform/StdCtrls.h"

namespace vcl::x11 {

namespace {

constexpr int kColumns = 8, kRows = 6, kCellWidth = 28, kCellHeight = 24, kMargin = 12;

std::uint8_t Channel(double V) { return static_cast<std::uint8_t>(std::lround(std::clamp(V, 0.0, 1.0) * 255)); }

// Hue in degrees, saturation and lightness 0..1.
TColor FromHsl(double Hue, double Sat, double Light) {
  double c = (1 - std::fabs(2 * Light - 1)) * Sat;
  double h = Hue / 60;
  double x = c * (1 - std::fabs(std::fmod(h, 2.0) - 1));
  double r = 0, g = 0, b = 0;
  if (h < 1) { r = c; g = x; } else if (h < 2) { r = x; g = c; } else if (h < 3) { g = c; b = x; }
  else if (h < 4) { g = x; b = c; } else if (h < 5) { r = x; b = c; } else { r = c; b = x; }
  double m = Light - c / 2;
  return RGB(Channel(r + m), Channel(g + m), Channel(b + m));
}

// Five rows of eight hues from dark to light, then a row of grays.
std::array<TColor, kColumns * kRows> BasicColors() {
  static const double hues[kColumns] = {0, 30, 60, 120, 180, 210, 270, 310};
  static const double lights[kRows - 1] = {0.25, 0.38, 0.5, 0.68, 0.85};
  std::array<TColor, kColumns * kRows> out{};
  for (int row = 0; row < kRows - 1; ++row) {
    for (int col = 0; col < kColumns; ++col) out[row * kColumns + col] = FromHsl(hues[col], 1.0, lights[row]);
  }
  for (int col = 0; col < kColumns; ++col) {
    auto v = static_cast<std::uint8_t>(col * 255 / (kColumns - 1));
    out[(kRows - 1) * kColumns + col] = RGB(v, v, v);
  }
  return out;
}

String HexOf(TColor C) {
  static const char16_t digits[] = u"0123456789ABCDEF";
  std::uint8_t parts[3] = {GetRValue(C), GetGValue(C), GetBValue(C)};
  String out;
  for (std::uint8_t p : parts) {
    out += digits[p >> 4];
    out += digits[p & 15];
  }
  return out;
}

// "RRGGBB", with or without a leading '#'; nothing for anything else.
std::optional<TColor> ParseHex(String Text) {
  if (!Text.empty() && Text[0] == u'#') Text.erase(0, 1);
  if (Text.size() != 6) return std::nullopt;
  std::uint32_t v = 0;
  for (char16_t c : Text) {
    int d = c >= u'0' && c <= u'9' ? c - u'0' : c >= u'a' && c <= u'f' ? c - u'a' + 10
            : c >= u'A' && c <= u'F' ? c - u'A' + 10 : -1;
    if (d < 0) return std::nullopt;
    v = v << 4 | static_cast<std::uint32_t>(d);
  }
  return RGB(static_cast<std::uint8_t>(v >> 16), static_cast<std::uint8_t>(v >> 8), static_cast<std::uint8_t>(v));
}

// The grid of swatches; Selected is -1 when the color is none of them.
class TSwatchGrid : public TCustomControl {
 public:
  explicit TSwatchGrid(TComponent* AOwner) : TCustomControl(AOwner), FColors(BasicColors()) {
    SetTabStop(true);
    SetBounds(0, 0, kColumns * kCellWidth, kRows * kCellHeight);
  }
  int Selected() const { return FSelected; }
  TColor ColorAt(int Index) const { return FColors[static_cast<std::size_t>(Index)]; }
  void Select(int Index) {
    if (Index == FSelected) return;
    FSelected = Index;
    Invalidate();
    if (OnSelect) OnSelect();
  }
  // Selects the swatch of that color, or none.
  void Show(TColor C) {
    auto it = std::find(FColors.begin(), FColors.end(), C);
    FSelected = it == FColors.end() ? -1 : static_cast<int>(it - FColors.begin());
    Invalidate();
  }
  std::function<void()> OnSelect;
  std::function<void()> OnAccept;

 protected:
  void Paint() override {
    TCanvas& c = *Canvas();
    for (int i = 0; i < kColumns * kRows; ++i) {
      TRect r = Cell(i);
      c.Brush()->SetColor(i == FSelected ? clHighlight : Color());
      c.FillRect(r);
      look::DrawFlatBorder(c, Rect(r.Left + 3, r.Top + 3, r.Right - 3, r.Bottom - 3), clBtnShadow);
      c.Brush()->SetColor(FColors[static_cast<std::size_t>(i)]);
      c.FillRect(Rect(r.Left + 4, r.Top + 4, r.Right - 4, r.Bottom - 4));
    }
    if (Focused() && FSelected >= 0) look::DrawFocusRect(c, Cell(FSelected));
  }
  void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override {
    if (CanFocus()) SetFocus();
    int col = X / kCellWidth, row = Y / kCellHeight;
    if (Button == mbLeft && col >= 0 && col < kColumns && row >= 0 && row < kRows) Select(row * kColumns + col);
    TCustomControl::MouseDown(Button, Shift, X, Y);
  }
  void DblClick() override {
    TCustomControl::DblClick();
    if (FSelected >= 0 && OnAccept) OnAccept();
  }
  void KeyDown(std::uint16_t& Key, TShiftState Shift) override {
    TCustomControl::KeyDown(Key, Shift);
    int step = Key == VK_LEFT ? -1 : Key == VK_RIGHT ? 1 : Key == VK_UP ? -kColumns : Key == VK_DOWN ? kColumns : 0;
    if (step == 0) return;
    int next = FSelected < 0 ? 0 : FSelected + step;
    if (next >= 0 && next < kColumns * kRows) Select(next);
    Key = 0;
  }
  void WMGetDlgCode(TMessage& Message) override { Message.Result = DLGC_WANTARROWS; }
  void DoEnter() override { Invalidate(); TCustomControl::DoEnter(); }
  void DoExit() override { Invalidate(); TCustomControl::DoExit(); }

 private:
  static TRect Cell(int Index) {
    return Bounds(Index % kColumns * kCellWidth, Index / kColumns * kCellHeight, kCellWidth, kCellHeight);
  }
  std::array<TColor, kColumns * kRows> FColors;
  int FSelected = -1;
};

// The sample of the chosen color.
class TSample : public TGraphicControl {
 public:
  using TGraphicControl::TGraphicControl;
  void SetSample(TColor C) {
    FSample = C;
    Invalidate();
  }

 protected:
  void Paint() override {
    TCanvas& c = *Canvas();
    TRect inside = look::DrawFlatBorder(c, ClientRect(), clBtnShadow);
    c.Brush()->SetColor(FSample);
    c.FillRect(inside);
  }

 private:
  TColor FSample = clBlack;
};

// The dialog's form and how its parts keep one color.
class TColorForm {
 public:
  explicit TColorForm(TColor Start)
      : FForm(CreateMessageDialog(String(), mtCustom, mbOKCancel)), FColor(ColorToRGB(Start)) {
    FForm->SetCaption(u"Color");
    FGrid = new TSwatchGrid(FForm.get());
    FGrid->SetName(u"Swatches");
    FSample = new TSample(FForm.get());
    FSample->SetName(u"Sample");
    FHex = new TEdit(FForm.get());
    FHex->SetName(u"Hex");
    FHex->SetMaxLength(7);
    Arrange();
    FGrid->OnSelect = [this] { SetColor(FGrid->ColorAt(FGrid->Selected()), true, false); };
    FGrid->OnAccept = [this] { FForm->SetModalResult(mrOk); };
    FHex->SetOnChange([this](TObject*) {
      if (std::optional<TColor> c = ParseHex(FHex->Text()); c && !FUpdating) SetColor(*c, false, true);
    });
    SetColor(FColor, true, true);
    FForm->SetActiveControl(FGrid);
  }
  TForm& Form() { return *FForm; }
  TColor Color() const { return FColor; }

 private:
  void Arrange() {
    const int gridWidth = kColumns * kCellWidth, gridHeight = kRows * kCellHeight;
    const int width = gridWidth + 2 * kMargin;
    FGrid->SetParent(FForm.get());
    FGrid->SetBounds(kMargin, kMargin, gridWidth, gridHeight);
    int y = kMargin + gridHeight + 8;
    FSample->SetParent(FForm.get());
    FSample->SetBounds(kMargin, y, 64, 24);
    FHex->SetParent(FForm.get());
    FHex->SetBounds(kMargin + 64 + 8, y + 1, 80, 21);
    y += 24 + kMargin;
    if (TControl* message = FForm->FindChildControl(u"Message")) message->Hide();
    TControl* ok = FForm->FindChildControl(u"OK");
    TControl* cancel = FForm->FindChildControl(u"Cancel");
    if (ok != nullptr && cancel != nullptr) {
      cancel->SetBounds(width - kMargin - cancel->Width(), y, cancel->Width(), cancel->Height());
      ok->SetBounds(cancel->Left() - 8 - ok->Width(), y, ok->Width(), ok->Height());
      y += ok->Height() + kMargin;
    }
    FForm->SetClientWidth(width);
    FForm->SetClientHeight(y);
  }
  // One color for grid, sample and text; the part being used is not rewritten.
  void SetColor(TColor C, bool UpdateText, bool UpdateGrid) {
    FColor = C;
    FSample->SetSample(C);
    if (UpdateGrid) FGrid->Show(C);
    if (UpdateText) {
      FUpdating = true;
      FHex->SetText(HexOf(C));
      FUpdating = false;
    }
  }

  std::unique_ptr<TForm> FForm;
  TSwatchGrid* FGrid = nullptr;
  TSample* FSample = nullptr;
  TEdit* FHex = nullptr;
  TColor FColor;
  bool FUpdating = false;
};

}  // namespace

bool RunColorDialog(TColorDialog& Dialog) {
  TColorForm dialog(Dialog.Color());
  if (dialog.Form().ShowModal() != mrOk) return false;
  Dialog.SetColor(dialog.Color());
  return true;
}

}  // namespace vcl::x11
