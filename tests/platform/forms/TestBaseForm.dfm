object frmTestBase: TfrmTestBase
  Left = 10
  Width = 400
  Height = 300
  Caption = '基础窗口'
  KeyPreview = True
  OnShow = FormShow
  object pnlTop: TPanel
    Width = 380
    Caption = 'Top'
    Font.Name = 'Tahoma'
    Font.Style = [fsBold]
    Color = clRed
    object edFirst: TEdit
      TabOrder = 1
      Text = 'first'
      OnEnter = ControlEnter
      OnExit = ControlExit
    end
    object edSecond: TEdit
      TabOrder = 0
      Text = 'it''s'#13#10'two'
      OnExit = ControlExit
    end
  end
  object btnOk: TButton
    Caption = '确定'
    ModalResult = 1
    OnClick = btnOkClick
  end
end
