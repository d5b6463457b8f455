// Shared internals of the control implementation (not part of the API).
#pragma once

#include <cstdint>
#include <vector>

#include "platform/Controls.h"

namespace vcl {

// Access to the private state of controls for the implementation files.
struct ControlAccess {
  static std::vector<TControl*>& GraphicChildren(TWinControl* W) { return W->FGraphicControls; }
  static std::vector<TWinControl*>& WinChildren(TWinControl* W) { return W->FWinControls; }
  static std::vector<TWinControl*>& TabList(TWinControl* W) { return W->FTabList; }
  static TRect& Dirty(TWinControl* W) { return W->FDirty; }
  static TRect& Unpresented(TWinControl* W) { return W->FUnpresented; }
  static bool& Painting(TWinControl* W) { return W->FPainting; }
  static std::unique_ptr<TBitmap>& BackBuffer(TWinControl* W) { return W->FBackBuffer; }
  static std::uint64_t& CanvasGeneration(TControl* C) { return C->FCanvasGeneration; }
  static int& PaintDepth(TControl* C) { return C->FPaintDepth; }
  static void PaintSelf(TControl* C, TCanvas& DC) { C->PaintSelf(DC); }
  static void SetControlStateItem(TControl* C, TControlStateItem Item, bool On) {
    if (On) C->FControlState << Item; else C->FControlState >> Item;
  }
  static void DoEnter(TWinControl* W) { W->DoEnter(); }
  static void DoExit(TWinControl* W) { W->DoExit(); }
};

namespace detail {

// Bumped whenever a control moves, resizes, changes parent, visibility or
// z-order, or a back buffer changes: canvases attached outside painting
// re-attach when it moved on.
extern std::uint64_t LayoutGeneration;
inline void LayoutChanged() { ++LayoutGeneration; }

// The smallest rectangle holding both (an empty rectangle adds nothing).
TRect UnionRect(const TRect& A, const TRect& B);

// Paints Control and its visible children onto Surface; Origin is the
// device position of the control's top-left corner, Clip the device area
// that may change.
void PaintTree(TControl* Control, const TSurface& Surface, TPoint Origin, const TRect& Clip);
// The control's area in its window, clipped by every parent (empty when
// nothing of it can show).
TRect VisibleWindowRect(const TControl* Control);

// Attaches a control's own canvas to the device canvas of a paint cycle for
// the duration of one Paint call.
class PaintScope {
 public:
  PaintScope(TControl* Control, TCanvas& Own, TCanvas& DC) : FControl(Control) {
    Own.Attach(DC.Surface(), DC.Origin(), DC.DeviceClip());
    ++ControlAccess::PaintDepth(FControl);
  }
  ~PaintScope() {
    --ControlAccess::PaintDepth(FControl);
    ControlAccess::CanvasGeneration(FControl) = 0;  // re-attach on next use
  }
  PaintScope(const PaintScope&) = delete;
  PaintScope& operator=(const PaintScope&) = delete;

 private:
  TControl* FControl;
};

// Top-level windows with a back buffer, in creation order.
void RegisterTopLevel(TWinControl* Window);
void UnregisterTopLevel(TWinControl* Window);

// Sends a message to a control as input would reach it: an exception goes
// to Application.HandleException.
LRESULT Deliver(TControl* Control, UINT Msg, WPARAM WParam, LPARAM LParam);

// Focus bookkeeping.
void ChangeFocus(TWinControl* Control);
// Moves the focus out of Control and its children (it is being hidden,
// disabled or removed); the form keeps the focus itself.
void RemoveFocusFrom(TWinControl* Control);
// Every control registers itself while it exists, so that deferred
// deliveries can skip controls a handler has freed.
void ControlCreated(TControl* Control);
void ControlFreed(TControl* Control);
bool IsAlive(const TControl* Control);

// Forgets every reference the input and focus state hold to Control.
void ForgetControl(TControl* Control);
// Tells the host which cursor to show now.
void UpdateCursor();

// The innermost form in a modal loop (nullptr when none): while one runs,
// mouse input to other windows is dropped.
TCustomForm* TopModalForm();

}  // namespace detail
}  // namespace vcl
