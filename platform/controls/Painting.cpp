// The paint cycle: each top-level window keeps a back buffer and the area
// of it that waits to be painted. Painting an area paints every control
// that meets it, parents before children, graphic children before windowed
// ones, each in z-order, through a device canvas attached at the control's
// origin and clipped to the control, its parents and the area.
#include <algorithm>

#include "platform/Controls.h"
#include "platform/Forms.h"
#include "platform/Guards.h"
#include "platform/controls/Internal.h"
#include "platform/hosts/Host.h"

namespace vcl {
namespace detail {

std::uint64_t LayoutGeneration = 1;

namespace {

std::vector<TWinControl*>& TopLevels() {
  static auto* list = new std::vector<TWinControl*>();
  return *list;
}

void PresentIfShown(TWinControl* Window) {
  TRect& area = ControlAccess::Unpresented(Window);
  if (area.IsEmpty()) return;
  auto* form = dynamic_cast<TCustomForm*>(Window);
  if (form != nullptr && form->Visible()) {
    Host().Present(*form, *Window->BackBuffer(), area);
  }
  area = TRect();
}

}  // namespace

TRect UnionRect(const TRect& A, const TRect& B) {
  if (A.IsEmpty()) return B.IsEmpty() ? TRect() : B;
  if (B.IsEmpty()) return A;
  return {std::min(A.Left, B.Left), std::min(A.Top, B.Top), std::max(A.Right, B.Right),
          std::max(A.Bottom, B.Bottom)};
}

TRect VisibleWindowRect(const TControl* Control) {
  TRect r = Control->WindowRect();
  for (const TControl* p = Control->Parent(); p != nullptr; p = p->Parent()) {
    r = r.Intersect(p->WindowRect());
  }
  return r;
}

void RegisterTopLevel(TWinControl* Window) {
  auto& list = TopLevels();
  if (std::find(list.begin(), list.end(), Window) == list.end()) list.push_back(Window);
}

void UnregisterTopLevel(TWinControl* Window) { std::erase(TopLevels(), Window); }

void PaintTree(TControl* Control, const TSurface& Surface, TPoint Origin, const TRect& Clip) {
  TRect area = Clip.Intersect(Bounds(Origin.X, Origin.Y, Control->Width(), Control->Height()));
  if (area.IsEmpty()) return;
  {
    TCanvas dc;
    dc.Attach(Surface, Origin, area);
    try {
      Control->Perform(WM_PAINT, reinterpret_cast<WPARAM>(&dc), 0);
    } catch (...) {
      TApplication::Instance().HandleException(Control);
    }
  }
  auto* window = dynamic_cast<TWinControl*>(Control);
  if (window == nullptr) return;
  // Copies: a Paint handler may add or remove controls.
  std::vector<TControl*> children(ControlAccess::GraphicChildren(window));
  for (TWinControl* w : ControlAccess::WinChildren(window)) children.push_back(w);
  // Children show only inside the client area (not over a border or the
  // scroll bars a control draws around it).
  TRect client = window->ClientRect();
  client.Offset(Origin.X, Origin.Y);
  TRect inner = area.Intersect(client);
  for (TControl* child : children) {
    if (child->Parent() != window || !child->Visible()) continue;
    PaintTree(child, Surface, {Origin.X + child->Left(), Origin.Y + child->Top()}, inner);
  }
}

}  // namespace detail

void PaintWindowNow(TWinControl* Window) {
  if (Window == nullptr) return;
  Window->HandleNeeded();
  TBitmap* buffer = Window->BackBuffer();
  bool& painting = ControlAccess::Painting(Window);
  if (buffer == nullptr || painting) return;
  TRect& dirty = ControlAccess::Dirty(Window);
  if (!dirty.IsEmpty()) {
    TRect area = dirty.Intersect(Window->ClientRect());
    dirty = TRect();
    {
      TValueGuard inPaint(painting, true);
      detail::PaintTree(Window, buffer->Surface(), {0, 0}, area);
    }
    TRect& unpresented = ControlAccess::Unpresented(Window);
    unpresented = detail::UnionRect(unpresented, area);
  }
  detail::PresentIfShown(Window);
}

void PaintPendingWindows() {
  std::vector<TWinControl*> windows = detail::TopLevels();
  for (TWinControl* w : windows) {
    auto& list = detail::TopLevels();
    if (std::find(list.begin(), list.end(), w) == list.end()) continue;  // freed meanwhile
    auto* form = dynamic_cast<TCustomForm*>(w);
    if (form != nullptr && form->Visible()) PaintWindowNow(w);
  }
}

}  // namespace vcl
