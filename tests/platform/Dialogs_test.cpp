#include "tests/platform/ControlFixture.h"

#include "platform/controls/Dialogs.h"
#include "tests/platform/TestForms.h"

class Dialogs : public ControlTest {
protected:
  void SetUp() override {
    ControlTest::SetUp();
    ClearShownDialogs();
  }
  // A responder that clicks the dialog's button of that name through the input path.
  static std::function<void(TCustomForm&)> Clicking(const char* name) {
    return [name](TCustomForm& dialog) {
      TButton* button = DialogButton(dialog, name);
      ASSERT_NE(button, nullptr) << name;
      ClickOn(*button);
    };
  }
};

TEST_F(Dialogs, ButtonsCarryTheirEnglishNamesInOrderWithTheirResults) {
  TMessageForm* dialog = CreateMessageDialog("Save?", mtConfirmation, TMsgDlgButtons{mbHelp, mbCancel, mbNo, mbYes});
  TScopedFree<TMessageForm> guard(dialog);
  std::vector<AnsiString> names;
  for (TButton* b : dialog->Buttons()) names.push_back(b->Name());
  EXPECT_EQ(names, (std::vector<AnsiString>{"Yes", "No", "Cancel", "Help"}));
  EXPECT_EQ(dialog->Caption(), "Confirm");
  EXPECT_EQ(dialog->Message()->Caption(), "Save?");
  EXPECT_EQ(dialog->FindButton("Yes")->ModalResult(), mrYes);
  EXPECT_TRUE(dialog->FindButton("Yes")->Default());
  EXPECT_TRUE(dialog->FindButton("Cancel")->Cancel());
  EXPECT_EQ(dialog->FindButton("OK"), nullptr);
  // Buttons sit side by side below the text, inside the dialog.
  EXPECT_LT(dialog->Buttons()[0]->Left() + dialog->Buttons()[0]->Width(), dialog->Buttons()[1]->Left());
  EXPECT_LE(dialog->Buttons().back()->Left() + dialog->Buttons().back()->Width(), dialog->Width());
}

TEST_F(Dialogs, MessageDlgIsAnsweredByTheResponderAndRecorded) {
  struct TAnswerCase {
    TMsgDlgType Kind;
    TMsgDlgButtons Buttons;
    const char* Click;
    int Result;
    const char* Caption;
  };
  for (const TAnswerCase& c : {TAnswerCase{mtWarning, TMsgDlgButtons{mbOK}, "OK", mrOk, "Warning"},
                               TAnswerCase{mtError, mbAbortRetryIgnore, "Retry", mrRetry, "Error"},
                               TAnswerCase{mtInformation, TMsgDlgButtons{mbYesToAll, mbNoToAll}, "NoToAll", mrNoToAll,
                                           "Information"},
                               TAnswerCase{mtConfirmation, mbYesNoCancel, "No", mrNo, "Confirm"}}) {
    Application->ModalResponder = Clicking(c.Click);
    EXPECT_EQ(MessageDlg("Text", c.Kind, c.Buttons), c.Result);
    const TShownDialog& shown = ShownDialogs().back();
    EXPECT_EQ(shown.Kind, c.Kind);
    EXPECT_EQ(shown.Caption, c.Caption);
    EXPECT_EQ(shown.Answer, c.Result);
  }
  EXPECT_EQ(ShownDialogs().size(), 4u);
  EXPECT_EQ(ShownDialogs()[1].Buttons, (std::vector<AnsiString>{"Abort", "Retry", "Ignore"}));
}

TEST_F(Dialogs, KeysAnswerADialogAsAPersonWould) {
  Application->ModalResponder = [](TCustomForm& dialog) { PressKey(dialog, VK_ESCAPE); };
  EXPECT_EQ(MessageDlg("Go on?", mtConfirmation, mbYesNoCancel), mrCancel);
  Application->ModalResponder = [](TCustomForm& dialog) { PressKey(dialog, VK_RETURN); };
  EXPECT_EQ(MessageDlg("Go on?", mtConfirmation, TMsgDlgButtons{mbYes, mbNo}), mrYes);
  Application->ModalResponder = [](TCustomForm& dialog) { PressKey(dialog, 'N', TShiftState{ssAlt}); };
  EXPECT_EQ(MessageDlg("Go on?", mtConfirmation, TMsgDlgButtons{mbYes, mbNo}), mrNo);
}

TEST_F(Dialogs, RelabelledButtonsAreRecordedAsShown) {
  TMessageForm* dialog = CreateMessageDialog("Delete?", mtWarning, TMsgDlgButtons{mbOK, mbCancel});
  TScopedFree<TMessageForm> guard(dialog);
  dialog->SetCaption("frmMain");
  dialog->FindButton("OK")->SetCaption("Sure");
  Application->ModalResponder = Clicking("Cancel");
  EXPECT_EQ(dialog->ShowModal(), mrCancel);
  const TShownDialog& shown = ShownDialogs().back();
  EXPECT_EQ(shown.Caption, "frmMain");
  EXPECT_EQ(shown.Text, "Delete?");
  EXPECT_EQ(shown.ButtonCaptions, (std::vector<AnsiString>{"Sure", "Cancel"}));
}

TEST_F(Dialogs, AnUnansweredDialogRaisesAndIsStillRecordedAndFreed) {
  int forms = Screen->FormCount();
  EXPECT_THROW(MessageDlg("Nobody", mtError, TMsgDlgButtons{mbOK}), EModalNotAnswered);
  EXPECT_EQ(Screen->FormCount(), forms);
  ASSERT_EQ(ShownDialogs().size(), 1u);
  EXPECT_EQ(ShownDialogs()[0].Answer, mrNone);
}

TEST_F(Dialogs, MessageBoxFlagsChooseButtonsIconAndDefault) {
  struct TBoxCase {
    int Flags;
    std::vector<AnsiString> Buttons;
    TMsgDlgType Kind;
    int EnterAnswer;
  };
  Application->ModalResponder = [](TCustomForm& dialog) { PressKey(dialog, VK_RETURN); };
  for (const TBoxCase& c : {TBoxCase{MB_OK, {"OK"}, mtCustom, IDOK},
                            TBoxCase{MB_YESNO | MB_ICONQUESTION, {"Yes", "No"}, mtConfirmation, IDYES},
                            TBoxCase{MB_YESNO | MB_ICONWARNING | MB_DEFBUTTON2, {"Yes", "No"}, mtWarning, IDNO},
                            TBoxCase{MB_RETRYCANCEL | MB_ICONERROR, {"Retry", "Cancel"}, mtError, IDRETRY},
                            TBoxCase{0x0F, {"OK"}, mtCustom, IDOK}}) {
    EXPECT_EQ(Application->MessageBox("Text", "Title", c.Flags), c.EnterAnswer) << c.Flags;
    EXPECT_EQ(ShownDialogs().back().Buttons, c.Buttons) << c.Flags;
    EXPECT_EQ(ShownDialogs().back().Kind, c.Kind) << c.Flags;
    EXPECT_EQ(ShownDialogs().back().Caption, "Title");
  }
}
