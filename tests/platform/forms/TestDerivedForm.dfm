inherited frmTestDerived: TfrmTestDerived
  Caption = 'Derived'
  ActiveControl = edFirst
  inherited pnlTop: TPanel
    Caption = 'Top2'
    inherited edFirst: TEdit
      Text = 'changed'
    end
  end
  inherited btnOk: TButton
    OnClick = DerivedOkClick
  end
  object memNotes: TMemo
    Lines.Strings = (
      'line 1'
      '第二行')
    Hint = 'notes' + ' here'
  end
end
