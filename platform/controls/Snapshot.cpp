#include "platform/controls/Snapshot.h"

#include "platform/controls/Forms.h"
#include "platform/controls/MenusPaint.h"
#include "platform/graphics/Canvas.h"
#include "platform/graphics/Png.h"
#include "platform/streaming/FormReader.h"

namespace {

// Event bindings name methods of the form's class, which a plain form lacks.
void DropEvents(TFormObject& object) {
  std::erase_if(object.Properties, [](const TFormProperty& p) {
    return p.Value.Kind == TFormValue::vaIdent && p.Path.size() > 2 && p.Path.compare(0, 2, "On") == 0;
  });
  for (TFormObject& child : object.Children) DropEvents(child);
}

}  // namespace

void RenderControl(TControl& control, TBitmap& bitmap) {
  bitmap.SetPixelFormat(pf24bit);
  bitmap.SetSize(control.Width(), control.Height());
  TCanvas& canvas = *bitmap.Canvas();
  canvas.SetOrigin({});
  canvas.ResetClip();
  control.PaintTo(canvas, 0, 0);
  if (auto* form = dynamic_cast<TCustomForm*>(&control)) PaintOpenMenus(canvas, *form);
}

void RenderMenu(TMenuItem& menu, TBitmap& bitmap, const TMenuItem* highlighted) {
  TMenuBox box = MenuBoxAt(menu, {}, DEFAULT_CHARSET);
  for (const TMenuEntry& row : box.Rows)
    if (row.Item == highlighted) box.Highlighted = row.Item;
  bitmap.SetPixelFormat(pf24bit);
  bitmap.SetSize(box.Bounds.Width(), box.Bounds.Height());
  TCanvas& canvas = *bitmap.Canvas();
  canvas.SetOrigin({});
  canvas.ResetClip();
  PaintMenuBox(canvas, box, DEFAULT_CHARSET);
}

void SaveControlToPng(TControl& control, const AnsiString& fileName) {
  TBitmap bitmap;
  RenderControl(control, bitmap);
  SaveToPng(bitmap, fileName);
}

TForm* FormFromDescription(std::string_view text) {
  TFormObject description = ParseFormText(text);
  DropEvents(description);
  TForm* form = New<TForm>(nullptr);
  try {
    ReadDescriptions(*form, {&description});
  } catch (...) {
    form->Free();
    throw;
  }
  return form;
}
