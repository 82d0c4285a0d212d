object frmCaptionedEdits: TForm
  Left = 100
  Top = 80
  Caption = 'Captioned edits 条件控件'
  ClientHeight = 250
  ClientWidth = 420
  Font.Charset = GB2312_CHARSET
  Font.Height = -12
  Font.Name = '宋体'
  object cdsNote: TDataSet
    object cdsNoteNOTE_ID: TStringField
      FieldName = 'NOTE_ID'
      DisplayLabel = '备注代号'
    end
    object cdsNoteSIGN_IN: TStringField
      FieldName = 'SIGN_IN'
      DisplayLabel = '签核人员'
    end
  end
  object dsNote: TDataSource
    DataSet = cdsNote
  end
  object pgOption: TExtPageControl
    Left = 8
    Top = 8
    Width = 404
    Height = 234
    ActivePage = tsOption
    object tsHidden: TTabSheet
      Caption = '隐藏'
      TabVisible = False
    end
    object tsOption: TTabSheet
      Caption = '选项'
      object edEveryHour: TKvEdit
        Left = 90
        Top = 12
        Width = 45
        Height = 21
        Caption = '每隔小时'
        Text = '2'
      end
      object edNoteID: TKvDBEdit
        Left = 90
        Top = 44
        Width = 100
        Height = 21
        DataSource = dsNote
        DataField = 'NOTE_ID'
        Caption = '备注代号'
        LabelPosition = lpLeft
      end
      object lblSignIn: TDBLabel
        Left = 8
        Top = 80
        Width = 60
        Height = 13
        FocusControl = edSignIn
        Pos = psLeft
      end
      object edSignIn: TDBEdit
        Left = 90
        Top = 76
        Width = 100
        Height = 21
        DataSource = dsNote
        DataField = 'SIGN_IN'
      end
      object cboNotify: TKvBtnDBCombo
        Left = 220
        Top = 76
        Width = 97
        Height = 21
        DataSource = dsNote
        DataField = 'SIGN_IN'
        Text = '通知'
      end
      object edRemark: TKvEdit
        Left = 220
        Top = 44
        Width = 120
        Height = 21
        Caption = '说明 (上方)'
        LabelPosition = lpAbove
      end
    end
    object tsSchedule: TTabSheet
      Caption = '排程'
      object meWeek: TKvSpinEdit
        Left = 90
        Top = 12
        Width = 50
        Height = 21
        MaxValue = 52
        MinValue = 1
        Value = 1
      end
    end
  end
end
