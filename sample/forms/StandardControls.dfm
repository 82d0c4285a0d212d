object frmStandardControls: TForm
  Left = 100
  Top = 80
  Caption = 'Standard controls 标准控件'
  ClientHeight = 400
  ClientWidth = 560
  Font.Charset = GB2312_CHARSET
  Font.Height = -12
  Font.Name = '宋体'
  Menu = mmMain
  object tbMain: TToolBar
    Left = 0
    Top = 0
    Width = 560
    Height = 26
    Flat = True
    ShowCaptions = True
    ButtonWidth = 48
    object tbOpen: TToolButton
      Caption = '打开'
    end
    object tbSep: TToolButton
      Style = tbsSeparator
    end
    object tbRun: TToolButton
      Caption = 'Run'
      Style = tbsDropDown
    end
  end
  object pgMain: TPageControl
    Left = 8
    Top = 32
    Width = 544
    Height = 330
    ActivePage = tsConditions
    object tsConditions: TTabSheet
      Caption = '条件 &Conditions'
      object lblDate: TLabel
        Left = 8
        Top = 12
        Width = 60
        Height = 13
        Caption = '日期 &Date'
        FocusControl = meDate
      end
      object meDate: TMaskEdit
        Left = 80
        Top = 8
        Width = 90
        Height = 21
        EditMask = '9999/99/99;1; '
        Text = '2024/01/05'
      end
      object chkAll: TCheckBox
        Left = 190
        Top = 10
        Width = 120
        Height = 17
        Caption = '全部 &All'
        Checked = True
      end
      object rbDaily: TRadioButton
        Left = 320
        Top = 10
        Width = 90
        Height = 17
        Caption = 'Daily'
        Checked = True
      end
      object rbWeekly: TRadioButton
        Left = 420
        Top = 10
        Width = 90
        Height = 17
        Caption = 'Weekly'
      end
      object cboKind: TComboBox
        Left = 80
        Top = 40
        Width = 120
        Height = 21
        Style = csDropDownList
        Items.Strings = ('月报 Monthly' 'Weekly' 'Daily')
        ItemIndex = 0
      end
      object seCopies: TSpinEdit
        Left = 220
        Top = 40
        Width = 60
        Height = 21
        MinValue = 1
        MaxValue = 9
        Value = 2
      end
      object btnLookup: TSpeedButton
        Left = 290
        Top = 39
        Width = 23
        Height = 22
        Caption = '...'
        Flat = True
      end
      object lvSchemes: TListView
        Left = 8
        Top = 72
        Width = 330
        Height = 150
        ViewStyle = vsReport
        RowSelect = True
        Columns = <
          item
            Caption = '方案 Scheme'
            Width = 160
          end
          item
            Caption = 'Owner'
            Width = 150
          end>
      end
      object lstFields: TListBox
        Left = 350
        Top = 72
        Width = 176
        Height = 150
        Items.Strings = ('edPrintDate' 'edStartDate' 'edEndDate')
        ItemIndex = 1
      end
      object tvModules: TTreeView
        Left = 8
        Top = 230
        Width = 200
        Height = 64
      end
      object bvLine: TBevel
        Left = 220
        Top = 232
        Width = 300
        Height = 2
        Shape = bsTopLine
      end
      object btnApply: TBitBtn
        Left = 440
        Top = 264
        Width = 85
        Height = 25
        Kind = bkOK
      end
    end
    object tsOptions: TTabSheet
      Caption = '选项 Options'
    end
    object tsHidden: TTabSheet
      Caption = 'Hidden'
      TabVisible = False
    end
  end
  object sbMain: TStatusBar
    Left = 0
    Top = 376
    Width = 560
    Height = 24
    Panels = <
      item
        Text = '就绪 Ready'
        Width = 200
      end
      item
        Text = 'NUM'
        Width = 50
      end>
  end
  object mmMain: TMainMenu
    object miFile: TMenuItem
      Caption = '文件(&F)'
      object miOpen: TMenuItem
        Caption = '打开(&O)...'
        ShortCut = 16463
      end
      object miSave: TMenuItem
        Caption = '保存(&S)'
        ShortCut = 16467
      end
      object miFileLine: TMenuItem
        Caption = '-'
      end
      object miExit: TMenuItem
        Caption = '退出(&X)'
      end
    end
    object miEdit: TMenuItem
      Caption = '编辑(&E)'
      object miCopy: TMenuItem
        Caption = '复制(&C)'
        ShortCut = 16451
      end
    end
    object miView: TMenuItem
      Caption = '&View'
      object miToolBar: TMenuItem
        Caption = '&Tool bar'
        Checked = True
      end
    end
    object miHelp: TMenuItem
      Caption = '帮助(&H)'
      object miAbout: TMenuItem
        Caption = '关于(&A)'
      end
    end
  end
end
