// The clipboard is the display's CLIPBOARD selection: another client
// (xclip) reads what the program copies and gives it what it pastes,
// small texts at once and large ones in INCR pieces.
#if VYR_HAVE_X11  // the X11 host is built (VYR_WITH_X11)
#include <gtest/gtest.h>

#include "platform/Clipbrd.h"
#include "platform/Forms.h"
#include "platform/hosts/x11/X11.h"

#include "X11TestSupport.h"

#include <X11/Xatom.h>
#include <poll.h>

#include <atomic>
#include <chrono>
#include <thread>

namespace {

using namespace vcl;

class X11ClipboardTest : public ::testing::Test {
 protected:
  void SetUp() override {
    if (x11test::Session() == nullptr) GTEST_SKIP() << "no virtual display (" << x11test::Failure() << ")";
  }

  // What another client reads from the clipboard (xclip's output).
  static std::string ReadByOtherClient(int* ExitCode = nullptr, const char* Target = nullptr) {
    std::vector<std::string> argv{"xclip", "-o", "-selection", "clipboard"};
    if (Target != nullptr) argv.insert(argv.end(), {"-target", Target});
    x11test::TChild xclip(argv);
    EXPECT_TRUE(xclip.Started());
    EXPECT_TRUE(x11test::WaitFor([&] { return xclip.Poll(); }, 10000));
    if (ExitCode != nullptr) *ExitCode = xclip.ExitCode();
    return xclip.Output();
  }

  // Another client takes the clipboard with Text and keeps serving it.
  static std::unique_ptr<x11test::TChild> OfferByOtherClient(const std::string& Text) {
    auto xclip = std::make_unique<x11test::TChild>(
        std::vector<std::string>{"xclip", "-i", "-quiet", "-selection", "clipboard"});
    xclip->Write(Text);
    xclip->CloseInput();
    return xclip;
  }

  static std::string Large() {
    std::string text;
    for (int i = 0; text.size() < 700 * 1024; ++i) text += "row " + std::to_string(i) + "\tä\t€\n";
    return text;
  }
};

TEST_F(X11ClipboardTest, AnotherClientReadsTheCopiedText) {
  Clipboard().SetAsText(u"Grüße € 42");
  EXPECT_EQ(ReadByOtherClient(), "Gr\xC3\xBC\xC3\x9F" "e \xE2\x82\xAC 42");
  // Clients that only know Latin-1 get it with a '?' for the euro.
  EXPECT_EQ(ReadByOtherClient(nullptr, "STRING"), "Gr\xFC\xDF" "e ? 42");
  EXPECT_TRUE(Clipboard().HasFormat(CF_TEXT));
  EXPECT_EQ(Clipboard().AsText(), u"Grüße € 42");
}

TEST_F(X11ClipboardTest, PastesTheTextOfAnotherClient) {
  Clipboard().SetAsText(u"ours");
  auto xclip = OfferByOtherClient("theirs: \xC3\xA9t\xC3\xA9 \xF0\x9D\x84\x9E");
  ASSERT_TRUE(xclip->Started());
  EXPECT_TRUE(x11test::WaitFor([] { return Clipboard().AsText() == u"theirs: été \U0001D11E"; }))
      << ToUTF8(Clipboard().AsText());
  EXPECT_TRUE(Clipboard().HasFormat(CF_TEXT));
  // Taking the clipboard back ends the other client's ownership.
  Clipboard().SetAsText(u"back");
  EXPECT_TRUE(x11test::WaitFor([&] { return xclip->Poll(); }));
  EXPECT_EQ(ReadByOtherClient(), "back");
}

TEST_F(X11ClipboardTest, LargeTextsGoInPiecesBothWays) {
  const std::string text = Large();
  Clipboard().SetAsText(FromUTF8(text));
  std::string read = ReadByOtherClient();
  EXPECT_EQ(read.size(), text.size());
  EXPECT_TRUE(read == text);
  auto xclip = OfferByOtherClient(text + "theirs");
  ASSERT_TRUE(xclip->Started());
  String expected = FromUTF8(text + "theirs");
  EXPECT_TRUE(x11test::WaitFor([&] { return Clipboard().AsText() == expected; }, 10000));
}

// An owner that always answers in INCR pieces of 1000 bytes, on its own
// connection and thread (as another program would).
class TPieceByPieceOwner {
 public:
  explicit TPieceByPieceOwner(std::string Text) : FText(std::move(Text)) {
    FDisplay = XOpenDisplay(x11test::DisplayName().c_str());
    FWindow = XCreateSimpleWindow(FDisplay, DefaultRootWindow(FDisplay), 0, 0, 1, 1, 0, 0, 0);
    FClipboard = XInternAtom(FDisplay, "CLIPBOARD", False);
    XSetSelectionOwner(FDisplay, FClipboard, FWindow, CurrentTime);
    XSync(FDisplay, False);
    FThread = std::thread([this] { Serve(); });
  }
  ~TPieceByPieceOwner() {
    Finish();
    XCloseDisplay(FDisplay);
  }
  // Lets the owner finish its transfer (for a while) and returns the
  // pieces it wrote.
  int Finish() {
    if (FThread.joinable()) {
      for (int i = 0; i < 200 && !FDone; ++i) std::this_thread::sleep_for(std::chrono::milliseconds(10));
      FStop = true;
      FThread.join();
    }
    return FPieces;
  }

 private:
  void Serve() {
    Atom utf8 = XInternAtom(FDisplay, "UTF8_STRING", False), incr = XInternAtom(FDisplay, "INCR", False);
    Atom targets = XInternAtom(FDisplay, "TARGETS", False);
    Window requestor = 0;
    Atom property = 0;
    std::size_t offset = 0;
    bool done = false;
    while (!FStop && !done) {
      if (XPending(FDisplay) == 0) {
        pollfd p{ConnectionNumber(FDisplay), POLLIN, 0};
        poll(&p, 1, 20);
        continue;
      }
      XEvent e;
      XNextEvent(FDisplay, &e);
      if (e.type == SelectionRequest) {
        XSelectionRequestEvent& r = e.xselectionrequest;
        XSelectionEvent reply{SelectionNotify, 0, True, FDisplay, r.requestor, r.selection, r.target, 0, r.time};
        if (r.target == targets) {
          long list[] = {static_cast<long>(targets), static_cast<long>(utf8)};
          XChangeProperty(FDisplay, r.requestor, r.property, XA_ATOM, 32, PropModeReplace,
                          reinterpret_cast<unsigned char*>(list), 2);
          reply.property = r.property;
        } else if (r.target == utf8) {
          requestor = r.requestor;
          property = r.property;
          XSelectInput(FDisplay, requestor, PropertyChangeMask);
          long size = static_cast<long>(FText.size());
          XChangeProperty(FDisplay, requestor, property, incr, 32, PropModeReplace,
                          reinterpret_cast<unsigned char*>(&size), 1);
          reply.property = property;
        }
        XSendEvent(FDisplay, r.requestor, False, NoEventMask, reinterpret_cast<XEvent*>(&reply));
        XFlush(FDisplay);
      } else if (e.type == PropertyNotify && e.xproperty.window == requestor && e.xproperty.atom == property &&
                 e.xproperty.state == PropertyDelete) {
        std::size_t n = std::min<std::size_t>(1000, FText.size() - offset);
        XChangeProperty(FDisplay, requestor, property, utf8, 8, PropModeReplace,
                        reinterpret_cast<const unsigned char*>(FText.data() + offset), static_cast<int>(n));
        XFlush(FDisplay);
        offset += n;
        ++FPieces;
        done = n == 0;
      }
    }
    FDone = done;
  }

  std::string FText;
  Display* FDisplay;
  Window FWindow;
  Atom FClipboard;
  std::thread FThread;
  std::atomic<bool> FStop{false};
  std::atomic<int> FPieces{0};
  std::atomic<bool> FDone{false};
};

TEST_F(X11ClipboardTest, ReadsATextGivenInPieces) {
  std::string text;
  for (int i = 0; i < 500; ++i) text += "Zeile " + std::to_string(i) + " \xC3\xA4\n";
  TPieceByPieceOwner owner(text);
  String read = Clipboard().AsText();
  EXPECT_EQ(read.size(), FromUTF8(text).size());
  EXPECT_TRUE(read == FromUTF8(text));
  EXPECT_EQ(owner.Finish(), static_cast<int>(text.size() / 1000) + 2);  // and the empty end
}

TEST_F(X11ClipboardTest, ClearedClipboardHoldsNoText) {
  Clipboard().SetAsText(u"something");
  Clipboard().Clear();
  EXPECT_FALSE(Clipboard().HasFormat(CF_TEXT));
  EXPECT_EQ(Clipboard().AsText(), u"");
  int exitCode = 0;
  EXPECT_EQ(ReadByOtherClient(&exitCode), "");
  EXPECT_NE(exitCode, 0);  // xclip found no text to read
}

}  // namespace

#endif  // VYR_HAVE_X11
