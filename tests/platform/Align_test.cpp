#include <gtest/gtest.h>

#include "platform/classes/Component.h"
#include "platform/controls/Application.h"
#include "platform/controls/StdCtrls.h"

namespace {

struct Placed {
  TPanel* panel;
  int left, top, width, height;
};

void ExpectBounds(const Placed& p) {
  EXPECT_EQ(p.panel->Left(), p.left) << p.panel->Name();
  EXPECT_EQ(p.panel->Top(), p.top) << p.panel->Name();
  EXPECT_EQ(p.panel->Width(), p.width) << p.panel->Name();
  EXPECT_EQ(p.panel->Height(), p.height) << p.panel->Name();
}

TPanel* Child(TPanel* parent, const char* name, TAlign align, int left, int top, int width, int height) {
  TPanel* panel = New<TPanel>(parent);
  panel->SetName(name);
  panel->SetBounds(left, top, width, height);
  panel->SetParent(parent);
  panel->SetAlign(align);
  return panel;
}

TEST(Align, EdgesThenTheRestOfTheClientArea) {
  TPanel* host = New<TPanel>(nullptr);
  host->SetBounds(0, 0, 300, 200);
  TPanel* client = Child(host, "client", alClient, 5, 5, 10, 10);
  TPanel* top = Child(host, "top", alTop, 0, 0, 50, 30);
  TPanel* bottom = Child(host, "bottom", alBottom, 0, 0, 50, 20);
  TPanel* left = Child(host, "left", alLeft, 0, 0, 40, 10);
  TPanel* right = Child(host, "right", alRight, 0, 0, 60, 10);
  TPanel* loose = Child(host, "loose", alNone, 7, 8, 9, 10);
  for (const Placed& p : std::initializer_list<Placed>{{top, 0, 0, 300, 30},
                                                       {bottom, 0, 180, 300, 20},
                                                       {left, 0, 30, 40, 150},
                                                       {right, 240, 30, 60, 150},
                                                       {client, 40, 30, 200, 150},
                                                       {loose, 7, 8, 9, 10}})
    ExpectBounds(p);

  // The parent's new size lays the children out again; a hidden child gives its room away.
  host->SetBounds(0, 0, 400, 300);
  ExpectBounds({client, 40, 30, 300, 250});
  top->SetVisible(false);
  ExpectBounds({client, 40, 0, 300, 280});
  // A changed height of an edge control keeps its edge.
  bottom->SetHeight(50);
  ExpectBounds({bottom, 0, 250, 400, 50});
  ExpectBounds({client, 40, 0, 300, 250});
  host->Free();
}

TEST(Align, TwoControlsAtOneEdgeStackByPosition) {
  TPanel* host = New<TPanel>(nullptr);
  host->SetBounds(0, 0, 100, 100);
  TPanel* second = Child(host, "second", alTop, 0, 50, 10, 20);
  TPanel* first = Child(host, "first", alTop, 0, 0, 10, 10);
  ExpectBounds({first, 0, 0, 100, 10});
  ExpectBounds({second, 0, 10, 100, 20});
  // Too little room: the filling control gets none, never a negative size.
  TPanel* client = Child(host, "client", alClient, 0, 0, 1, 1);
  host->SetHeight(20);
  EXPECT_EQ(client->Height(), 0);
  host->Free();
}

}  // namespace
