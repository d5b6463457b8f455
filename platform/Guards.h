// State guards: the state that code changes around user code (event
// handlers, overridden methods, callbacks) is set by a guard and put back
// when the guard goes out of scope, also when the user code throws. So a
// handler that throws leaves the control painting, the screen cursor as it
// was, the list's update count balanced and the canvas as its caller set it.
//
// Recipe:
//
//   int TMyList::Refilter() {
//     vcl::TScreenCursorGuard busy(vcl::crHourGlass);  // hourglass until the end
//     vcl::TPaintSuppressGuard quiet(*this);           // SuppressPaint on, then back
//     vcl::TUpdateGuard batch(*Items());               // BeginUpdate ... EndUpdate
//     for (...) FOnFilter(this, ...);                  // may throw: all three undo
//     ...
//   }
//
//   void TMyGrid::PaintCell(TCanvas& C, const TRect& R) {
//     vcl::TCanvasStateGuard keep(C);  // pen, brush, font, pen position,
//     C.IntersectClip(R);              // copy and stretch modes, origin, clip
//     if (FOnDrawCell) FOnDrawCell(this, C, R);
//   }
//
//   vcl::TCanvasClipGuard clip(C, Area);  // only origin and clip: narrowed to
//                                         // Area (canvas coordinates), then back
//   vcl::TValueGuard keep(FBusy, true);   // a flag or any value, then back
//
// Guards are declared as locals, innermost last; they undo in reverse order.
// On the normal path a guard restores in its destructor and an exception
// from the restore (an OnChange handler run by EndUpdate, a repaint run by
// resuming painting) reaches the caller; while another exception is already
// unwinding, a failing restore is dropped so that the first one arrives.
// That is why the destructors are noexcept(false): keep guards as locals,
// never in containers or as members.
#pragma once

#include <concepts>
#include <exception>
#include <utility>

#include "platform/Controls.h"
#include "platform/Graphics.h"

namespace vcl {

// The base of every guard that runs code (possibly user code) when it
// restores: Finish runs the restore; its exceptions propagate unless another
// exception is already unwinding the stack. Guards of one's own derive from
// it and call Finish from a noexcept(false) destructor.
class TGuardBase {
 protected:
  TGuardBase() = default;
  template <class F>
  void Finish(F&& Restore) {
    if (std::uncaught_exceptions() > FUncaught) {
      try {
        Restore();
      } catch (...) {
        // The exception already in flight is the one the caller gets.
      }
    } else {
      Restore();
    }
  }

 private:
  int FUncaught = std::uncaught_exceptions();
};

// Any cleanup as a function: TScopeGuard done([&] { FMenu = nullptr; });
// Dismiss() cancels it.
template <std::invocable F>
class TScopeGuard : TGuardBase {
 public:
  explicit TScopeGuard(F Restore) : FRestore(std::move(Restore)) {}
  ~TScopeGuard() noexcept(false) {
    if (FActive) Finish(FRestore);
  }
  void Dismiss() { FActive = false; }
  TScopeGuard(const TScopeGuard&) = delete;
  TScopeGuard& operator=(const TScopeGuard&) = delete;

 private:
  F FRestore;
  bool FActive = true;
};

// A variable set for the scope and put back: TValueGuard keep(FFlag, true).
template <class T>
class TValueGuard {
 public:
  explicit TValueGuard(T& Variable) : FVariable(Variable), FSaved(Variable) {}
  TValueGuard(T& Variable, T Value) : FVariable(Variable), FSaved(Variable) {
    FVariable = std::move(Value);
  }
  ~TValueGuard() { Restore(); }
  // Puts the value back now; the end of the scope then leaves it alone.
  void Restore() {
    if (!FActive) return;
    FActive = false;
    FVariable = std::move(FSaved);
  }
  TValueGuard(const TValueGuard&) = delete;
  TValueGuard& operator=(const TValueGuard&) = delete;

 private:
  T& FVariable;
  T FSaved;
  bool FActive = true;
};

// Anything with BeginUpdate/EndUpdate: string lists, tree nodes, controls
// that count updates.
template <class T>
concept UpdateCounting = requires(T& t) {
  t.BeginUpdate();
  t.EndUpdate();
};

template <UpdateCounting T>
class TUpdateGuard : TGuardBase {
 public:
  explicit TUpdateGuard(T& Target) : FTarget(Target) { FTarget.BeginUpdate(); }
  ~TUpdateGuard() noexcept(false) {
    Finish([this] { FTarget.EndUpdate(); });
  }
  TUpdateGuard(const TUpdateGuard&) = delete;
  TUpdateGuard& operator=(const TUpdateGuard&) = delete;

 private:
  T& FTarget;
};

// Controls whose painting can be held back with a SuppressPaint property.
template <class T>
concept PaintSuppressing = requires(T& t, bool b) {
  { t.SuppressPaint() } -> std::convertible_to<bool>;
  t.SetSuppressPaint(b);
};

// Holds painting back for the scope; the control's own setting comes back
// at the end (resuming repaints the control once).
template <PaintSuppressing T>
class TPaintSuppressGuard : TGuardBase {
 public:
  explicit TPaintSuppressGuard(T& Control) : FControl(Control), FWas(Control.SuppressPaint()) {
    FControl.SetSuppressPaint(true);
  }
  ~TPaintSuppressGuard() noexcept(false) {
    Finish([this] { FControl.SetSuppressPaint(FWas); });
  }
  TPaintSuppressGuard(const TPaintSuppressGuard&) = delete;
  TPaintSuppressGuard& operator=(const TPaintSuppressGuard&) = delete;

 private:
  T& FControl;
  bool FWas;
};

// Screen.Cursor set for the scope (crHourGlass while busy) and put back.
class TScreenCursorGuard : TGuardBase {
 public:
  explicit TScreenCursorGuard(TCursor Cursor);
  ~TScreenCursorGuard() noexcept(false);
  TScreenCursorGuard(const TScreenCursorGuard&) = delete;
  TScreenCursorGuard& operator=(const TScreenCursorGuard&) = delete;

 private:
  TCursor FSaved;
};

// A canvas's origin and device clip, put back at the end; with a rectangle
// (canvas coordinates) the clip is narrowed to it first.
class TCanvasClipGuard {
 public:
  explicit TCanvasClipGuard(TCanvas& Canvas)
      : FCanvas(Canvas), FOrigin(Canvas.Origin()), FClip(Canvas.DeviceClip()) {}
  TCanvasClipGuard(TCanvas& Canvas, const TRect& Narrow) : TCanvasClipGuard(Canvas) {
    FCanvas.IntersectClip(Narrow);
  }
  ~TCanvasClipGuard() {
    FCanvas.SetOrigin(FOrigin);
    FCanvas.SetDeviceClip(FClip);
  }
  TCanvasClipGuard(const TCanvasClipGuard&) = delete;
  TCanvasClipGuard& operator=(const TCanvasClipGuard&) = delete;

 private:
  TCanvas& FCanvas;
  TPoint FOrigin;
  TRect FClip;
};

// Everything a painter may change on a canvas: pen, brush, font, pen
// position, copy mode, stretch mode, origin and clip.
class TCanvasStateGuard : TGuardBase {
 public:
  explicit TCanvasStateGuard(TCanvas& Canvas);
  ~TCanvasStateGuard() noexcept(false);
  TCanvasStateGuard(const TCanvasStateGuard&) = delete;
  TCanvasStateGuard& operator=(const TCanvasStateGuard&) = delete;

 private:
  void Restore();

  TCanvas& FCanvas;
  TPen FPen;
  TBrush FBrush;
  TFont FFont;
  TPoint FPenPos;
  TCopyMode FCopyMode;
  int FStretchMode;
  TCanvasClipGuard FClip;
};

}  // namespace vcl
