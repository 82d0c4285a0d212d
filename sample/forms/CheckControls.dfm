object frmCheckControls: TForm
  Left = 100
  Top = 80
  Caption = 'Check controls 选项控件'
  ClientHeight = 300
  ClientWidth = 440
  Font.Charset = GB2312_CHARSET
  Font.Height = -12
  Font.Name = '宋体'
  object grpChecks: TGroupBox
    Left = 8
    Top = 8
    Width = 205
    Height = 170
    Caption = '报表输出'
    object chkView: TBitCheckBox
      Left = 8
      Top = 20
      Width = 190
      Height = 17
      Caption = '&View 预览'
      Checked = True
    end
    object chkHTML: TBitCheckBox
      Left = 8
      Top = 42
      Width = 190
      Height = 17
      Caption = 'HTML 网页'
    end
    object chkDirectPrint: TBitCheckBox
      Left = 8
      Top = 64
      Width = 190
      Height = 17
      Caption = '直接打印 (grayed)'
      AllowGrayed = True
      State = cbGrayed
    end
    object chkNotify: TBitCheckBox
      Left = 8
      Top = 86
      Width = 190
      Height = 17
      Caption = '完成通知 (disabled)'
      Checked = True
      Enabled = False
    end
    object chkAlarm: TBitCheckBox
      Left = 8
      Top = 108
      Width = 190
      Height = 17
      Caption = '提醒 (disabled)'
      Enabled = False
    end
    object chkDsPager: TBitCheckBox
      Left = 8
      Top = 130
      Width = 190
      Height = 17
      Alignment = taLeftJustify
      Caption = '分页 (left)'
      Checked = True
    end
  end
  object ChoiceCheckBox: TTarnCheckBox
    Left = 16
    Top = 186
    Width = 190
    Height = 17
    Alignment = taLeftJustify
    Caption = '选择 (grayed, left)'
    AllowGrayed = True
    State = cbGrayed
  end
  object grpRun: TGroupBox
    Left = 224
    Top = 8
    Width = 208
    Height = 110
    Caption = '执行方式'
    object rdoQueue: TKvRadioButton
      Left = 8
      Top = 20
      Width = 190
      Height = 17
      Caption = '&Queue 排队'
      Checked = True
    end
    object rdoRealTime: TKvRadioButton
      Left = 8
      Top = 42
      Width = 190
      Height = 17
      Caption = '实时执行'
    end
    object rdoExceptTime: TKvRadioButton
      Left = 8
      Top = 64
      Width = 190
      Height = 17
      Caption = '定时执行 (disabled)'
      Enabled = False
    end
    object rbEveryHour: TKvRadioButton
      Left = 8
      Top = 86
      Width = 190
      Height = 17
      Alignment = taLeftJustify
      Caption = '每小时 (left)'
    end
  end
  object grpCycle: TKvRadioGroup
    Left = 224
    Top = 126
    Width = 208
    Height = 105
    Caption = '周期'
    Columns = 2
    ItemIndex = 1
    Items.Strings = ('每天' '每周' '每月' '每季' '每年')
  end
end
