// The condition form of the test plug-in: a report plug-in whose form class is this one. The
// fifth start-up parameter tells it how to behave: "fail" (start-up false), "throw" (start-up
// raises), "answer" (its own OK answers a modal run); it frees itself on close, as a condition
// form does.

#include "forms/BaseGene.h"
#include "platform/classes/ClassDecl.h"
#include "platform/controls/Application.h"
#include "plugin/DLLFunc.h"

namespace {

class TfrmShellTest : public TfrmBaseGene {
  PAVANE_CLASS(TfrmShellTest, TfrmBaseGene)
public:
  explicit TfrmShellTest(TComponent* owner) : TfrmBaseGene(owner) {
    SetName("frmShellTest");
    VersionText = "870401-0.00.00";
    OnClose = Bind<&TfrmShellTest::FormClose>(this);
  }

  bool Initialize(const Variant& param) override {
    UserID = VarToStr(param[0]);
    CompanyID = VarToStr(param[1]);
    ProgramID = "PAVANEC";
    ProgramTitle = "Shell test";
    ResultCode = 1;
    ResultValue = "J0042";
    AnsiString mode = VarToStr(param[4]);
    if (mode == "throw") throw Exception("start-up failed");
    if (mode == "answer") Application->ModalResponder = [](TCustomForm& f) { f.SetModalResult(mrOk); };
    return mode != "fail";
  }

  void FormClose(TObject*, TCloseAction& action) { action = caFree; }
};

}  // namespace

const TClassInfo& TfrmShellTest::StaticClass() {
  static const TClassInfo info = DescribeClass<TfrmShellTest>("TfrmShellTest");
  return info;
}

namespace {

[[gnu::constructor]] void AssignFormClass() { frmBaseGeneClass = &TfrmShellTest::StaticClass(); }

}  // namespace
