// What waits on the user, on a virtual display: popup menus and
// drop-downs (override-redirect windows with the pointer grabbed), modal
// forms (their own loop, the other forms blocked) and the color dialog.
// The user acts from timer-driven scripts, which go on inside those loops.
#if VYR_HAVE_X11  // the X11 host is built (VYR_WITH_X11)
#include <gtest/gtest.h>

#include "platform/Dialogs.h"
#include "platform/Forms.h"
#include "platform/Menus.h"
#include "platform/StdCtrls.h"
#include "platform/hosts/x11/X11.h"
#include "platform/hosts/x11/X11Host.h"

#include "X11TestSupport.h"

#include <X11/Xatom.h>
#include <X11/keysym.h>

namespace {

using namespace vcl;
using x11test::TScript;

// A control that counts presses and paints itself in one color.
class TPad : public TCustomControl {
 public:
  explicit TPad(TComponent* AOwner, TColor Fill = clLime) : TCustomControl(AOwner), FFill(Fill) {}
  int Presses = 0;
  TPoint LastPress{-1, -1};

 protected:
  void Paint() override {
    Canvas()->Brush()->SetColor(FFill);
    Canvas()->FillRect(ClientRect());
  }
  void MouseDown(TMouseButton B, TShiftState S, int X, int Y) override {
    ++Presses;
    LastPress = {X, Y};
    TCustomControl::MouseDown(B, S, X, Y);
  }

 private:
  TColor FFill;
};

class X11PopupTest : public ::testing::Test {
 protected:
  void SetUp() override {
    Display* d = x11test::Session();
    if (d == nullptr) GTEST_SKIP() << "no virtual display (" << x11test::Failure() << ")";
    FUser = std::make_unique<x11test::TUser>(d);
    Form->SetBounds(80, 60, 360, 260);
    Pad->SetParent(Form.get());
    Pad->SetBounds(20, 20, 100, 60);
    ASSERT_TRUE(x11test::ShowAndWait(*Form));
    FUser->Focus(x11::WindowOf(*Form));
    ASSERT_TRUE(x11test::WaitFor([&] { return vcl::Screen.ActiveForm() == Form.get(); }));
  }
  x11test::TUser& User() { return *FUser; }
  TPoint OnForm(int X, int Y) { return User().At(*Form, X, Y); }
  // A step that waits until a menu level is open, then remembers it.
  // Waits for an open menu window, other than Before when given (a
  // submenu's window, which a slow server maps after its parent's).
  TScript::Step MenuOpens(Window& Level, const Window* Before = nullptr) {
    return [&Level, Before] {
      Window now = x11::OpenMenuWindow();
      if (now == 0 || now == Level || (Before != nullptr && now == *Before)) return false;
      Level = now;
      return true;
    };
  }
  TScript::Step Keys(std::vector<KeySym> Syms) {
    return [this, Syms] {
      for (KeySym s : Syms) User().Tap(s);
      return true;
    };
  }

  std::unique_ptr<TForm> Form = std::make_unique<TForm>(nullptr);
  TPad* Pad = new TPad(Form.get());
  std::unique_ptr<x11test::TUser> FUser;
};

// ---------------------------------------------------------------- popup menus

struct Menu {
  TPopupMenu* Popup;
  std::vector<String> Clicked;
  explicit Menu(TForm* Owner) : Popup(new TPopupMenu(Owner)) {
    auto add = [&](TMenuItem* Parent, const String& Caption, bool Enabled = true) {
      auto* item = new TMenuItem(Popup);
      item->SetCaption(Caption);
      item->SetEnabled(Enabled);
      item->SetOnClick([this, Caption](TObject*) { Clicked.push_back(Caption); });
      Parent->Add(item);
      return item;
    };
    add(Popup->Items(), u"&Open");
    add(Popup->Items(), u"-");
    TMenuItem* more = add(Popup->Items(), u"More");
    add(more, u"Alpha");
    add(more, u"Beta");
    add(Popup->Items(), u"Gone", false);
  }
};

TEST_F(X11PopupTest, RightClickOpensTheMenuAndAClickChoosesAnItem) {
  Menu menu(Form.get());
  Form->SetPopupMenu(menu.Popup);
  Window level = 0;
  TScript script({MenuOpens(level), [&] {
                    TPoint o = User().Origin(level);
                    User().Click(o.X + 30, o.Y + 10);  // inside the first item
                    return true;
                  }});
  TPoint p = OnForm(200, 150);
  User().Click(p.X, p.Y, 3);
  ASSERT_TRUE(x11test::WaitFor([&] { return !menu.Clicked.empty(); }));
  EXPECT_EQ(menu.Clicked, std::vector<String>{u"&Open"});
  EXPECT_EQ(x11::OpenMenuWindow(), 0u);
  // The menu stood where the pointer was, above everything, unmanaged.
  EXPECT_NE(level, 0u);
}

TEST_F(X11PopupTest, KeysWalkIntoASubmenu) {
  Menu menu(Form.get());
  Window first = 0, second = 0;
  TScript script({MenuOpens(first), Keys({XK_Down, XK_Down, XK_Right}), MenuOpens(second, &first),
                  Keys({XK_Down, XK_Return})});
  TPoint p = OnForm(150, 100);
  menu.Popup->Popup(p.X, p.Y);  // returns once the menu has closed
  EXPECT_EQ(menu.Clicked, std::vector<String>{u"Beta"});
  EXPECT_NE(first, second);
}

// Alt and an entry's letter drops the main menu's entry down below its
// place along the top of the form; the keys of a popup menu work in it.
TEST_F(X11PopupTest, MainMenuDropsDownFromTheKeyboard) {
  auto* main = new TMainMenu(Form.get());
  std::vector<String> clicked;
  for (const char16_t* entry : {u"&File", u"&Edit"}) {
    auto* top = new TMenuItem(Form.get());
    top->SetCaption(entry);
    main->Items()->Add(top);
    for (const char16_t* caption : {u"One", u"Two"}) {
      auto* item = new TMenuItem(Form.get());
      item->SetCaption(caption);
      item->SetOnClick([&clicked, entry, caption](TObject*) { clicked.push_back(String(entry) + u" " + caption); });
      top->Add(item);
    }
  }
  Form->SetMenu(main);
  Window level = 0;
  TPoint shown{-1, -1};
  TScript script({MenuOpens(level), [&] {
                    shown = User().Origin(level);
                    return true;
                  },
                  Keys({XK_Down, XK_Down, XK_Return})});
  User().Tap(XK_e, {XK_Alt_L});
  ASSERT_TRUE(x11test::WaitFor([&] { return !clicked.empty(); }));
  EXPECT_EQ(clicked, std::vector<String>{u"&Edit Two"});
  ASSERT_NE(level, 0u);
  TPoint origin = OnForm(0, 0);
  EXPECT_GT(shown.X, origin.X);  // the second entry, right of the first
  EXPECT_EQ(shown.Y, origin.Y);
}

TEST_F(X11PopupTest, AcceleratorChoosesAndDisabledItemsDoNot) {
  Menu menu(Form.get());
  Window level = 0;
  TScript script({MenuOpens(level),
                  [&] {
                    // The last item is disabled: Up wraps to it, Enter does nothing.
                    User().Tap(XK_Up);
                    User().Tap(XK_Return);
                    return true;
                  },
                  Keys({XK_o})});
  menu.Popup->Popup(OnForm(10, 10).X, OnForm(10, 10).Y);
  EXPECT_EQ(menu.Clicked, std::vector<String>{u"&Open"});
}

// A press outside closes the menu and goes nowhere else.
TEST_F(X11PopupTest, PressOutsideClosesTheMenu) {
  Menu menu(Form.get());
  Window level = 0;
  TScript script({MenuOpens(level), [&] {
                    TPoint pad = OnForm(40, 40);
                    User().Click(pad.X, pad.Y);
                    return true;
                  }});
  TPoint p = OnForm(200, 120);
  menu.Popup->Popup(p.X, p.Y);
  EXPECT_TRUE(menu.Clicked.empty());
  EXPECT_EQ(Pad->Presses, 0);
  // Afterwards presses reach the form again.
  TPoint pad = OnForm(40, 40);
  User().Click(pad.X, pad.Y);
  EXPECT_TRUE(x11test::WaitFor([&] { return Pad->Presses == 1; }));
}

TEST_F(X11PopupTest, EscapeClosesOneLevelAtATime) {
  Menu menu(Form.get());
  Window first = 0, second = 0;
  bool back = false;
  TScript script({MenuOpens(first), Keys({XK_Down, XK_Down, XK_Right}), MenuOpens(second, &first), Keys({XK_Escape}),
                  [&] {
                    back = x11::OpenMenuWindow() == first;
                    return true;
                  },
                  Keys({XK_Escape})});
  menu.Popup->Popup(OnForm(5, 5).X, OnForm(5, 5).Y);
  EXPECT_TRUE(back);
  EXPECT_TRUE(menu.Clicked.empty());
}

// ---------------------------------------------------------------- drop-downs

TEST_F(X11PopupTest, DropDownShowsItsControlAndClosesOnAPressOutside) {
  auto list = std::make_unique<TPad>(nullptr, clRed);
  TPoint at = OnForm(150, 40);
  list->SetBounds(at.X, at.Y, 120, 90);
  bool dismissed = false;
  Host().ShowDropDown(*list, [&] {
    dismissed = true;
    Host().HideDropDown(*list);
  });
  // Painted by the host from the control's own Paint.
  ASSERT_TRUE(x11test::WaitFor([&] {
    XImage* img = XGetImage(User().Dpy(), DefaultRootWindow(User().Dpy()), at.X + 60, at.Y + 45, 1, 1, AllPlanes, ZPixmap);
    unsigned long pixel = img != nullptr ? XGetPixel(img, 0, 0) : 0;
    if (img != nullptr) XDestroyImage(img);
    return pixel == 0xFF0000;
  }));
  User().Click(at.X + 7, at.Y + 9);
  ASSERT_TRUE(x11test::WaitFor([&] { return list->Presses == 1; }));
  EXPECT_EQ(list->LastPress, (TPoint{7, 9}));
  EXPECT_FALSE(dismissed);
  TPoint pad = OnForm(40, 40);
  User().Click(pad.X, pad.Y);
  ASSERT_TRUE(x11test::WaitFor([&] { return dismissed; }));
  EXPECT_EQ(Pad->Presses, 0);  // the press that closed it went nowhere else
  User().Click(pad.X, pad.Y);
  EXPECT_TRUE(x11test::WaitFor([&] { return Pad->Presses == 1; }));
}

// A combo box's list on the screen: a click on the button drops it down
// in its own window, the pointer over an item highlights it, the wheel
// scrolls it, a click picks; a click on the button again closes it.
TEST_F(X11PopupTest, ComboBoxListDropsDownScrollsAndPicks) {
  auto* combo = new TComboBox(Form.get());
  combo->SetParent(Form.get());
  combo->SetBounds(150, 20, 140, 21);
  combo->SetStyle(csDropDownList);
  for (int i = 0; i < 30; ++i) combo->Items()->Add(u"item " + IntToStr(i));
  std::string log;
  combo->SetOnChange([&](TObject*) { log += "change "; });
  combo->SetOnCloseUp([&](TObject*) { log += "close "; });
  TRect b = combo->ButtonRect();
  TPoint button = OnForm(combo->Left() + b.Left + 4, combo->Top() + b.Top + 4);
  User().Click(button.X, button.Y);
  ASSERT_TRUE(x11test::WaitFor([&] { return combo->DroppedDown(); }));
  TComboListBox* list = combo->DropDownList();
  ASSERT_NE(list, nullptr);
  // The list window stands below the combo box.
  TPoint below = OnForm(combo->Left(), combo->Top() + combo->Height());
  EXPECT_EQ(list->BoundsRect().TopLeft(), below);
  TRect third = list->ItemRect(2);
  User().MoveTo(below.X + third.Left + 10, below.Y + third.Top + 3);
  ASSERT_TRUE(x11test::WaitFor([&] { return list->ItemIndex() == 2; }));
  // Highlighted on the screen: the host puts what the list paints.
  ASSERT_TRUE(x11test::WaitFor([&] {
    XImage* img = XGetImage(User().Dpy(), DefaultRootWindow(User().Dpy()), below.X + third.Right - 3,
                            below.Y + third.Top + 1, 1, 1, AllPlanes, ZPixmap);
    unsigned long pixel = img != nullptr ? XGetPixel(img, 0, 0) : 0;
    if (img != nullptr) XDestroyImage(img);
    return pixel == 0x0078D7;
  }));
  User().Click(below.X + third.Left + 10, below.Y + third.Top + 3, 5);  // the wheel, down a notch
  ASSERT_TRUE(x11test::WaitFor([&] { return list->TopIndex() == 3; }));
  TRect r = list->ItemRect(6);
  User().Click(below.X + r.Left + 10, below.Y + r.Top + 3);
  ASSERT_TRUE(x11test::WaitFor([&] { return !combo->DroppedDown(); }));
  EXPECT_EQ(combo->ItemIndex(), 6);
  EXPECT_EQ(log, "change close ");
  // Dropped again, a click on the button closes it without a choice.
  User().Click(button.X, button.Y);
  ASSERT_TRUE(x11test::WaitFor([&] { return combo->DroppedDown(); }));
  User().Click(button.X, button.Y);
  ASSERT_TRUE(x11test::WaitFor([&] { return !combo->DroppedDown(); }));
  EXPECT_EQ(combo->ItemIndex(), 6);
  EXPECT_EQ(log, "change close close ");
}

// ---------------------------------------------------------------- modal forms

TEST_F(X11PopupTest, ShowModalRunsItsLoopAndBlocksTheOtherForms) {
  std::unique_ptr<TForm> dialog(CreateMessageDialog(u"Go on?", mtConfirmation, mbOKCancel));
  int ticks = 0;
  bool transient = false, modalState = false;
  TScript script({[&] { return x11::IsOnScreen(*dialog); },
                  [&] {
                    Window over = 0;
                    Display* d = User().Dpy();
                    transient = XGetTransientForHint(d, x11::WindowOf(*dialog), &over) && over == x11::WindowOf(*Form);
                    Atom type = 0;
                    int format = 0;
                    unsigned long count = 0, after = 0;
                    unsigned char* data = nullptr;
                    XGetWindowProperty(d, x11::WindowOf(*dialog), XInternAtom(d, "_NET_WM_STATE", False), 0, 8, False,
                                       XA_ATOM, &type, &format, &count, &after, &data);
                    modalState = count == 1 && reinterpret_cast<Atom*>(data)[0] == XInternAtom(d, "_NET_WM_STATE_MODAL", False);
                    if (data != nullptr) XFree(data);
                    TPoint pad = OnForm(40, 40);  // the form below must not take it
                    User().Click(pad.X, pad.Y);
                    return true;
                  },
                  [&] { return ++ticks > 10; },
                  [&] {
                    TControl* ok = dialog->FindChildControl(u"OK");
                    TPoint p = User().At(*dialog, ok->Left() + ok->Width() / 2, ok->Top() + ok->Height() / 2);
                    User().Click(p.X, p.Y);
                    return true;
                  }});
  EXPECT_EQ(dialog->ShowModal(), mrOk);
  EXPECT_EQ(Pad->Presses, 0);
  EXPECT_TRUE(transient);
  EXPECT_TRUE(modalState);
  EXPECT_FALSE(dialog->Visible());
}

// The modal form gets the keyboard when it opens: Escape cancels it.
TEST_F(X11PopupTest, ModalFormTakesTheKeyboard) {
  std::unique_ptr<TForm> dialog(CreateMessageDialog(u"Go on?", mtConfirmation, mbOKCancel));
  TScript script({[&] { return x11::IsOnScreen(*dialog); }, Keys({XK_Escape})});
  EXPECT_EQ(dialog->ShowModal(), mrCancel);
}

// ---------------------------------------------------------------- the color dialog

TForm* ColorForm() {
  TCustomForm* f = vcl::Screen.ActiveForm();
  return f != nullptr && f->Caption() == u"Color" && x11::IsOnScreen(*f) ? static_cast<TForm*>(f) : nullptr;
}

TEST_F(X11PopupTest, ColorDialogTakesATypedValue) {
  TColorDialog dialog(nullptr);
  dialog.SetColor(clRed);
  TScript script({[&] { return ColorForm() != nullptr; },
                  [&] {
                    TControl* hex = ColorForm()->FindChildControl(u"Hex");
                    TPoint p = User().At(*ColorForm(), hex->Left() + 10, hex->Top() + 10);
                    User().Click(p.X, p.Y);
                    User().Tap(XK_a, {XK_Control_L});
                    User().Type(U"12abef");
                    return true;
                  },
                  Keys({XK_Return})});
  ASSERT_TRUE(dialog.Execute());
  EXPECT_EQ(dialog.Color(), RGB(0x12, 0xAB, 0xEF));
}

// Red is the first swatch of the middle row; the next one is orange
// (hue 30 at full saturation and half lightness).
TEST_F(X11PopupTest, ColorDialogSwatchesByKeyboardAndCancel) {
  TColorDialog dialog(nullptr);
  dialog.SetColor(clRed);
  TScript accept({[&] { return ColorForm() != nullptr; }, Keys({XK_Right, XK_Return})});
  ASSERT_TRUE(dialog.Execute());
  EXPECT_EQ(dialog.Color(), RGB(255, 128, 0));
  TScript cancel({[&] { return ColorForm() != nullptr; }, Keys({XK_Left, XK_Escape})});
  EXPECT_FALSE(dialog.Execute());
  EXPECT_EQ(dialog.Color(), RGB(255, 128, 0));
}

// ---------------------------------------------------------------- the file dialogs

TForm* FileForm(const String& Caption) {
  TCustomForm* f = vcl::Screen.ActiveForm();
  return f != nullptr && f->Caption() == Caption && x11::IsOnScreen(*f) ? static_cast<TForm*>(f) : nullptr;
}

// The dialog is a window of its own: a typed name and Enter accept it,
// Escape cancels it.
TEST_F(X11PopupTest, FileDialogTakesATypedName) {
  TOpenDialog open(nullptr);
  open.SetInitialDir(u"/");
  TScript accept({[&] { return FileForm(u"Open") != nullptr; },
                  [&] {
                    User().Type(U"etc");
                    return true;
                  },
                  Keys({XK_Return}), [&] {
                    User().Type(U"hostname");
                    return true;
                  },
                  Keys({XK_Return})});
  ASSERT_TRUE(open.Execute());
  EXPECT_EQ(open.FileName(), u"/etc/hostname");
  TSaveDialog save(nullptr);
  save.SetFileName(u"/tmp/kept");
  TScript cancel({[&] { return FileForm(u"Save As") != nullptr; }, Keys({XK_Escape})});
  EXPECT_FALSE(save.Execute());
  EXPECT_EQ(save.FileName(), u"/tmp/kept");
}

}  // namespace

#endif  // VYR_HAVE_X11
