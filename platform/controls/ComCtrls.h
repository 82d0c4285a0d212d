#pragma once
// The common controls: status bar with panels, tool bar with tool buttons, tree view and
// animation; the list view and the page control have their own headers.

#include <memory>
#include <vector>

#include "platform/classes/Collection.h"
#include "platform/controls/ListView.h"
#include "platform/controls/PageControl.h"
#include "platform/graphics/ImageList.h"

class TPopupMenu;

enum TStatusPanelStyle { psText, psOwnerDraw };
const TTypeInfo& TypeInfoOf(TStatusPanelStyle*);
enum TStatusPanelBevel { pbNone, pbLowered, pbRaised };
const TTypeInfo& TypeInfoOf(TStatusPanelBevel*);

class TStatusPanel : public TCollectionItem {
  PAVANE_CLASS(TStatusPanel, TCollectionItem)
public:
  using TCollectionItem::TCollectionItem;
  const AnsiString& Text() const { return text_; }
  void SetText(const AnsiString& text) {
    text_ = text;
    Changed();
  }
  int Width() const { return width_; }
  void SetWidth(int width) {
    width_ = width;
    Changed();
  }
  TAlignment Alignment() const { return alignment_; }
  void SetAlignment(TAlignment alignment) { alignment_ = alignment; }
  TStatusPanelStyle Style() const { return style_; }
  void SetStyle(TStatusPanelStyle style) { style_ = style; }
  TStatusPanelBevel Bevel() const { return bevel_; }
  void SetBevel(TStatusPanelBevel bevel) { bevel_ = bevel; }
  void Assign(const TPersistent& source) override;

private:
  AnsiString text_;
  int width_ = 50;
  TAlignment alignment_ = taLeftJustify;
  TStatusPanelStyle style_ = psText;
  TStatusPanelBevel bevel_ = pbLowered;
};

class TStatusPanels : public TCollection {
  PAVANE_CLASS(TStatusPanels, TCollection)
public:
  TStatusPanels() : TCollection(ItemsOf<TStatusPanel>()) {}
  TStatusPanel* Add() { return static_cast<TStatusPanel*>(TCollection::Add()); }
  TStatusPanel* Items(int index) const { return static_cast<TStatusPanel*>(TCollection::Items(index)); }
};

class TStatusBar : public TWinControl {
  PAVANE_CLASS(TStatusBar, TWinControl)
public:
  explicit TStatusBar(TComponent* owner);
  void Paint(TCanvas& canvas) override;
  TStatusPanels* Panels() const { return panels_.get(); }
  void SetPanels(TStatusPanels* panels);
  // One text over the whole bar instead of the panels.
  bool SimplePanel() const { return simplePanel_; }
  void SetSimplePanel(bool simple) { simplePanel_ = simple; }
  const AnsiString& SimpleText() const { return simpleText_; }
  void SetSimpleText(const AnsiString& text) { simpleText_ = text; }
  bool SizeGrip() const { return sizeGrip_; }
  void SetSizeGrip(bool grip) { sizeGrip_ = grip; }

private:
  std::unique_ptr<TStatusPanels> panels_;
  bool simplePanel_ = false;
  AnsiString simpleText_;
  bool sizeGrip_ = true;
};

enum TToolButtonStyle { tbsButton, tbsCheck, tbsDropDown, tbsSeparator, tbsDivider };
const TTypeInfo& TypeInfoOf(TToolButtonStyle*);

class TToolBar;

// A button of a tool bar. A check button stays down when clicked (one of a group of grouped
// check buttons); a drop-down button shows its menu from the arrow at its right; a button of
// another style with a menu shows the menu when clicked.
class TToolButton : public TGraphicControl {
  PAVANE_CLASS(TToolButton, TGraphicControl)
public:
  explicit TToolButton(TComponent* owner);
  void Paint(TCanvas& canvas) override;
  TToolButtonStyle Style() const { return style_; }
  void SetStyle(TToolButtonStyle style) { style_ = style; }
  int ImageIndex() const { return imageIndex_; }
  void SetImageIndex(int index) { imageIndex_ = index; }
  bool Down() const { return down_; }
  void SetDown(bool down);
  bool Grouped() const { return grouped_; }
  void SetGrouped(bool grouped) { grouped_ = grouped; }
  bool AllowAllUp() const { return allowAllUp_; }
  void SetAllowAllUp(bool allow) { allowAllUp_ = allow; }
  TPopupMenu* DropdownMenu() const { return dropdownMenu_; }
  void SetDropdownMenu(TPopupMenu* menu);
  // Shows the drop-down menu below the button; false when there is none.
  bool CheckMenuDropdown();
  // A tool bar places its buttons as they join it.
  void SetParent(TWinControl* parent) override;
  void Click() override;
  void WndProc(TMessage& message) override;

  static constexpr int DropDownArrowWidth = 14;

protected:
  void Notification(TComponent* component, TOperation operation) override;

private:
  TToolButtonStyle style_ = tbsButton;
  int imageIndex_ = -1;
  bool down_ = false;
  bool grouped_ = false;
  bool allowAllUp_ = false;
  TPopupMenu* dropdownMenu_ = nullptr;
  bool arrowPressed_ = false;
};

// Lays its buttons out from left to right in the order they were added.
class TToolBar : public TWinControl {
  PAVANE_CLASS(TToolBar, TWinControl)
public:
  explicit TToolBar(TComponent* owner);
  void Paint(TCanvas& canvas) override;
  // The buttons' pictures, by their ImageIndex.
  TImageList* Images() const { return images_; }
  void SetImages(TImageList* images);
  int ButtonWidth() const { return buttonWidth_; }
  void SetButtonWidth(int width);
  int ButtonHeight() const { return buttonHeight_; }
  void SetButtonHeight(int height);
  bool Flat() const { return flat_; }
  void SetFlat(bool flat) { flat_ = flat; }
  bool ShowCaptions() const { return showCaptions_; }
  void SetShowCaptions(bool show) { showCaptions_ = show; }
  int ButtonCount() const;
  TToolButton* Buttons(int index) const;
  void ArrangeButtons();
  void Loaded() override;

  static constexpr int SeparatorWidth = 8;

protected:
  void Notification(TComponent* component, TOperation operation) override;

private:
  TImageList* images_ = nullptr;
  int buttonWidth_ = 23;
  int buttonHeight_ = 22;
  bool flat_ = false;
  bool showCaptions_ = false;
};

class TTreeNodes;

class TTreeNode {
public:
  TTreeNode(TTreeNodes& owner, TTreeNode* parent) : owner_(owner), parent_(parent) {}
  TTreeNode(const TTreeNode&) = delete;
  TTreeNode& operator=(const TTreeNode&) = delete;
  const AnsiString& Text() const { return text_; }
  void SetText(const AnsiString& text) { text_ = text; }
  int ImageIndex() const { return imageIndex_; }
  void SetImageIndex(int index) { imageIndex_ = index; }
  void* Data() const { return data_; }
  void SetData(void* data) { data_ = data; }
  TTreeNode* Parent() const { return parent_; }
  int Count() const { return static_cast<int>(children_.size()); }
  TTreeNode* Item(int index) const { return children_.at(static_cast<size_t>(index)).get(); }
  bool Expanded() const { return expanded_; }
  void SetExpanded(bool expanded) { expanded_ = expanded; }
  int Level() const;
  int Index() const;

private:
  friend class TTreeNodes;
  TTreeNodes& owner_;
  TTreeNode* parent_;
  AnsiString text_;
  int imageIndex_ = -1;
  void* data_ = nullptr;
  bool expanded_ = false;
  std::vector<std::unique_ptr<TTreeNode>> children_;
};

class TTreeView;

class TTreeNodes {
public:
  explicit TTreeNodes(TTreeView& view) : view_(view) {}
  // A node after the last child of sibling's parent (at the top when sibling is nullptr).
  TTreeNode* Add(TTreeNode* sibling, const AnsiString& text);
  TTreeNode* AddChild(TTreeNode* parent, const AnsiString& text);
  void Delete(TTreeNode* node);
  void Clear();
  // All nodes, depth first.
  int Count() const;
  TTreeNode* Item(int index) const;
  // The top-level nodes.
  int RootCount() const { return static_cast<int>(roots_.size()); }
  TTreeNode* Root(int index) const { return roots_.at(static_cast<size_t>(index)).get(); }
  TTreeView& Owner() const { return view_; }

private:
  friend class TTreeNode;
  std::vector<std::unique_ptr<TTreeNode>>& SiblingsOf(TTreeNode* parent);
  TTreeView& view_;
  std::vector<std::unique_ptr<TTreeNode>> roots_;
};

using TTVChangedEvent = TEvent<TObject*, TTreeNode*>;
const TTypeInfo& TypeInfoOf(TTVChangedEvent*);

class TTreeView : public TWinControl {
  PAVANE_CLASS(TTreeView, TWinControl)
public:
  explicit TTreeView(TComponent* owner);
  void Paint(TCanvas& canvas) override;
  TTreeNodes* Items() const { return items_.get(); }
  TTreeNode* Selected() const { return selected_; }
  void SetSelected(TTreeNode* node);
  bool ReadOnly() const { return readOnly_; }
  void SetReadOnly(bool readOnly) { readOnly_ = readOnly; }
  // The nodes shown: the top-level nodes and the children of expanded nodes, in order.
  std::vector<TTreeNode*> VisibleNodes() const;
  TTreeNode* GetNodeAt(int x, int y) const;
  bool FocusOnClick() const override { return true; }

  static constexpr int RowHeight = 16;

  TTVChangedEvent OnChange;

protected:
  // Up and Down move along the shown nodes, Right expands, Left collapses or goes to the parent.
  void KeyDown(WORD& key, TShiftState shift) override;
  void WndProc(TMessage& message) override;

private:
  friend class TTreeNodes;
  void NodeRemoving(TTreeNode* node);
  std::unique_ptr<TTreeNodes> items_;
  TTreeNode* selected_ = nullptr;
  bool readOnly_ = false;
};

enum TCommonAVI { aviNone, aviFindFolder, aviFindFile, aviFindComputer, aviCopyFiles, aviCopyFile, aviRecycleFile,
                  aviEmptyRecycle, aviDeleteFile };
const TTypeInfo& TypeInfoOf(TCommonAVI*);

// The animation: which clip, whether it plays, and how often.
class TAnimate : public TWinControl {
  PAVANE_CLASS(TAnimate, TWinControl)
public:
  explicit TAnimate(TComponent* owner);
  void Paint(TCanvas& canvas) override;
  TCommonAVI CommonAVI() const { return commonAVI_; }
  void SetCommonAVI(TCommonAVI avi) { commonAVI_ = avi; }
  const AnsiString& FileName() const { return fileName_; }
  void SetFileName(const AnsiString& name) { fileName_ = name; }
  bool Active() const { return active_; }
  void SetActive(bool active);
  int Repetitions() const { return repetitions_; }
  void SetRepetitions(int count) { repetitions_ = count; }
  bool Center() const { return center_; }
  void SetCenter(bool center) { center_ = center; }
  bool Transparent() const { return transparent_; }
  void SetTransparent(bool transparent) { transparent_ = transparent; }

  TNotifyEvent OnOpen;
  TNotifyEvent OnStart;
  TNotifyEvent OnStop;

private:
  TCommonAVI commonAVI_ = aviNone;
  AnsiString fileName_;
  bool active_ = false;
  int repetitions_ = 0;
  bool center_ = true;
  bool transparent_ = true;
};

void RegisterCommonControlClasses();
