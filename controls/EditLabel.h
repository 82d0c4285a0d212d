#pragma once
// The caption label that an edit carries with it: created and owned by the edit, placed on the
// chosen side of it after every change of the edit's bounds, and given the edit's parent,
// enabling and visibility. TCaptionedEdit<Base> adds it to an edit class.

#include "platform/controls/StdCtrls.h"

enum TLabelPosition { lpAbove, lpBelow, lpLeft, lpRight };
const TTypeInfo& TypeInfoOf(TLabelPosition*);

class TEditLabelLink {
public:
  // The label "EditLabel", owned by the edit, focusing it, with an empty caption.
  void Create(TWinControl& edit);
  TLabel* Label() const { return label_; }
  // Empty once the label is gone.
  AnsiString Caption() const { return label_ ? label_->Caption() : AnsiString(); }
  void SetCaption(const AnsiString& caption);
  TLabelPosition Position() const { return position_; }
  void SetPosition(TLabelPosition position);
  int Spacing() const { return spacing_; }
  // A negative spacing is ignored.
  void SetSpacing(int spacing);
  // Keeps the label's size; nothing happens once the label is gone.
  void Place();
  // The label takes the edit's parent, enabling and visibility.
  void FollowParent();
  void FollowState();
  void Forget(const TComponent* component);
  // The label was created while the edit was being read: its reading ends with the edit's.
  void Loaded();

private:
  TWinControl* edit_ = nullptr;
  TLabel* label_ = nullptr;
  TLabelPosition position_ = lpLeft;
  int spacing_ = 4;
};

template <class Base>
class TCaptionedEdit : public Base {
public:
  explicit TCaptionedEdit(TComponent* owner) : Base(owner) { label_.Create(*this); }

  TLabel* EditLabel() const { return label_.Label(); }
  AnsiString Caption() const { return label_.Caption(); }
  void SetCaption(const AnsiString& caption) { label_.SetCaption(caption); }
  TLabelPosition LabelPosition() const { return label_.Position(); }
  void SetLabelPosition(TLabelPosition position) { label_.SetPosition(position); }
  int LabelSpacing() const { return label_.Spacing(); }
  void SetLabelSpacing(int spacing) { label_.SetSpacing(spacing); }

  void SetBounds(int left, int top, int width, int height) override {
    Base::SetBounds(left, top, width, height);
    label_.Place();
  }
  void SetParent(TWinControl* parent) override {
    Base::SetParent(parent);
    label_.FollowParent();
  }
  void Loaded() override {
    Base::Loaded();
    label_.Loaded();
  }

protected:
  void EnabledChanged() override {
    Base::EnabledChanged();
    label_.FollowState();
  }
  void VisibleChanged() override {
    Base::VisibleChanged();
    label_.FollowState();
  }
  void Notification(TComponent* component, TOperation operation) override {
    Base::Notification(component, operation);
    if (operation == opRemove) label_.Forget(component);
  }

private:
  TEditLabelLink label_;
};
