#pragma once
// The standard message dialog and the plain message box. A dialog is a form with a message
// label ("Message") and one button per requested kind, each named by its English name ("OK",
// "Cancel", "Yes", "No", "Abort", "Retry", "Ignore", "All", "NoToAll", "YesToAll", "Help") so
// that callers can relabel it; it runs modally, so in a headless run the application's modal
// responder answers it. Every dialog shown is recorded with what it told the user and the answer.

#include <vector>

#include "platform/controls/Forms.h"
#include "platform/controls/StdCtrls.h"

enum TMsgDlgType { mtWarning, mtError, mtInformation, mtConfirmation, mtCustom };
const TTypeInfo& TypeInfoOf(TMsgDlgType*);
enum TMsgDlgBtn { mbYes, mbNo, mbOK, mbCancel, mbAbort, mbRetry, mbIgnore, mbAll, mbNoToAll, mbYesToAll, mbHelp };
using TMsgDlgButtons = TSet<TMsgDlgBtn>;
const TTypeInfo& TypeInfoOf(TMsgDlgBtn*);
const TTypeInfo& TypeInfoOf(TMsgDlgButtons*);
inline const TMsgDlgButtons mbYesNoCancel{mbYes, mbNo, mbCancel};
inline const TMsgDlgButtons mbOKCancel{mbOK, mbCancel};
inline const TMsgDlgButtons mbAbortRetryIgnore{mbAbort, mbRetry, mbIgnore};

// The English name of a dialog button and the modal result it gives.
AnsiString MsgDlgButtonName(TMsgDlgBtn button);
int MsgDlgButtonResult(TMsgDlgBtn button);

class TMessageForm : public TForm {
  PAVANE_CLASS(TMessageForm, TForm)
public:
  explicit TMessageForm(TComponent* owner);
  TMsgDlgType Kind() const { return kind_; }
  TLabel* Message() const { return message_; }
  // The dialog's buttons in the order shown.
  const std::vector<TButton*>& Buttons() const { return buttons_; }
  // The button of that English name, nullptr when the dialog has none.
  TButton* FindButton(std::string_view name) const;

protected:
  void DoShow() override;
  void DoHide() override;

private:
  friend TMessageForm* BuildMessageForm(const AnsiString&, TMsgDlgType, const std::vector<TMsgDlgBtn>&,
                                        const AnsiString&);
  TMsgDlgType kind_ = mtCustom;
  TLabel* message_ = nullptr;
  std::vector<TButton*> buttons_;
  size_t record_ = 0;
  bool recording_ = false;
};

// A new (free-standing) message dialog; the caller shows it modally and frees it.
TMessageForm* CreateMessageDialog(const AnsiString& text, TMsgDlgType kind, TMsgDlgButtons buttons);
// Shows a message dialog modally and answers its modal result.
int MessageDlg(const AnsiString& text, TMsgDlgType kind, TMsgDlgButtons buttons, int helpContext = 0);
void ShowMessage(const AnsiString& text);

// The plain message box's flags and answers.
inline constexpr int MB_OK = 0, MB_OKCANCEL = 1, MB_ABORTRETRYIGNORE = 2, MB_YESNOCANCEL = 3, MB_YESNO = 4,
                     MB_RETRYCANCEL = 5, MB_ICONERROR = 0x10, MB_ICONQUESTION = 0x20, MB_ICONWARNING = 0x30,
                     MB_ICONINFORMATION = 0x40, MB_DEFBUTTON2 = 0x100, MB_DEFBUTTON3 = 0x200;
inline constexpr int IDOK = 1, IDCANCEL = 2, IDABORT = 3, IDRETRY = 4, IDIGNORE = 5, IDYES = 6, IDNO = 7;
// The message box with the caption given (Application->MessageBox calls this).
int ShowMessageBox(const AnsiString& text, const AnsiString& caption, int flags);

// What a shown dialog told the user and how it was answered.
struct TShownDialog {
  TMsgDlgType Kind = mtCustom;
  AnsiString Caption;
  AnsiString Text;
  std::vector<AnsiString> Buttons;         // English names, in order
  std::vector<AnsiString> ButtonCaptions;  // as shown
  int Answer = mrNone;
};
const std::vector<TShownDialog>& ShownDialogs();
void ClearShownDialogs();

// For responders: the dialog's button of that English name (nullptr when the form is no
// message dialog or lacks it).
TButton* DialogButton(TCustomForm& form, std::string_view name);
