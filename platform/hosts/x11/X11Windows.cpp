// The windows of top-level forms: made, shown, moved, titled, painted,
// exposed and closed.
#include "platform/hosts/x11/X11Host.h"

#include <X11/Xatom.h>
#include <unistd.h>

#include <algorithm>

#include "platform/hosts/x11/X11ErrorTrap.h"
#include "platform/hosts/x11/X11Keys.h"

namespace vcl::x11 {

namespace {

constexpr long kFormEvents = ExposureMask | StructureNotifyMask | KeyPressMask | KeyReleaseMask |
                             ButtonPressMask | ButtonReleaseMask | PointerMotionMask |
                             EnterWindowMask | LeaveWindowMask | FocusChangeMask;

// The window size of a form: X has no empty windows.
unsigned Extent(int Size) { return static_cast<unsigned>(std::max(Size, 1)); }

bool Sizeable(TFormBorderStyle Style) { return Style == bsSizeable || Style == bsSizeToolWin; }

void SetAtomProperty(Display* Dpy, ::Window W, Atom Property, const std::vector<Atom>& Values) {
  if (Values.empty()) {
    XDeleteProperty(Dpy, W, Property);
    return;
  }
  std::vector<long> data(Values.begin(), Values.end());
  XChangeProperty(Dpy, W, Property, XA_ATOM, 32, PropModeReplace,
                  reinterpret_cast<const unsigned char*>(data.data()), static_cast<int>(data.size()));
}

}  // namespace

::Window TX11Host::MakeWindow(const TRect& Bounds, bool Popup, long EventMask) {
  XSetWindowAttributes a{};
  // No background: the server leaves the old pixels until ours arrive,
  // which avoids a flash of a blank window on every expose and resize.
  a.background_pixmap = 0;
  a.bit_gravity = NorthWestGravity;
  a.event_mask = EventMask;
  a.override_redirect = Popup ? True : False;
  a.save_under = Popup ? True : False;
  a.cursor = FCurrentCursor;
  unsigned long mask = CWBackPixmap | CWBitGravity | CWEventMask | CWOverrideRedirect | CWSaveUnder;
  if (FCurrentCursor != 0) mask |= CWCursor;
  return XCreateWindow(FDisplay, Root(), Bounds.Left, Bounds.Top, Extent(Bounds.Width()),
                       Extent(Bounds.Height()), 0, CopyFromParent, InputOutput, CopyFromParent, mask, &a);
}

void TX11Host::CreateFormWindow(TCustomForm& Form) {
  if (FindForm(Form) != nullptr) return;
  auto w = std::make_unique<TFormWindow>();
  w->Form = &Form;
  w->Id = MakeWindow(Form.BoundsRect(), false, kFormEvents);
  Atom protocols[] = {FAtoms.WmDeleteWindow};
  XSetWMProtocols(FDisplay, w->Id, protocols, 1);
  XClassHint cls{const_cast<char*>("vyrguipack"), const_cast<char*>("Vyrguipack")};
  XSetClassHint(FDisplay, w->Id, &cls);
  long pid = static_cast<long>(getpid());
  XChangeProperty(FDisplay, w->Id, FAtoms.NetWmPid, XA_CARDINAL, 32, PropModeReplace,
                  reinterpret_cast<unsigned char*>(&pid), 1);
  XWMHints* hints = XAllocWMHints();
  hints->flags = InputHint | StateHint;
  hints->input = True;
  hints->initial_state = NormalState;
  XSetWMHints(FDisplay, w->Id, hints);
  XFree(hints);
  if (FIm != nullptr) {
    w->Ic = XCreateIC(FIm, XNInputStyle, XIMPreeditNothing | XIMStatusNothing, XNClientWindow, w->Id,
                      XNFocusWindow, w->Id, nullptr);
  }
  if (w->Ic != nullptr) {
    long filter = 0;
    XGetICValues(w->Ic, XNFilterEvents, &filter, nullptr);
    XSelectInput(FDisplay, w->Id, kFormEvents | filter);
  }
  TFormWindow& made = *w;
  FWindows[w->Id] = std::move(w);
  ApplyHints(made);
  FormCaptionChanged(Form);
}

void TX11Host::DestroyFormWindow(TCustomForm& Form) {
  TFormWindow* w = FindForm(Form);
  if (w == nullptr) return;
  ::Window id = w->Id;
  if (w->Ic != nullptr) XDestroyIC(w->Ic);
  XDestroyWindow(FDisplay, id);
  FWindows.erase(id);
  XFlush(FDisplay);
}

// Position as the form says (the client area's top-left corner, hence the
// static gravity), a fixed size for border styles that cannot be sized,
// no frame for bsNone, and the dialog type for bsDialog.
void TX11Host::ApplyHints(TFormWindow& W) {
  const TCustomForm& f = *W.Form;
  XSizeHints* size = XAllocSizeHints();
  size->flags = USPosition | PPosition | USSize | PSize | PWinGravity;
  size->x = f.Left();
  size->y = f.Top();
  size->width = static_cast<int>(Extent(f.Width()));
  size->height = static_cast<int>(Extent(f.Height()));
  size->win_gravity = StaticGravity;
  if (!Sizeable(f.BorderStyle())) {
    size->flags |= PMinSize | PMaxSize;
    size->min_width = size->max_width = size->width;
    size->min_height = size->max_height = size->height;
  }
  XSetWMNormalHints(FDisplay, W.Id, size);
  XFree(size);
  long motif[5] = {2 /* decorations given */, 0, f.BorderStyle() == bsNone ? 0 : 1, 0, 0};
  XChangeProperty(FDisplay, W.Id, FAtoms.MotifWmHints, FAtoms.MotifWmHints, 32, PropModeReplace,
                  reinterpret_cast<unsigned char*>(motif), 5);
  Atom type = f.BorderStyle() == bsDialog ? FAtoms.NetWmWindowTypeDialog : FAtoms.NetWmWindowTypeNormal;
  SetAtomProperty(FDisplay, W.Id, FAtoms.NetWmWindowType, {type});
}

// A modal form stays above the form it was opened over, and says it is modal.
void TX11Host::ApplyModalHints(TFormWindow& W) {
  bool modal = W.Form->FormState().Contains(fsModal);
  SetAtomProperty(FDisplay, W.Id, FAtoms.NetWmState, modal ? std::vector<Atom>{FAtoms.NetWmStateModal}
                                                           : std::vector<Atom>{});
  TFormWindow* over = nullptr;
  if (modal) {
    TCustomForm* active = TScreen::Instance().ActiveForm();
    if (active != nullptr && active != W.Form) over = FindForm(*active);
    if (over == nullptr && TApplication::Instance().MainForm() != W.Form) {
      if (TCustomForm* main = TApplication::Instance().MainForm()) over = FindForm(*main);
    }
  }
  if (over != nullptr) {
    XSetTransientForHint(FDisplay, W.Id, over->Id);
  } else {
    XDeleteProperty(FDisplay, W.Id, XA_WM_TRANSIENT_FOR);
  }
}

void TX11Host::ShowFormWindow(TCustomForm& Form, bool Visible) {
  TFormWindow* w = FindForm(Form);
  if (w == nullptr) return;
  if (Visible) {
    ApplyHints(*w);  // the position may have been chosen since (poScreenCenter)
    ApplyModalHints(*w);
    XMoveResizeWindow(FDisplay, w->Id, Form.Left(), Form.Top(), Extent(Form.Width()), Extent(Form.Height()));
    XMapRaised(FDisplay, w->Id);
  } else {
    XUnmapWindow(FDisplay, w->Id);
    w->Mapped = w->Exposed = false;
  }
  XFlush(FDisplay);
}

void TX11Host::FormBoundsChanged(TCustomForm& Form) {
  if (FSyncingBounds) return;  // the change came from the window itself
  TFormWindow* w = FindForm(Form);
  if (w == nullptr) return;
  XMoveResizeWindow(FDisplay, w->Id, Form.Left(), Form.Top(), Extent(Form.Width()), Extent(Form.Height()));
  ApplyHints(*w);
}

void TX11Host::FormCaptionChanged(TCustomForm& Form) {
  TFormWindow* w = FindForm(Form);
  if (w == nullptr) return;
  std::string utf8 = ToUTF8(Form.Caption());
  XChangeProperty(FDisplay, w->Id, FAtoms.NetWmName, FAtoms.Utf8String, 8, PropModeReplace,
                  reinterpret_cast<const unsigned char*>(utf8.data()), static_cast<int>(utf8.size()));
  // Window managers that predate UTF-8 titles read WM_NAME in Latin-1.
  std::string latin1 = ToLatin1(Form.Caption());
  XChangeProperty(FDisplay, w->Id, XA_WM_NAME, XA_STRING, 8, PropModeReplace,
                  reinterpret_cast<const unsigned char*>(latin1.data()), static_cast<int>(latin1.size()));
}

void TX11Host::Present(TCustomForm& Form, const TBitmap& BackBuffer, const TRect& Area) {
  if (TFormWindow* w = FindForm(Form)) PutPicture(w->Id, BackBuffer, Area);
}

// ---------------------------------------------------------------- events of form windows

// The back buffer holds what the window shows: an exposed area is put
// again as it is, without painting.
void TX11Host::OnExpose(TFormWindow& W, const XExposeEvent& E) {
  if (const TBitmap* buffer = W.Form->BackBuffer()) {
    PutPicture(W.Id, *buffer, Bounds(E.x, E.y, E.width, E.height));
  }
  if (E.count == 0 && W.Mapped) W.Exposed = true;
}

void TX11Host::OnMapped(TFormWindow& W) {
  W.Mapped = true;
  // When the program has the keyboard, the form it made active gets it
  // (a modal form just shown, say); otherwise the window manager decides.
  if (FHasFocus && TScreen::Instance().ActiveForm() == W.Form) {
    TErrorTrap trap(FDisplay);
    XSetInputFocus(FDisplay, W.Id, RevertToParent, FLastTime);
  }
}

// The user moved or sized the window: the form follows. Should the form
// refuse the size (constraints), the window takes the form's size back.
void TX11Host::OnConfigure(TFormWindow& W, const XConfigureEvent& E) {
  int x = E.x, y = E.y;
  if (!E.send_event) {
    // A real event of a framed window is relative to the frame; only the
    // window manager's synthetic ones give root coordinates.
    ::Window child = 0;
    XTranslateCoordinates(FDisplay, W.Id, Root(), 0, 0, &x, &y, &child);
  }
  TCustomForm* form = W.Form;
  ::Window id = W.Id;
  bool same = x == form->Left() && y == form->Top() && static_cast<unsigned>(E.width) == Extent(form->Width()) &&
              static_cast<unsigned>(E.height) == Extent(form->Height());
  if (same) return;
  FSyncingBounds = true;
  try {
    form->SetBounds(x, y, E.width, E.height);
  } catch (...) {
    TApplication::Instance().HandleException(form);
  }
  FSyncingBounds = false;
  TFormWindow* still = FindForm(id);
  if (still == nullptr) return;
  if (Extent(still->Form->Width()) != static_cast<unsigned>(E.width) ||
      Extent(still->Form->Height()) != static_cast<unsigned>(E.height)) {
    XResizeWindow(FDisplay, id, Extent(still->Form->Width()), Extent(still->Form->Height()));
  }
}

// The window manager's close button: the form is asked to close, as by its
// system menu (OnCloseQuery may refuse). Forms under a modal one do not close.
void TX11Host::OnClientMessage(TFormWindow& W, const XClientMessageEvent& E) {
  if (E.message_type != FAtoms.WmProtocols || E.format != 32) return;
  if (static_cast<Atom>(E.data.l[0]) != FAtoms.WmDeleteWindow) return;
  if (BlockedByModal(W)) {
    Beep(0);
    return;
  }
  PostMessage(W.Form->Handle(), WM_CLOSE, 0, 0);
}

std::unique_ptr<TBitmap> TX11Host::Screenshot(const TCustomForm& Form) {
  TFormWindow* w = FindForm(Form);
  if (w == nullptr) return nullptr;
  XSync(FDisplay, False);
  return FSink->Read(w->Id, static_cast<int>(Extent(Form.Width())), static_cast<int>(Extent(Form.Height())));
}

}  // namespace vcl::x11
