#pragma once
// The data-aware controls: the data navigator, a row of buttons (first, prior, next, last,
// insert, delete, edit, post, cancel, refresh) with a hint each whose click reports which
// button; the edit and the combo box bound to a field through DataSource and DataField.

#include <vector>

#include "platform/classes/Strings.h"
#include "platform/controls/ListControls.h"
#include "platform/controls/StdCtrls.h"
#include "platform/db/DataSource.h"

enum TNavigateBtn { nbFirst, nbPrior, nbNext, nbLast, nbInsert, nbDelete, nbEdit, nbPost, nbCancel, nbRefresh };
using TButtonSet = TSet<TNavigateBtn>;
const TTypeInfo& TypeInfoOf(TNavigateBtn*);
const TTypeInfo& TypeInfoOf(TButtonSet*);
using TNavClickEvent = TEvent<TObject*, TNavigateBtn>;
const TTypeInfo& TypeInfoOf(TNavClickEvent*);

class TDBNavigator : public TCustomControl {
  PAVANE_CLASS(TDBNavigator, TCustomControl)
public:
  explicit TDBNavigator(TComponent* owner);
  void Paint(TCanvas& canvas) override;
  TButtonSet VisibleButtons() const { return visibleButtons_; }
  void SetVisibleButtons(TButtonSet buttons) { visibleButtons_ = buttons; }
  // One line per button; missing lines use the English hints.
  TStrings* Hints() const { return hints_.get(); }
  void SetHints(TStrings* hints);
  AnsiString ButtonHint(TNavigateBtn button) const;
  // The shown buttons in order, and the one at x (false when none).
  std::vector<TNavigateBtn> ShownButtons() const;
  bool ButtonAt(int x, TNavigateBtn& button) const;
  void BtnClick(TNavigateBtn button);

  // Published as OnClick: the navigator's click names its button.
  TNavClickEvent OnNavigateClick;

protected:
  void WndProc(TMessage& message) override;

private:
  TButtonSet visibleButtons_{nbFirst, nbPrior, nbNext, nbLast, nbInsert, nbDelete, nbEdit, nbPost, nbCancel, nbRefresh};
  std::unique_ptr<TStrings> hints_;
  bool pressed_ = false;
};

// A control's binding to one field: the data source and the field's name. The control asks to
// be told when the data source goes and then calls Forget.
class TFieldDataLink {
public:
  TDataSource* DataSource() const { return dataSource_; }
  void SetDataSource(TDataSource* dataSource, TComponent& control);
  const AnsiString& FieldName() const { return fieldName_; }
  void SetFieldName(const AnsiString& name) { fieldName_ = name; }
  // The field of the data source's data set, nullptr while any link of the chain is missing.
  TField* Field() const;
  void Forget(const TComponent* component);

private:
  TDataSource* dataSource_ = nullptr;
  AnsiString fieldName_;
};

class TDBEdit : public TEdit {
  PAVANE_CLASS(TDBEdit, TEdit)
public:
  using TEdit::TEdit;
  TDataSource* DataSource() const { return link_.DataSource(); }
  void SetDataSource(TDataSource* dataSource) { link_.SetDataSource(dataSource, *this); }
  const AnsiString& DataField() const { return link_.FieldName(); }
  virtual void SetDataField(const AnsiString& name) { link_.SetFieldName(name); }
  TField* Field() const { return link_.Field(); }

protected:
  void Notification(TComponent* component, TOperation operation) override;

private:
  TFieldDataLink link_;
};

class TDBComboBox : public TComboBox {
  PAVANE_CLASS(TDBComboBox, TComboBox)
public:
  using TComboBox::TComboBox;
  TDataSource* DataSource() const { return link_.DataSource(); }
  void SetDataSource(TDataSource* dataSource) { link_.SetDataSource(dataSource, *this); }
  const AnsiString& DataField() const { return link_.FieldName(); }
  void SetDataField(const AnsiString& name) { link_.SetFieldName(name); }
  TField* Field() const { return link_.Field(); }

protected:
  void Notification(TComponent* component, TOperation operation) override;

private:
  TFieldDataLink link_;
};

// Also registers the data set and the data source, which descriptions of data forms list.
void RegisterDataControlClasses();
