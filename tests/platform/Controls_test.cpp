#include <gtest/gtest.h>

#include "tests/platform/TestForms.h"

namespace {

// A form built in code: two panels with two edits each and a button.
class TFocusForm : public TForm {
  PAVANE_CLASS(TFocusForm, TForm)
public:
  explicit TFocusForm(TComponent* owner) : TForm(owner) {
    SetName("frmFocus");
    left = Panel("pnlLeft");
    right = Panel("pnlRight");
    a1 = Edit("a1", left);
    a2 = Edit("a2", left);
    b1 = Edit("b1", right);
    button = New<TButton>(this);
    button->SetName("btnGo");
    button->SetParent(this);
    Hook(button);
  }

  TPanel* Panel(const char* name) {
    auto* p = New<TPanel>(this);
    p->SetName(name);
    p->SetParent(this);
    Hook(p);
    return p;
  }
  TEdit* Edit(const char* name, TWinControl* parent) {
    auto* e = New<TEdit>(this);
    e->SetName(name);
    e->SetParent(parent);
    Hook(e);
    return e;
  }
  void Hook(TWinControl* c) {
    c->OnEnter = Bind<&TFocusForm::Entered>(this);
    c->OnExit = Bind<&TFocusForm::Exited>(this);
  }
  void Entered(TObject* s) { log.push_back("enter " + static_cast<TComponent*>(s)->Name()); }
  void Exited(TObject* s) {
    log.push_back("exit " + static_cast<TComponent*>(s)->Name());
    if (refocusOnExit && s == refocusOnExit) refocusOnExit->SetFocus();
  }
  void KeyDownPreview(TObject*, WORD& key, TShiftState) {
    log.push_back("form key " + IntToStr(key));
    if (key == VK_F2) key = 0;
  }
  void EditKeyDown(TObject*, WORD& key, TShiftState) { log.push_back("edit key " + IntToStr(key)); }
  void PressPreview(TObject*, char& key) {
    if (key == 'x') key = 0;
  }

  TPanel* left;
  TPanel* right;
  TEdit* a1;
  TEdit* a2;
  TEdit* b1;
  TButton* button;
  TWinControl* refocusOnExit = nullptr;
  std::vector<AnsiString> log;
};

}  // namespace

const TClassInfo& TFocusForm::StaticClass() {
  static const TClassInfo info = DescribeClass<TFocusForm>("TFocusForm");
  return info;
}

class Focus : public ::testing::Test {
protected:
  void SetUp() override {
    form = New<TFocusForm>(nullptr);
    form->Show();
    form->log.clear();
  }
  void TearDown() override {
    if (form) form->Free();
    Application->ModalResponder = nullptr;
  }
  TFocusForm* form = nullptr;
};

TEST_F(Focus, ShowingFocusesTheFirstTabStopWithEnterEventsOfItsContainers) {
  auto* fresh = New<TFocusForm>(nullptr);
  fresh->Show();
  EXPECT_EQ(fresh->log, (std::vector<AnsiString>{"enter pnlLeft", "enter a1"}));
  EXPECT_TRUE(fresh->a1->Focused());
  EXPECT_EQ(Screen->ActiveForm(), fresh);
  EXPECT_EQ(Screen->ActiveControl(), fresh->a1);
  fresh->Free();
  EXPECT_EQ(Screen->ActiveForm(), form);
}

TEST_F(Focus, ExitOfAContainerWhoseChildHeldTheFocus) {
  form->a2->SetFocus();
  EXPECT_EQ(form->log, (std::vector<AnsiString>{"exit a1", "enter a2"}));
  form->log.clear();
  form->b1->SetFocus();
  EXPECT_EQ(form->log, (std::vector<AnsiString>{"exit a2", "exit pnlLeft", "enter pnlRight", "enter b1"}));
  form->log.clear();
  form->button->SetFocus();
  EXPECT_EQ(form->log, (std::vector<AnsiString>{"exit b1", "exit pnlRight", "enter btnGo"}));
  EXPECT_EQ(form->ActiveControl(), form->button);
}

TEST_F(Focus, AnExitHandlerThatKeepsTheFocusStopsTheChange) {
  form->refocusOnExit = form->a1;
  form->b1->SetFocus();
  EXPECT_EQ(form->log, (std::vector<AnsiString>{"exit a1"}));
  EXPECT_TRUE(form->a1->Focused());
}

TEST_F(Focus, TabMovesInTabOrderSkippingDisabledAndNonStopControls) {
  form->a2->SetEnabled(false);
  form->a1->Perform(WM_KEYDOWN, VK_TAB, 0);
  EXPECT_TRUE(form->b1->Focused());
  form->b1->SetTabOrder(0);
  EXPECT_EQ(form->b1->TabOrder(), 0);
  form->b1->Perform(WM_KEYDOWN, VK_TAB, static_cast<LPARAM>(TShiftState{ssShift}.Bits()));
  EXPECT_TRUE(form->a1->Focused());
  EXPECT_EQ(form->FindNextControl(form->button, true, true, false), form->a1);
  EXPECT_THROW(form->a2->SetFocus(), EInvalidOperation);
}

TEST_F(Focus, KeyPreviewSeesKeysFirstAndCanConsumeThem) {
  form->SetKeyPreview(true);
  form->OnKeyDown = Bind<&TFocusForm::KeyDownPreview>(form);
  form->a1->OnKeyDown = Bind<&TFocusForm::EditKeyDown>(form);
  form->OnKeyPress = Bind<&TFocusForm::PressPreview>(form);
  form->a1->Perform(WM_KEYDOWN, VK_F1, 0);
  form->a1->Perform(WM_KEYDOWN, VK_F2, 0);
  EXPECT_EQ(form->log, (std::vector<AnsiString>{"form key 112", "edit key 112", "form key 113"}));
  form->a1->SetText("");
  for (char c : std::string("axb")) form->a1->Perform(WM_CHAR, static_cast<unsigned char>(c), 0);
  EXPECT_EQ(form->a1->Text(), "ab");
  form->SetKeyPreview(false);
  form->log.clear();
  form->a1->Perform(WM_KEYDOWN, VK_F2, 0);
  EXPECT_EQ(form->log, (std::vector<AnsiString>{"edit key 113"}));
}

TEST_F(Focus, PostedMessagesWaitForTheQueueAndSentOnesRunAtOnce) {
  HWND h = form->b1->Handle();
  EXPECT_NE(h, 0u);
  EXPECT_EQ(form->b1->Handle(), h);
  EXPECT_TRUE(PostMessage(h, WM_CHAR, 'q', 0));
  EXPECT_EQ(form->b1->Text(), "b1");
  Application->ProcessMessages();
  EXPECT_EQ(form->b1->Text(), "b1q");
  SendMessage(h, WM_CHAR, 'r', 0);
  EXPECT_EQ(form->b1->Text(), "b1qr");
  EXPECT_FALSE(PostMessage(0x7FFFFFF0, WM_USER + 10, 0, 0));
  EXPECT_EQ(SendMessage(0x7FFFFFF0, WM_USER, 0, 0), 0);
  PostMessage(h, WM_CHAR, 's', 0);
  form->b1->Free();
  Application->ProcessMessages();  // the window is gone: its message is dropped
  EXPECT_FALSE(Application->HasPendingMessages());
}

TEST_F(Focus, ClickOfAButtonByMouseMessagesSetsTheModalResult) {
  form->button->SetModalResult(mrYes);
  form->button->Perform(WM_LBUTTONDOWN, 0, MakePointParam(3, 3));
  form->button->Perform(WM_LBUTTONUP, 0, MakePointParam(3, 3));
  EXPECT_EQ(form->ModalResult(), mrYes);
  form->SetModalResult(mrNone);
  form->button->Perform(WM_LBUTTONDOWN, 0, MakePointParam(3, 3));
  form->button->Perform(WM_LBUTTONUP, 0, MakePointParam(200, 3));  // released outside
  EXPECT_EQ(form->ModalResult(), mrNone);
}

namespace {

struct ModalProbe : TObject {
  std::vector<AnsiString> log;
  TCloseAction action = caHide;
  void Shown(TObject*) { log.push_back("show"); }
  void Hidden(TObject*) { log.push_back("hide"); }
  void Closing(TObject*, TCloseAction& a) {
    log.push_back("close");
    a = action;
  }
  void Destroyed(TObject*) { log.push_back("destroy"); }
};

TCustomForm* ProbedForm(ModalProbe& probe) {
  auto* f = New<TForm>(nullptr);
  f->SetName("frmDialog");
  f->OnShow = Bind<&ModalProbe::Shown>(&probe);
  f->OnHide = Bind<&ModalProbe::Hidden>(&probe);
  f->OnClose = Bind<&ModalProbe::Closing>(&probe);
  f->OnDestroy = Bind<&ModalProbe::Destroyed>(&probe);
  return f;
}

}  // namespace

TEST_F(Focus, ModalRunAnsweredByTheResponder) {
  ModalProbe probe;
  TCustomForm* dialog = ProbedForm(probe);
  Application->ModalResponder = [](TCustomForm& f) { f.SetModalResult(mrOk); };
  EXPECT_EQ(dialog->ShowModal(), mrOk);
  EXPECT_FALSE(dialog->Visible());
  EXPECT_EQ(probe.log, (std::vector<AnsiString>{"show", "close", "hide"}));
  dialog->Free();
  EXPECT_EQ(probe.log.back(), "destroy");
}

TEST_F(Focus, ModalWindowClosedWithFreeIsGoneWhenTheRunEnds) {
  ModalProbe probe;
  probe.action = caFree;
  TCustomForm* dialog = ProbedForm(probe);
  Application->ModalResponder = [](TCustomForm& f) { f.Close(); };
  EXPECT_EQ(dialog->ShowModal(), mrCancel);
  EXPECT_EQ(probe.log, (std::vector<AnsiString>{"show", "close", "hide", "destroy"}));
}

TEST_F(Focus, ModalWindowThatNobodyAnswersFailsNamingIt) {
  ModalProbe probe;
  TScopedFree dialog(ProbedForm(probe));
  try {
    dialog->ShowModal();
    FAIL();
  } catch (const EModalNotAnswered& e) {
    EXPECT_EQ(e.Message, "The modal window frmDialog (TForm) was not answered");
  }
  EXPECT_FALSE(dialog->Visible());
  EXPECT_FALSE(dialog->IsModal());
  Application->ModalResponder = [](TCustomForm&) {};  // answers nothing
  EXPECT_THROW(dialog->ShowModal(), EModalNotAnswered);
}

TEST_F(Focus, CloseActionsHideOrReleaseTheForm) {
  ModalProbe probe;
  TCustomForm* f = ProbedForm(probe);
  f->Show();
  f->Close();
  EXPECT_FALSE(f->Visible());
  probe.action = caFree;
  f->Show();
  f->Close();
  EXPECT_EQ(probe.log, (std::vector<AnsiString>{"show", "close", "hide", "show", "close"}));
  Application->ProcessMessages();
  EXPECT_EQ(probe.log.back(), "destroy");
}

TEST_F(Focus, ExceptionsOfPostedMessagesReachTheApplication) {
  struct Thrower : TObject {
    void Raise(TObject*) { throw EConvertError("bad value"); }
  } thrower;
  form->button->OnClick = Bind<&Thrower::Raise>(&thrower);
  PostMessage(form->button->Handle(), WM_LBUTTONDOWN, 0, 0);
  PostMessage(form->button->Handle(), WM_LBUTTONUP, 0, 0);
  Application->ProcessMessages();
  EXPECT_EQ(Application->LastExceptionMessage(), "bad value");
}
