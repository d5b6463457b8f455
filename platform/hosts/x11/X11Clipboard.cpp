// The clipboard as the CLIPBOARD selection.
//
// Owning: the text is kept here and given to whoever asks, in the target
// they ask for (UTF8_STRING, text/plain;charset=utf-8 and TEXT as UTF-8,
// STRING and text/plain as Latin-1); TARGETS lists them. A text larger
// than one request goes in INCR steps: each time the requestor deletes the
// property, the next piece is written, and an empty piece ends it.
// Reading another client's text: convert into a property of our own
// window and wait, a bounded time, for the answer (following INCR too).
// Other events keep their place in the queue while we wait.
#include "platform/hosts/x11/X11Host.h"

#include <X11/Xatom.h>

#include <algorithm>
#include <climits>

#include "platform/hosts/x11/X11Keys.h"

namespace vcl::x11 {

namespace {

// How long another client may take to answer one step.
constexpr int kAnswerTimeoutMs = 1500;
// An INCR transfer whose requestor stopped reading is given up after this.
constexpr std::int64_t kTransferTimeoutMs = 30000;

std::size_t MaxPiece(Display* Dpy) {
  long units = XExtendedMaxRequestSize(Dpy);
  if (units == 0) units = XMaxRequestSize(Dpy);
  std::size_t bytes = static_cast<std::size_t>(units) * 4;
  return std::clamp<std::size_t>(bytes > 1024 ? bytes - 1024 : bytes, 1024, 256 * 1024);
}

}  // namespace

struct TX11Clipboard::Transfer {
  ::Window Requestor = 0;
  Atom Property = 0;
  Atom Type = 0;
  std::string Data;
  std::size_t Offset = 0;
  std::int64_t Started = 0;
};

TX11Clipboard::TX11Clipboard(TX11Host& Host) : FHost(Host) {
  Display* d = FHost.Dpy();
  FWindow = XCreateSimpleWindow(d, FHost.Root(), -10, -10, 1, 1, 0, 0, 0);
  XSelectInput(d, FWindow, PropertyChangeMask);
}

TX11Clipboard::~TX11Clipboard() { XDestroyWindow(FHost.Dpy(), FWindow); }

// ---------------------------------------------------------------- owning

bool TX11Clipboard::Owned() const { return FOwned; }

// The server's time now: the time stamp of a change to a property of ours.
// An old event time would not do: ownership taken with a time earlier than
// another client's is refused.
::Time TX11Clipboard::ServerTime() {
  Display* d = FHost.Dpy();
  Atom stamp = FHost.Atoms().Timestamp;
  XChangeProperty(d, FWindow, stamp, XA_INTEGER, 8, PropModeAppend, nullptr, 0);
  XEvent e;
  auto changed = [&](const XEvent& x) {
    return x.type == PropertyNotify && x.xproperty.window == FWindow && x.xproperty.atom == stamp;
  };
  return FHost.WaitForEvent(e, changed, kAnswerTimeoutMs) ? e.xproperty.time : CurrentTime;
}

void TX11Clipboard::Own() {
  Display* d = FHost.Dpy();
  FOwnedSince = ServerTime();
  XSetSelectionOwner(d, FHost.Atoms().Clipboard, FWindow, FOwnedSince);
  FOwned = XGetSelectionOwner(d, FHost.Atoms().Clipboard) == FWindow;
}

void TX11Clipboard::SetText(const String& Text) {
  FText = ToUTF8(Text);
  Own();
}

// An emptied clipboard is one we own with nothing on it, so that other
// clients' text is gone too, as the framework's Clear promises.
void TX11Clipboard::Clear() {
  FText.reset();
  Own();
}

bool TX11Clipboard::Handle(const XEvent& E) {
  const TAtoms& a = FHost.Atoms();
  switch (E.type) {
    case SelectionRequest:
      if (E.xselectionrequest.owner != FWindow) return false;
      Answer(E.xselectionrequest);
      return true;
    case SelectionClear:
      if (E.xselectionclear.window != FWindow || E.xselectionclear.selection != a.Clipboard) return false;
      FOwned = false;
      FText.reset();
      return true;
    case SelectionNotify:
      return E.xselection.requestor == FWindow;  // a late answer nobody waits for
    case PropertyNotify: {
      if (E.xproperty.window == FWindow) return true;
      bool ours = std::any_of(FTransfers.begin(), FTransfers.end(),
                              [&](const auto& t) { return t->Requestor == E.xproperty.window; });
      ContinueTransfer(E.xproperty);
      return ours;
    }
    default:
      return false;
  }
}

void TX11Clipboard::Answer(const XSelectionRequestEvent& R) {
  XSelectionEvent reply{};
  reply.type = SelectionNotify;
  reply.display = R.display;
  reply.requestor = R.requestor;
  reply.selection = R.selection;
  reply.target = R.target;
  reply.time = R.time;
  reply.property = 0;
  // Clients from before ICCCM 2 give no property: the target names it.
  Atom property = R.property != 0 ? R.property : R.target;
  if (R.selection == FHost.Atoms().Clipboard && FOwned && Provide(R, R.target, property)) {
    reply.property = property;
  }
  XSendEvent(FHost.Dpy(), R.requestor, False, NoEventMask, reinterpret_cast<XEvent*>(&reply));
  XFlush(FHost.Dpy());
}

// Writes the target's data into the requestor's property; false when we
// have no such data.
bool TX11Clipboard::Provide(const XSelectionRequestEvent& R, Atom Target, Atom Property) {
  Display* d = FHost.Dpy();
  const TAtoms& a = FHost.Atoms();
  if (Target == a.Targets || Target == a.Timestamp) {
    std::vector<long> values{static_cast<long>(FOwnedSince)};
    if (Target == a.Targets) values = Targets();
    XChangeProperty(d, R.requestor, Property, Target == a.Targets ? XA_ATOM : XA_INTEGER, 32, PropModeReplace,
                    reinterpret_cast<unsigned char*>(values.data()), static_cast<int>(values.size()));
    return true;
  }
  if (!FText) return false;
  std::string data;
  Atom type;
  if (Target == a.Utf8String || Target == a.Text || Target == a.TextPlainUtf8) {
    data = *FText;
    type = Target == a.TextPlainUtf8 ? a.TextPlainUtf8 : a.Utf8String;
  } else if (Target == XA_STRING) {
    data = ToLatin1(FromUTF8(*FText));
    type = XA_STRING;
  } else {
    return false;  // MULTIPLE and formats we do not have
  }
  if (data.size() > MaxPiece(d)) {
    StartTransfer(R.requestor, Property, type, std::move(data));
    return true;
  }
  XChangeProperty(d, R.requestor, Property, type, 8, PropModeReplace,
                  reinterpret_cast<const unsigned char*>(data.data()), static_cast<int>(data.size()));
  return true;
}

std::vector<long> TX11Clipboard::Targets() const {
  const TAtoms& a = FHost.Atoms();
  std::vector<long> targets{static_cast<long>(a.Targets), static_cast<long>(a.Timestamp)};
  if (FText) {
    for (Atom t : {a.Utf8String, a.TextPlainUtf8, a.Text, static_cast<Atom>(XA_STRING)}) {
      targets.push_back(static_cast<long>(t));
    }
  }
  return targets;
}

// Too large for one request: the size is announced (INCR), and the pieces
// follow as the requestor deletes the property.
void TX11Clipboard::StartTransfer(::Window Requestor, Atom Property, Atom Type, std::string Data) {
  Display* d = FHost.Dpy();
  auto t = std::make_unique<Transfer>();
  t->Requestor = Requestor;
  t->Property = Property;
  t->Type = Type;
  t->Data = std::move(Data);
  t->Started = FHost.Now();
  XSelectInput(d, Requestor, PropertyChangeMask);
  long size = static_cast<long>(t->Data.size());
  XChangeProperty(d, Requestor, Property, FHost.Atoms().Incr, 32, PropModeReplace,
                  reinterpret_cast<unsigned char*>(&size), 1);
  FTransfers.push_back(std::move(t));
}

void TX11Clipboard::ContinueTransfer(const XPropertyEvent& P) {
  std::int64_t now = FHost.Now();
  std::erase_if(FTransfers, [&](const auto& t) { return now - t->Started > kTransferTimeoutMs; });
  if (P.state != PropertyDelete) return;
  auto it = std::find_if(FTransfers.begin(), FTransfers.end(), [&](const auto& t) {
    return t->Requestor == P.window && t->Property == P.atom;
  });
  if (it == FTransfers.end()) return;
  Transfer& t = **it;
  Display* d = FHost.Dpy();
  std::size_t piece = std::min(MaxPiece(d), t.Data.size() - t.Offset);
  XChangeProperty(d, t.Requestor, t.Property, t.Type, 8, PropModeReplace,
                  reinterpret_cast<const unsigned char*>(t.Data.data() + t.Offset), static_cast<int>(piece));
  t.Offset += piece;
  if (piece == 0) {  // the empty piece was the end
    XSelectInput(d, t.Requestor, NoEventMask);
    FTransfers.erase(it);
  }
  XFlush(d);
}

// ---------------------------------------------------------------- reading

namespace {

// Reads and deletes a property of ours: its bytes (items of 32-bit format
// arrive as longs), type and format.
bool TakeProperty(Display* D, ::Window W, Atom Property, std::string& Bytes, Atom& Type, int& Format) {
  unsigned long count = 0, after = 0;
  unsigned char* data = nullptr;
  if (XGetWindowProperty(D, W, Property, 0, LONG_MAX / 4, True, AnyPropertyType, &Type, &Format, &count,
                         &after, &data) != Success) {
    return false;
  }
  std::size_t unit = Format == 32 ? sizeof(long) : Format == 16 ? sizeof(short) : 1;
  Bytes.assign(reinterpret_cast<const char*>(data), data != nullptr ? count * unit : 0);
  if (data != nullptr) XFree(data);
  return Type != 0;
}

}  // namespace

bool TX11Clipboard::Request(Atom Target, std::string& Bytes, Atom& Type) {
  Display* d = FHost.Dpy();
  const TAtoms& a = FHost.Atoms();
  if (XGetSelectionOwner(d, a.Clipboard) == 0) return false;
  XDeleteProperty(d, FWindow, a.Transfer);
  XConvertSelection(d, a.Clipboard, Target, a.Transfer, FWindow, ServerTime());
  XEvent e;
  auto answered = [&](const XEvent& x) {
    return x.type == SelectionNotify && x.xselection.requestor == FWindow && x.xselection.selection == a.Clipboard;
  };
  if (!FHost.WaitForEvent(e, answered, kAnswerTimeoutMs) || e.xselection.property == 0) return false;
  int format = 0;
  // The INCR announcement stays until we delete it, which starts the pieces.
  unsigned long count = 0, after = 0;
  unsigned char* data = nullptr;
  Atom type = 0;
  XGetWindowProperty(d, FWindow, a.Transfer, 0, 0, False, AnyPropertyType, &type, &format, &count, &after, &data);
  if (data != nullptr) XFree(data);
  if (type == a.Incr) return ReadIncremental(Bytes, Type);
  return TakeProperty(d, FWindow, a.Transfer, Bytes, Type, format);
}

bool TX11Clipboard::ReadIncremental(std::string& Bytes, Atom& Type) {
  Display* d = FHost.Dpy();
  const TAtoms& a = FHost.Atoms();
  auto newValue = [&](const XEvent& x) {
    return x.type == PropertyNotify && x.xproperty.window == FWindow && x.xproperty.atom == a.Transfer &&
           x.xproperty.state == PropertyNewValue;
  };
  XEvent e;
  // The announcement's own notification is not a piece.
  while (FHost.WaitForEvent(e, newValue, 0)) {
  }
  XDeleteProperty(d, FWindow, a.Transfer);
  Bytes.clear();
  for (;;) {
    if (!FHost.WaitForEvent(e, newValue, kAnswerTimeoutMs)) return false;
    std::string piece;
    int format = 0;
    if (!TakeProperty(d, FWindow, a.Transfer, piece, Type, format)) return false;
    if (piece.empty()) return true;
    Bytes += piece;
  }
}

std::vector<Atom> TX11Clipboard::OwnerTargets() {
  std::string bytes;
  Atom type = 0;
  std::vector<Atom> out;
  if (!Request(FHost.Atoms().Targets, bytes, type) || type != XA_ATOM) return out;
  const auto* atoms = reinterpret_cast<const long*>(bytes.data());
  for (std::size_t i = 0; i < bytes.size() / sizeof(long); ++i) out.push_back(static_cast<Atom>(atoms[i]));
  return out;
}

bool TX11Clipboard::HasText() {
  if (FOwned) return FText.has_value();
  const TAtoms& a = FHost.Atoms();
  for (Atom t : OwnerTargets()) {
    if (t == a.Utf8String || t == XA_STRING || t == a.Text || t == a.TextPlainUtf8) return true;
  }
  return false;
}

// UTF-8 when the owner has it, else Latin-1; an owner may answer either
// request with either type.
String TX11Clipboard::Text() {
  if (FOwned) return FText ? FromUTF8(*FText) : String();
  std::string bytes;
  Atom type = 0;
  if (!Request(FHost.Atoms().Utf8String, bytes, type) && !Request(XA_STRING, bytes, type)) return String();
  return type == XA_STRING ? FromLatin1(bytes) : FromUTF8(bytes);
}

}  // namespace vcl::x11
