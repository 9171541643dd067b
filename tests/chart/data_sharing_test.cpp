#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "chart/zarn_vorel.h"
#include "counting_vorel.h"
#include "platform/application.h"

namespace zarn {
namespace {

class DataSharing : public ::testing::Test {
 protected:
  void SetUp() override {
    services = &Application().Reset();
    for (const char* name : {"A", "B", "C", "D", "E", "F"}) {
      auto chart = std::make_unique<TCountingVorel>(nullptr);
      chart->SetName(name);
      chart->Log = &painted;
      charts.push_back(std::move(chart));
    }
  }
  void TearDown() override { Application().Reset(); }
  TCountingVorel& Chart(char name) { return *charts[static_cast<std::size_t>(name - 'A')]; }
  std::vector<std::string> Messages() const {
    std::vector<std::string> texts;
    for (const auto& m : services->Messages) {
      EXPECT_EQ(m.Flags, MB_OK | MB_ICONINFORMATION);
      texts.push_back(m.Text);
    }
    return texts;
  }
  THeadlessServices* services = nullptr;
  std::vector<std::string> painted;
  std::vector<std::unique_ptr<TCountingVorel>> charts;
};

TEST_F(DataSharing, GroupsAreOneMasterWithAtMostFourSharers) {
  TCountingVorel& a = Chart('A');
  a.SetUseDataOf(&a);
  Chart('B').SetUseDataOf(&a);
  Chart('C').SetUseDataOf(&Chart('B'));  // joins B's master
  Chart('D').SetUseDataOf(&a);
  Chart('E').SetUseDataOf(&a);
  Chart('F').LineToPoint(1, 1);
  Chart('F').SetUseDataOf(&a);
  a.SetUseDataOf(&Chart('F'));
  EXPECT_EQ(
      Messages(),
      (std::vector<std::string>{
          "Vorel: Cannot share data with myself", "Vorel: Max. number of data shares exceeded",
          "Vorel: Cannot use foreign data. Other Vorels are using my own data."}));
  EXPECT_EQ(a.SharerCount(), 4);
  EXPECT_EQ(Chart('C').UseDataOf(), &a);
  EXPECT_EQ(a.Sharer(1), &Chart('C'));
  EXPECT_EQ(Chart('F').UseDataOf(), nullptr);
  EXPECT_EQ(Chart('F').DataCount(), 1);
}

TEST_F(DataSharing, EveryMemberSeesAppendsAndClears) {
  TCountingVorel& a = Chart('A');
  TCountingVorel& b = Chart('B');
  b.SetUseDataOf(&a);
  a.SetAllocSize(1000);
  b.SetAllocSize(4);
  for (int i = 0; i < 10; ++i)
    b.LineToPoint(i, i);
  EXPECT_EQ(a.DataCount(), 10);
  EXPECT_EQ(a.DataItems()[9].X1, 9.0);
  // The capacity belongs to the one list: after a sharer's clear the master
  // appends into storage that exists.
  b.ClearItems();
  EXPECT_EQ(a.DataCount(), 0);
  for (int i = 0; i < 5; ++i)
    a.LineToPoint(i, i);
  EXPECT_EQ(b.DataCount(), 5);
  EXPECT_EQ(b.DataCapacity(), 1000);
  EXPECT_EQ(b.DataItems()[4].X1, 4.0);
}

TEST_F(DataSharing, ALeavingChartKeepsACopyOfItsOwn) {
  TCountingVorel& a = Chart('A');
  TCountingVorel& b = Chart('B');
  Chart('B').SetUseDataOf(&a);
  Chart('C').SetUseDataOf(&a);
  a.LineToPoint(1, 1);
  painted.clear();
  b.SetUseDataOf(nullptr);
  EXPECT_EQ(painted, (std::vector<std::string>{"B"}));
  EXPECT_EQ(a.SharerCount(), 1);
  EXPECT_EQ(a.Sharer(0), &Chart('C'));
  EXPECT_EQ(b.DataCount(), 1);
  b.LineToPoint(2, 2);
  a.LineToPoint(3, 3);
  EXPECT_EQ(a.DataCount(), 2);
  EXPECT_EQ(b.DataCount(), 2);
  EXPECT_EQ(a.DataItems()[1].X1, 3.0);
  EXPECT_EQ(b.DataItems()[1].X1, 2.0);
}

TEST_F(DataSharing, ShowItemsRepaintsTheGroupInJoiningOrder) {
  TCountingVorel& a = Chart('A');
  Chart('B').SetUseDataOf(&a);
  Chart('C').SetUseDataOf(&a);
  Chart('D').SetUseDataOf(&a);
  Chart('D').SetAutoRedraw(false);
  Chart('B').SetVisible(false);  // shows nothing itself, still repaints the others
  painted.clear();
  Chart('B').ShowItems();
  EXPECT_EQ(painted, (std::vector<std::string>{"A", "B", "C"}));
  painted.clear();
  a.ShowItems();
  EXPECT_EQ(painted, (std::vector<std::string>{"B", "C"}));
}

TEST_F(DataSharing, DestroyedChartsAreDroppedByTheirPartners) {
  TCountingVorel& a = Chart('A');
  Chart('B').SetUseDataOf(&a);
  Chart('C').SetUseDataOf(&a);
  Chart('D').SetUseDataOf(&a);
  a.LineToPoint(5, 5);
  charts[2].reset();  // C
  EXPECT_EQ(a.SharerCount(), 2);
  EXPECT_EQ(a.Sharer(1), &Chart('D'));
  charts[0].reset();  // the master
  TCountingVorel& b = Chart('B');
  EXPECT_EQ(b.UseDataOf(), nullptr);
  EXPECT_EQ(b.DataCount(), 1);
  b.ShowItems();
  b.LineToPoint(6, 6);
  EXPECT_EQ(Chart('D').DataCount(), 1);
}

}  // namespace
}  // namespace zarn
