object frmGlyphButtons: TForm
  Left = 100
  Top = 80
  Caption = '按钮图片 Button pictures'
  ClientHeight = 282
  ClientWidth = 320
  Font.Charset = GB2312_CHARSET
  Font.Height = -12
  Font.Name = '宋体'
  object lblClear: TLabel
    Left = 44
    Top = 16
    Width = 200
    Height = 13
    Caption = '4  清空列表 Clear list'
  end
  object btnClear: TGSpeedButton
    Left = 12
    Top = 12
    Width = 23
    Height = 22
    GlyphIndex = 4
  end
  object lblLookup: TLabel
    Left = 44
    Top = 44
    Width = 200
    Height = 13
    Caption = '8  查询 Look-up'
  end
  object btnLookup: TGSpeedButton
    Left = 12
    Top = 40
    Width = 23
    Height = 22
    GlyphIndex = 8
  end
  object lblPicker: TLabel
    Left = 44
    Top = 72
    Width = 200
    Height = 13
    Caption = '9  日期 Date picker'
  end
  object btnPicker: TGSpeedButton
    Left = 12
    Top = 68
    Width = 23
    Height = 22
    GlyphIndex = 9
  end
  object lblUsers: TLabel
    Left = 44
    Top = 100
    Width = 200
    Height = 13
    Caption = '39  选择用户 Users'
  end
  object btnUsers: TGSpeedButton
    Left = 12
    Top = 96
    Width = 23
    Height = 22
    GlyphIndex = 39
  end
  object lblDelete: TLabel
    Left = 44
    Top = 128
    Width = 200
    Height = 13
    Caption = '47  删除行 Delete row'
  end
  object btnDelete: TGSpeedButton
    Left = 12
    Top = 124
    Width = 23
    Height = 22
    GlyphIndex = 47
  end
  object lblRange: TLabel
    Left = 44
    Top = 156
    Width = 200
    Height = 13
    Caption = '63  范围查询 Range look-up'
  end
  object btnRange: TGSpeedButton
    Left = 12
    Top = 152
    Width = 23
    Height = 22
    GlyphIndex = 63
  end
  object lblSignOff: TLabel
    Left = 44
    Top = 184
    Width = 200
    Height = 13
    Caption = '81  备注签核 Sign-off'
  end
  object btnSignOff: TGSpeedButton
    Left = 12
    Top = 180
    Width = 23
    Height = 22
    GlyphIndex = 81
  end
  object lblNote: TLabel
    Left = 12
    Top = 220
    Width = 80
    Height = 13
    Caption = '备注 Note'
  end
  object edNote: TEdit
    Left = 100
    Top = 216
    Width = 85
    Height = 21
    Text = 'F2'
  end
  object btnNote: TF2Button
    Gap = 4
    GlyphIndex = 81
    F2Control = edNote
  end
  object btnMissing: TGSpeedButton
    Left = 12
    Top = 246
    Width = 23
    Height = 22
    GlyphIndex = 5
  end
  object lblMissing: TLabel
    Left = 44
    Top = 250
    Width = 200
    Height = 13
    Caption = '5  无图片 No picture'
  end
end
