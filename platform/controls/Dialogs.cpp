#include "platform/controls/Dialogs.h"

#include <algorithm>

#include "platform/classes/ClassDecl.h"
#include "platform/controls/Application.h"

const TTypeInfo& TypeInfoOf(TMsgDlgType*) {
  static const TTypeInfo t =
      EnumTypeInfo("TMsgDlgType", {"mtWarning", "mtError", "mtInformation", "mtConfirmation", "mtCustom"});
  return t;
}
const TTypeInfo& TypeInfoOf(TMsgDlgBtn*) {
  static const TTypeInfo t = EnumTypeInfo("TMsgDlgBtn", {"mbYes", "mbNo", "mbOK", "mbCancel", "mbAbort", "mbRetry",
                                                         "mbIgnore", "mbAll", "mbNoToAll", "mbYesToAll", "mbHelp"});
  return t;
}
const TTypeInfo& TypeInfoOf(TMsgDlgButtons*) {
  static const TTypeInfo t = SetTypeInfo("TMsgDlgButtons", TypeInfoFor<TMsgDlgBtn>());
  return t;
}

namespace {

struct TButtonLook {
  const char* Name;
  const char* Caption;
  int Result;
};
constexpr TButtonLook buttonLooks[] = {
    {"Yes", "&Yes", mrYes},         {"No", "&No", mrNo},           {"OK", "OK", mrOk},
    {"Cancel", "Cancel", mrCancel}, {"Abort", "&Abort", mrAbort},  {"Retry", "&Retry", mrRetry},
    {"Ignore", "&Ignore", mrIgnore}, {"All", "&All", mrAll},       {"NoToAll", "N&o to All", mrNoToAll},
    {"YesToAll", "Yes to &All", mrYesToAll}, {"Help", "&Help", mrNone}};

const char* const kindCaptions[] = {"Warning", "Error", "Information", "Confirm", ""};

constexpr int ButtonWidth = 75, ButtonHeight = 25, ButtonSpacing = 8, Margin = 8, IconSpace = 48, CharWidth = 6,
              LineHeight = 13;

std::vector<TShownDialog>& Records() {
  static std::vector<TShownDialog> records;
  return records;
}

// The text's size as the dialog lays it out: its longest line and its number of lines.
void TextExtent(const AnsiString& text, int& width, int& height) {
  int longest = 0, lines = 1, current = 0;
  for (char c : text) {
    if (c == '\n') {
      ++lines;
      current = 0;
    } else if (c != '\r') {
      longest = std::max(longest, ++current);
    }
  }
  width = longest * CharWidth;
  height = lines * LineHeight;
}

}  // namespace

AnsiString MsgDlgButtonName(TMsgDlgBtn button) { return buttonLooks[button].Name; }
int MsgDlgButtonResult(TMsgDlgBtn button) { return buttonLooks[button].Result; }

const TClassInfo& TMessageForm::StaticClass() {
  static const TClassInfo info = DescribeClass<TMessageForm>("TMessageForm");
  return info;
}

TMessageForm::TMessageForm(TComponent* owner) : TForm(owner) {
  SetBorderStyle(bsDialog);
  SetPosition(poScreenCenter);
}

TButton* TMessageForm::FindButton(std::string_view name) const {
  for (TButton* b : buttons_)
    if (SameText(b->Name(), name)) return b;
  return nullptr;
}

void TMessageForm::DoShow() {
  TShownDialog shown;
  shown.Kind = kind_;
  shown.Caption = Caption();
  shown.Text = message_->Caption();
  for (TButton* b : buttons_) {
    shown.Buttons.push_back(b->Name());
    shown.ButtonCaptions.push_back(b->Caption());
  }
  Records().push_back(std::move(shown));
  record_ = Records().size() - 1;
  recording_ = true;
  TForm::DoShow();
}

void TMessageForm::DoHide() {
  if (recording_ && record_ < Records().size()) Records()[record_].Answer = ModalResult();
  recording_ = false;
  TForm::DoHide();
}

TMessageForm* BuildMessageForm(const AnsiString& text, TMsgDlgType kind, const std::vector<TMsgDlgBtn>& order,
                               const AnsiString& caption) {
  TMsgDlgButtons buttons;
  for (TMsgDlgBtn b : order) buttons.Include(b);
  TMessageForm* form = New<TMessageForm>(nullptr);
  form->SetName("MessageDlg");
  form->kind_ = kind;
  form->SetCaption(caption);
  int textWidth = 0, textHeight = 0;
  TextExtent(text, textWidth, textHeight);
  int textLeft = Margin + (kind == mtCustom ? 0 : IconSpace);
  form->message_ = New<TLabel>(form);
  form->message_->SetName("Message");
  form->message_->SetParent(form);
  form->message_->SetCaption(text);
  form->message_->SetBounds(textLeft, Margin + 4, textWidth, textHeight);

  TMsgDlgBtn defaultButton = buttons.Contains(mbOK) ? mbOK : buttons.Contains(mbYes) ? mbYes : mbRetry;
  TMsgDlgBtn cancelButton = buttons.Contains(mbCancel) ? mbCancel : buttons.Contains(mbNo) ? mbNo : mbOK;
  int count = static_cast<int>(order.size());
  int buttonsWidth = count * ButtonWidth + std::max(count - 1, 0) * ButtonSpacing;
  int clientWidth = std::max(textLeft + textWidth + Margin, buttonsWidth + 2 * Margin);
  int buttonTop = Margin + std::max(textHeight + 4, kind == mtCustom ? 0 : 32) + Margin * 2;
  int left = (clientWidth - buttonsWidth) / 2;
  for (TMsgDlgBtn button : order) {
    const TButtonLook& look = buttonLooks[button];
    TButton* control = New<TButton>(form);
    control->SetName(look.Name);
    control->SetParent(form);
    control->SetCaption(look.Caption);
    control->SetModalResult(look.Result);
    control->SetDefault(button == defaultButton);
    control->SetCancel(button == cancelButton);
    control->SetBounds(left, buttonTop, ButtonWidth, ButtonHeight);
    left += ButtonWidth + ButtonSpacing;
    form->buttons_.push_back(control);
  }
  form->SetBounds(0, 0, clientWidth, buttonTop + ButtonHeight + Margin);
  for (TButton* b : form->buttons_)
    if (b->Default()) form->SetActiveControl(b);
  return form;
}

TMessageForm* CreateMessageDialog(const AnsiString& text, TMsgDlgType kind, TMsgDlgButtons buttons) {
  std::vector<TMsgDlgBtn> order;
  for (int b = mbYes; b <= mbHelp; ++b)
    if (buttons.Contains(static_cast<TMsgDlgBtn>(b))) order.push_back(static_cast<TMsgDlgBtn>(b));
  return BuildMessageForm(text, kind, order, kind == mtCustom ? Application->Title : kindCaptions[kind]);
}

namespace {

int RunAndFree(TMessageForm* form) {
  struct TFreeOnExit {
    TMessageForm* Form;
    ~TFreeOnExit() { Form->Free(); }
  } guard{form};
  return form->ShowModal();
}

}  // namespace

int MessageDlg(const AnsiString& text, TMsgDlgType kind, TMsgDlgButtons buttons, int) {
  return RunAndFree(CreateMessageDialog(text, kind, buttons));
}

void ShowMessage(const AnsiString& text) {
  RunAndFree(BuildMessageForm(text, mtCustom, {mbOK}, Application->Title));
}

int ShowMessageBox(const AnsiString& text, const AnsiString& caption, int flags) {
  // In the box's own order, which is not the dialog's.
  static const std::vector<TMsgDlgBtn> orders[] = {{mbOK},         {mbOK, mbCancel}, {mbAbort, mbRetry, mbIgnore},
                                                   {mbYes, mbNo, mbCancel}, {mbYes, mbNo}, {mbRetry, mbCancel}};
  int buttonsFlag = flags & 0x0F;
  const std::vector<TMsgDlgBtn>& buttons = buttonsFlag < 6 ? orders[buttonsFlag] : orders[0];
  TMsgDlgType kind = mtCustom;
  switch (flags & 0xF0) {
    case MB_ICONERROR: kind = mtError; break;
    case MB_ICONQUESTION: kind = mtConfirmation; break;
    case MB_ICONWARNING: kind = mtWarning; break;
    case MB_ICONINFORMATION: kind = mtInformation; break;
    default: break;
  }
  TMessageForm* form = BuildMessageForm(text, kind, buttons, caption);
  // The box's own default button: the first, or the second or third one its flags name.
  size_t defaultIndex = (flags & MB_DEFBUTTON3) ? 2 : (flags & MB_DEFBUTTON2) ? 1 : 0;
  for (size_t i = 0; i < form->Buttons().size(); ++i) form->Buttons()[i]->SetDefault(i == defaultIndex);
  if (defaultIndex < form->Buttons().size()) form->SetActiveControl(form->Buttons()[defaultIndex]);
  // The message box's Escape answers Cancel, and closing a box without Cancel is not possible.
  for (TButton* b : form->Buttons()) b->SetCancel(b->ModalResult() == mrCancel);
  return RunAndFree(form);
}

const std::vector<TShownDialog>& ShownDialogs() { return Records(); }
void ClearShownDialogs() { Records().clear(); }

TButton* DialogButton(TCustomForm& form, std::string_view name) {
  auto* dialog = dynamic_cast<TMessageForm*>(&form);
  return dialog ? dialog->FindButton(name) : nullptr;
}
