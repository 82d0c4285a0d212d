object frmConditions: TfrmConditions
  Left = 200
  Top = 120
  BorderStyle = bsDialog
  Caption = '报表条件 - Report conditions'
  ClientHeight = 231
  ClientWidth = 361
  Font.Charset = GB2312_CHARSET
  Font.Height = -12
  Font.Name = '宋体'
  OnShow = FormShow
  object pnlTop: TPanel
    Left = 0
    Top = 0
    Width = 361
    Height = 33
    Caption = '条件设置'
  end
  object lblName: TLabel
    Left = 12
    Top = 48
    Width = 60
    Height = 13
    Caption = '方案名称:'
  end
  object edName: TEdit
    Left = 80
    Top = 44
    Width = 145
    Height = 21
    Text = 'Monthly 月报'
    TabOrder = 1
  end
  object grpOptions: TGroupBox
    Left = 8
    Top = 76
    Width = 345
    Height = 105
    Caption = '选项 Options'
    TabOrder = 2
    object lblNote: TLabel
      Left = 12
      Top = 22
      Width = 120
      Height = 13
      Caption = '备注 &Notes'
    end
    object memNote: TMemo
      Left = 12
      Top = 40
      Width = 321
      Height = 53
      Lines.Strings = ('第一行 first line' 'second line')
      TabOrder = 0
    end
  end
  object btnOk: TButton
    Left = 192
    Top = 196
    Width = 75
    Height = 25
    Caption = '确定'
    Default = True
    ModalResult = 1
    TabOrder = 3
    OnClick = btnOkClick
  end
  object btnCancel: TButton
    Left = 276
    Top = 196
    Width = 75
    Height = 25
    Caption = '取消'
    Enabled = False
    ModalResult = 2
    TabOrder = 4
  end
end
