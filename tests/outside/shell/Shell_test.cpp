#include <gtest/gtest.h>

#include "outside/shell/PluginLibrary.h"
#include "platform/controls/Application.h"

namespace {

// The shell's notification handler.
struct ShellEvents : TObject {
  std::vector<int> Codes;
  TDLLBaseController* From = nullptr;
  void Notified(int code, TDLLBaseController* controller) {
    Codes.push_back(code);
    From = controller;
  }
};

Variant StartParams(const char* mode) { return VarArrayOf({"u01", "c01", "erpdb", 0, mode}); }

class Shell : public ::testing::Test {
protected:
  // The product plug-in (its form class is not assigned yet) and a report plug-in built with
  // a test form class.
  static TPluginLibrary& Product() {
    static TPluginLibrary library(PAVANEC_PATH);
    return library;
  }
  static TPluginLibrary& WithForm() {
    static TPluginLibrary library(PAVANEC_TESTFORM_PATH);
    return library;
  }
  std::unique_ptr<TDLLBaseController> Controller(TPluginLibrary& library) {
    auto c = library.GetController();
    c->WorkCenter = "work center";
    c->OnNotify = Bind<&ShellEvents::Notified>(&events);
    return c;
  }
  ShellEvents events;
};

}  // namespace

TEST_F(Shell, WithoutFormEveryOperationAnswersItsEmptyValue) {
  auto c = Controller(Product());
  auto other = Product().GetController();
  EXPECT_NE(c.get(), other.get());
  EXPECT_TRUE(c->IsFormGone());
  EXPECT_EQ(c->GetFormVisible(), 0);
  EXPECT_EQ(c->GetFormHandle(), 0u);
  EXPECT_EQ(c->ShowFormModal().AsInteger(), 2);
  EXPECT_EQ(c->ReceiveData(VarArrayOf({1, 2})), -1);
  EXPECT_EQ(c->ReceiveTypedData(5, 0, 1), -1);
  Variant results = "untouched";
  EXPECT_EQ(c->GetResults(results), -1);
  EXPECT_EQ(results.AsString(), "untouched");
  WideString version = u"unassigned";
  c->GetVersion(version);
  EXPECT_EQ(version, u"unassigned");
  c->SetFormVisible(1);
  c->FreeForm();
  c->Reserved();
  EXPECT_TRUE(events.Codes.empty());
}

TEST_F(Shell, UnassignedFormClassIsAnInternalError) {
  auto c = Controller(Product());
  try {
    c->CreateForm(StartParams("answer"));
    FAIL();
  } catch (const Exception& e) {
    EXPECT_EQ(e.Message, "ORVO DLL Internal Error :\rNot Assign \"frmBaseGeneClass\" varible");
  }
  EXPECT_TRUE(c->IsFormGone());
}

TEST_F(Shell, ShowHideModalAndFreeWithNotificationsInOrder) {
  auto c = Controller(WithForm());
  ASSERT_EQ(c->CreateForm(StartParams("answer")), 0);
  EXPECT_EQ(events.Codes, std::vector<int>{256});
  EXPECT_EQ(events.From, c.get());
  EXPECT_FALSE(c->IsFormGone());
  Variant results;
  ASSERT_EQ(c->GetResults(results), 0);
  EXPECT_EQ(results.LowBound(), 0);
  EXPECT_EQ(results.HighBound(), 3);
  EXPECT_EQ(results[0].AsString(), "u01");
  EXPECT_EQ(results[1].AsString(), "c01");
  EXPECT_EQ(results[2].AsString(), "PAVANEC");
  EXPECT_EQ(results[3].AsString(), "Shell test");
  WideString version;
  c->GetVersion(version);
  EXPECT_EQ(version, u"870401-0.00.00");

  EXPECT_EQ(c->ReceiveData(VarArrayOf({0, "data"})), 0);
  EXPECT_EQ(c->ReceiveData(VarArrayOf({0})), -1);
  EXPECT_EQ(c->ReceiveData("text"), -1);
  EXPECT_EQ(c->ReceiveData(Variant::Null()), -1);
  EXPECT_EQ(c->ReceiveTypedData(6, 0, 1), -1);
  EXPECT_EQ(c->ReceiveTypedData(5, 12345, 1), 0);
  EXPECT_EQ(c->ReceiveTypedData(9, -1, "x"), 0);

  c->SetFormVisible(1);
  EXPECT_EQ(c->GetFormVisible(), -1);
  EXPECT_NE(c->GetFormHandle(), 0u);
  c->SetFormVisible(0);
  EXPECT_EQ(c->GetFormVisible(), 0);
  EXPECT_EQ(events.Codes, (std::vector<int>{256, 272, 288}));

  // The modal run is answered OK; the form frees itself on close, as a condition form does.
  EXPECT_EQ(c->ShowFormModal().AsInteger(), 1);
  EXPECT_EQ(events.Codes, (std::vector<int>{256, 272, 288, 272, 288, 304}));
  EXPECT_TRUE(c->IsFormGone());
  EXPECT_EQ(c->ResultCode, 1);
  EXPECT_EQ(VarType(c->ResultValue), varOleStr);
  EXPECT_EQ(c->ResultValue.AsString(), "J0042");
  EXPECT_EQ(c->GetResults(results), -1);
}

TEST_F(Shell, UserCloseOfTheModalWindowFreesTheForm) {
  auto c = Controller(WithForm());
  ASSERT_EQ(c->CreateForm(StartParams("stay")), 0);
  // The person closes the window the plug-in runs modally; the plug-in's loop serves it.
  SetWindowResponder([](HWND window) { PostMessage(window, WM_CLOSE, 0, 0); });
  EXPECT_EQ(c->ShowFormModal().AsInteger(), 2);
  SetWindowResponder(nullptr);
  EXPECT_EQ(events.Codes, (std::vector<int>{256, 272, 288, 304}));
  EXPECT_TRUE(c->IsFormGone());
  Variant results;
  EXPECT_EQ(c->GetResults(results), -1);
  EXPECT_EQ(c->ResultCode, 1);
  // A later CreateForm makes a fresh form.
  EXPECT_EQ(c->CreateForm(StartParams("answer")), 0);
  EXPECT_FALSE(c->IsFormGone());
}

TEST_F(Shell, UserCloseOfAShownWindowIsServedByTheShellsLoop) {
  auto c = Controller(WithForm());
  ASSERT_EQ(c->CreateForm(StartParams("stay")), 0);
  c->SetFormVisible(1);
  // The close box posts WM_CLOSE; the shell's own message loop delivers it to the plug-in's form.
  ASSERT_TRUE(PostMessage(c->GetFormHandle(), WM_CLOSE, 0, 0));
  Application->ProcessMessages();
  // Freed on close without being hidden first: no 288.
  EXPECT_EQ(events.Codes, (std::vector<int>{256, 272, 304}));
  EXPECT_TRUE(c->IsFormGone());
  EXPECT_EQ(c->ResultValue.AsString(), "J0042");
}

TEST_F(Shell, AModalWindowNobodyAnswersFailsWithItsName) {
  auto c = Controller(WithForm());
  ASSERT_EQ(c->CreateForm(StartParams("stay")), 0);
  try {
    c->ShowFormModal();
    FAIL();
  } catch (const Exception& e) {
    EXPECT_EQ(e.Message, "The modal window frmShellTest (TfrmShellTest) was not answered");
  }
  EXPECT_FALSE(c->IsFormGone());
  EXPECT_EQ(c->GetFormVisible(), 0);
}

TEST_F(Shell, StartUpThatFailsKeepsTheFormUntilFreed) {
  auto c = Controller(WithForm());
  EXPECT_EQ(c->CreateForm(StartParams("fail")), -1);
  EXPECT_FALSE(c->IsFormGone());
  c->FreeForm();
  EXPECT_EQ(events.Codes, (std::vector<int>{256, 304}));
  EXPECT_TRUE(c->IsFormGone());

  EXPECT_THROW(c->CreateForm(StartParams("throw")), Exception);
  EXPECT_FALSE(c->IsFormGone());
}

TEST_F(Shell, RepeatedCreateFormDoesNotChainItsOwnHooks) {
  auto c = Controller(WithForm());
  ASSERT_EQ(c->CreateForm(StartParams("answer")), 0);
  EXPECT_EQ(c->CreateForm(StartParams("answer")), 0);
  c->SetFormVisible(1);
  c->SetFormVisible(0);
  EXPECT_EQ(events.Codes, (std::vector<int>{256, 272, 288}));
  c.reset();  // destroying the controller frees its form first
  EXPECT_EQ(events.Codes.back(), 304);
}
