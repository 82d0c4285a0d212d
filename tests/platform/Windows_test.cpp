#include <gtest/gtest.h>

#include <vector>

#include "platform/os/Windows.h"

namespace {

struct Window {
  std::vector<unsigned> received;
  LRESULT answer = 0;
};

void Procedure(void* window, TMessage& message) {
  auto* w = static_cast<Window*>(window);
  w->received.push_back(message.Msg);
  message.Result = w->answer;
}

void OtherModulesProcedure(void*, TMessage&) {}

TEST(Windows, HandlesLeadToTheirModulesObjectsOnly) {
  Window a, b;
  HWND ha = CreateWindowHandle(&Procedure, &a);
  HWND hb = CreateWindowHandle(&OtherModulesProcedure, &b);
  EXPECT_NE(ha, hb);
  EXPECT_TRUE(IsWindow(ha));
  EXPECT_EQ(WindowObject(ha, &Procedure), &a);
  EXPECT_EQ(WindowObject(hb, &Procedure), nullptr) << "another module's window";
  DestroyWindowHandle(ha);
  DestroyWindowHandle(hb);
  EXPECT_FALSE(IsWindow(ha));
  EXPECT_EQ(WindowObject(ha, &Procedure), nullptr);
}

TEST(Windows, SentMessagesArriveAtOncePostedOnesInOrder) {
  Window w;
  w.answer = 42;
  HWND h = CreateWindowHandle(&Procedure, &w);
  EXPECT_EQ(SendMessage(h, 1034, 0, 0), 42);
  EXPECT_TRUE(PostMessage(h, 1, 0, 0));
  EXPECT_TRUE(PostMessage(h, 2, 0, 0));
  EXPECT_EQ(w.received, (std::vector<unsigned>{1034}));
  for (TQueuedMessage m; PeekMessage(m);) DispatchMessage(m);
  EXPECT_EQ(w.received, (std::vector<unsigned>{1034, 1, 2}));
  DestroyWindowHandle(h);
}

TEST(Windows, MessagesOfWindowsThatAreGoneAreDropped) {
  Window w;
  HWND h = CreateWindowHandle(&Procedure, &w);
  EXPECT_TRUE(PostMessage(h, 1, 0, 0));
  DestroyWindowHandle(h);
  TQueuedMessage m;
  EXPECT_FALSE(PeekMessage(m));
  EXPECT_FALSE(PostMessage(h, 1, 0, 0));
  EXPECT_EQ(SendMessage(h, 1, 0, 0), 0);
  EXPECT_TRUE(w.received.empty());
}

TEST(Windows, ForegroundWindowIsAWindowThatExists) {
  Window w;
  HWND h = CreateWindowHandle(&Procedure, &w);
  EXPECT_TRUE(SetForegroundWindow(h));
  EXPECT_EQ(GetForegroundWindow(), h);
  DestroyWindowHandle(h);
  EXPECT_EQ(GetForegroundWindow(), 0u);
  EXPECT_FALSE(SetForegroundWindow(h));
}

}  // namespace
