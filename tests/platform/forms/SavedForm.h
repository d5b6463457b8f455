// A form file written the way a designer saves one: bookkeeping values,
// design-time positions and margins, collections, binary data, handlers
// by name, menus, and the standard controls forms use.
#pragma once

inline constexpr char16_t kSavedForm[] = uR"(object MainForm: TMainForm
  Left = 192
  Top = 114
  BorderIcons = [biSystemMenu, biMinimize]
  Caption = 'Orders'
  ClientHeight = 420
  ClientWidth = 560
  Color = clBtnFace
  Font.Charset = DEFAULT_CHARSET
  Font.Color = clWindowText
  Font.Height = -11
  Font.Name = 'Tahoma'
  Font.Style = []
  KeyPreview = True
  Menu = MainMenu1
  OldCreateOrder = False
  Position = poScreenCenter
  OnCreate = FormCreate
  OnKeyDown = FormKeyDown
  PixelsPerInch = 96
  TextHeight = 13
  object Label1: TLabel
    Left = 8
    Top = 8
    Width = 57
    Height = 13
    Caption = 'Customer:'
  end
  object Edit1: TEdit
    Left = 72
    Top = 5
    Width = 121
    Height = 21
    TabOrder = 0
    Text = 'Edit1'
    OnChange = Edit1Change
  end
  object GroupBox1: TGroupBox
    Left = 8
    Top = 32
    Width = 185
    Height = 105
    Caption = 'Shipping'
    TabOrder = 1
    object RadioButton1: TRadioButton
      Left = 8
      Top = 20
      Width = 113
      Height = 17
      Caption = 'Air'
      Checked = True
      TabOrder = 0
      TabStop = True
    end
    object RadioButton2: TRadioButton
      Left = 8
      Top = 44
      Width = 113
      Height = 17
      Caption = 'Sea'
      TabOrder = 1
    end
  end
  object RadioGroup1: TRadioGroup
    Left = 200
    Top = 32
    Width = 185
    Height = 105
    Caption = 'Payment'
    Columns = 2
    ItemIndex = 1
    Items.Strings = (
      'Cash'
      'Card'
      'Invoice')
    TabOrder = 2
  end
  object StringGrid1: TStringGrid
    Left = 8
    Top = 144
    Width = 320
    Height = 120
    ColCount = 4
    RowCount = 6
    Options = [goFixedVertLine, goFixedHorzLine, goVertLine, goHorzLine, goRangeSelect, goEditing]
    TabOrder = 3
    OnSetEditText = StringGrid1SetEditText
  end
  object PageControl1: TPageControl
    Left = 336
    Top = 144
    Width = 216
    Height = 120
    ActivePage = TabSheet2
    TabOrder = 4
    object TabSheet1: TTabSheet
      Caption = 'Notes'
    end
    object TabSheet2: TTabSheet
      Caption = 'History'
      ImageIndex = 1
    end
  end
  object ScrollBox1: TScrollBox
    Left = 8
    Top = 272
    Width = 185
    Height = 80
    TabOrder = 5
    object Bevel1: TBevel
      Left = 4
      Top = 4
      Width = 300
      Height = 150
      Shape = bsFrame
    end
  end
  object TrackBar1: TTrackBar
    Left = 200
    Top = 272
    Width = 150
    Height = 45
    Max = 20
    Position = 5
    TabOrder = 6
  end
  object BitBtn1: TBitBtn
    Left = 392
    Top = 352
    Width = 75
    Height = 25
    TabOrder = 7
    Kind = bkOK
    NumGlyphs = 2
  end
  object BitBtn2: TBitBtn
    Left = 472
    Top = 352
    Width = 75
    Height = 25
    Caption = '&Stop'
    TabOrder = 8
    OnClick = BitBtn2Click
    Kind = bkAbort
    NumGlyphs = 2
  end
  object Button1: TButton
    AlignWithMargins = True
    Left = 200
    Top = 320
    Width = 75
    Height = 25
    Margins.Left = 6
    Margins.Top = 4
    Caption = 'Save'
    TabOrder = 9
    OnClick = Button1Click
    ExplicitLeft = 198
    ExplicitTop = 318
  end
  object StatusBar1: TStatusBar
    Left = 0
    Top = 401
    Width = 560
    Height = 19
    Panels = <
      item
        Width = 50
      end
      item
        Text = 'Ready'
        Width = 200
      end>
  end
  object MainMenu1: TMainMenu
    Images = ImageList1
    Left = 480
    Top = 16
    object File1: TMenuItem
      Caption = '&File'
      object Save1: TMenuItem
        Caption = '&Save'
        ShortCut = 16467
        OnClick = Button1Click
      end
      object N1: TMenuItem
        Caption = '-'
      end
      object Exit1: TMenuItem
        Caption = 'E&xit'
        ImageIndex = 0
      end
    end
  end
  object PopupMenu1: TPopupMenu
    OnPopup = PopupMenu1Popup
    Left = 512
    Top = 16
    object Copy1: TMenuItem
      Caption = 'Copy'
    end
  end
  object Timer1: TTimer
    Interval = 500
    OnTimer = Timer1Timer
    Left = 448
    Top = 16
  end
  object ImageList1: TImageList
    Width = 4
    Height = 4
    Left = 416
    Top = 16
  end
  object OpenDialog1: TOpenDialog
    Filter = 'Orders (*.ord)|*.ord'
    Left = 384
    Top = 16
  end
end
)";
