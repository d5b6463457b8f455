// The standard controls forms are made of, read from a form file: group
// box and radio buttons, radio group, string grid, page control with tab
// sheets, track bar, bitmap buttons of the stock kinds, bevel, scroll box
// and a status bar with panels. The handlers the file names are bound by
// name; each reports on the status line.
#include "Pages.h"
#include "platform/Buttons.h"
#include "platform/ComCtrls.h"
#include "platform/ExtCtrls.h"
#include "platform/Forms.h"
#include "platform/Grids.h"
#include "platform/StdCtrls.h"
#include "platform/Streaming.h"
#include "platform/SysUtils.h"

using namespace vcl;

namespace {

constexpr char16_t kPanel[] = uR"(object StdPanel: TPanel
  Left = 0
  Top = 0
  Width = 1080
  Height = 420
  BevelOuter = bvNone
  Caption = ''
  object Shipping: TGroupBox
    Left = 12
    Top = 8
    Width = 180
    Height = 100
    Caption = 'Shipping'
    object Air: TRadioButton
      Left = 12
      Top = 22
      Width = 120
      Height = 17
      Caption = 'Air'
      Checked = True
      OnClick = ShippingClick
    end
    object Sea: TRadioButton
      Left = 12
      Top = 46
      Width = 120
      Height = 17
      Caption = 'Sea'
      OnClick = ShippingClick
    end
    object Road: TRadioButton
      Left = 12
      Top = 70
      Width = 120
      Height = 17
      Caption = 'Road'
      OnClick = ShippingClick
    end
  end
  object Payment: TRadioGroup
    Left = 204
    Top = 8
    Width = 220
    Height = 100
    Caption = 'Payment'
    Columns = 2
    ItemIndex = 1
    Items.Strings = (
      'Cash'
      'Card'
      'Invoice'
      'Voucher')
    OnClick = PaymentClick
  end
  object Orders: TStringGrid
    Left = 12
    Top = 120
    Width = 412
    Height = 150
    ColCount = 4
    DefaultColWidth = 96
    DefaultRowHeight = 20
    RowCount = 8
    Options = [goFixedVertLine, goFixedHorzLine, goVertLine, goHorzLine, goRangeSelect, goEditing]
    OnSetEditText = OrdersSetEditText
  end
  object Pages: TPageControl
    Left = 440
    Top = 8
    Width = 300
    Height = 170
    ActivePage = Notes
    OnChange = PagesChange
    object Notes: TTabSheet
      Caption = 'Notes'
      object NotesMemo: TMemo
        Left = 8
        Top = 8
        Width = 276
        Height = 120
        Lines.Strings = (
          'Pages of a page control,'
          'one tab each.')
      end
    end
    object History: TTabSheet
      Caption = 'History'
      object HistoryLabel: TLabel
        Left = 8
        Top = 8
        Width = 200
        Height = 13
        Caption = 'No orders yet.'
      end
    end
  end
  object Volume: TTrackBar
    Left = 440
    Top = 190
    Width = 300
    Height = 45
    Max = 20
    Position = 8
    OnChange = VolumeChange
  end
  object Items: TScrollBox
    Left = 756
    Top = 8
    Width = 300
    Height = 170
    object Frame: TBevel
      Left = 8
      Top = 8
      Width = 420
      Height = 300
      Shape = bsFrame
    end
    object NearLabel: TLabel
      Left = 16
      Top = 16
      Width = 240
      Height = 13
      Caption = 'A scroll box: its content reaches further.'
    end
    object NearCheck: TCheckBox
      Left = 16
      Top = 40
      Width = 150
      Height = 17
      Caption = 'Near the top'
      Checked = True
    end
    object FarButton: TButton
      Left = 330
      Top = 260
      Width = 90
      Height = 25
      Caption = 'Far away'
      OnClick = FarButtonClick
    end
  end
  object Line: TBevel
    Left = 12
    Top = 284
    Width = 1044
    Height = 2
    Shape = bsTopLine
  end
  object OkButton: TBitBtn
    Left = 440
    Top = 300
    Width = 90
    Height = 28
    Kind = bkOK
    OnClick = ButtonClick
  end
  object CancelButton: TBitBtn
    Left = 540
    Top = 300
    Width = 90
    Height = 28
    Kind = bkCancel
    OnClick = ButtonClick
  end
  object HelpButton: TBitBtn
    Left = 640
    Top = 300
    Width = 90
    Height = 28
    Kind = bkHelp
    OnClick = ButtonClick
  end
  object RetryButton: TBitBtn
    Left = 740
    Top = 300
    Width = 90
    Height = 28
    Kind = bkRetry
    OnClick = ButtonClick
  end
  object AllButton: TBitBtn
    Left = 840
    Top = 300
    Width = 90
    Height = 28
    Kind = bkAll
    Layout = blGlyphRight
    OnClick = ButtonClick
  end
  object Status: TStatusBar
    Left = 0
    Top = 401
    Width = 1080
    Height = 19
    Panels = <
      item
        Text = 'Form file read'
        Width = 160
      end
      item
        Text = '3 panels'
        Width = 100
      end
      item
        Text = 'Handlers bound by name'
        Width = 200
      end>
  end
end
)";

template <class T>
T* Get(TComponent* Root, const char16_t* Name) {
  return dynamic_cast<T*>(Root->FindComponent(Name));
}

void BuildStandardForms(showcase::TPageContext& P) {
  TFormReader reader;
  auto say = P.Say;
  auto caption = [](TObject* Sender) {
    auto* c = dynamic_cast<TControl*>(Sender);
    return c ? c->Caption() : String();
  };
  reader.Handlers()
      .Add(u"ShippingClick", [say, caption](TObject* S) { say(u"Shipping: " + caption(S)); })
      .Add(u"PaymentClick", [say](TObject* S) {
        auto* g = dynamic_cast<TRadioGroup*>(S);
        if (g && g->ItemIndex() >= 0) say(u"Payment: " + g->Items()->Strings(g->ItemIndex()));
      })
      .Add(u"OrdersSetEditText", [say](TObject*, int C, int R, const String& V) {
        say(u"Cell " + IntToStr(C) + u"," + IntToStr(R) + u": " + V);
      })
      .Add(u"PagesChange", [say](TObject* S) {
        say(u"Page: " + dynamic_cast<TPageControl*>(S)->ActivePage()->Caption());
      })
      .Add(u"VolumeChange", [say](TObject* S) {
        say(u"Volume: " + IntToStr(dynamic_cast<TTrackBar*>(S)->Position()));
      })
      .Add(u"FarButtonClick", [say](TObject*) { say(u"The scroll box's far button"); })
      .Add(u"ButtonClick", [say, caption](TObject* S) { say(u"Clicked " + caption(S)); });
  TComponent* root = reader.ReadText(kPanel, nullptr, P.Owner);
  auto* panel = dynamic_cast<TWinControl*>(root);
  panel->SetParent(P.Page);
  // The grid's cells are data: filled here, not in the file.
  auto* grid = Get<TStringGrid>(root, u"Orders");
  grid->Rows(0)->SetCommaText(u"#,Item,Quantity,Price");
  const char16_t* rows[] = {u"1,Paper,500,4.20", u"2,Pens,12,9.60", u"3,Stapler,1,7.15", u"4,Folders,40,12.00"};
  for (int r = 0; r < 4; ++r) grid->Rows(r + 1)->SetCommaText(rows[r]);
}

}  // namespace

SHOWCASE_PAGE(12, u"Standard forms", "stdforms", BuildStandardForms)
