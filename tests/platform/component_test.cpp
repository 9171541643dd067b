#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/zarn_platform.h"

namespace zarn {
namespace {

std::vector<std::string> gFreed;

class TTracked : public TComponent {
 public:
  explicit TTracked(TComponent* owner) : TComponent(owner) {}
  ~TTracked() override { gFreed.push_back(Name() + (partner ? "!" : "")); }
  std::string_view ClassName() const override { return "TTracked"; }
  std::vector<std::string> heard;
  TTracked* partner = nullptr;

 protected:
  void Notification(TComponent* c, TOperation op) override {
    TComponent::Notification(c, op);
    if (op == opRemove) {
      heard.push_back(c->Name());
      if (c == partner) partner = nullptr;
    }
  }
};

TEST(Component, OwnerFreesInReverseOrderOfCreation) {
  gFreed.clear();
  {
    TTracked owner(nullptr);
    owner.SetName("Owner");
    TComponent::Create<TTracked>(owner).SetName("A");
    TTracked& b = TComponent::Create<TTracked>(owner);
    b.SetName("B");
    TComponent::Create<TTracked>(b).SetName("B1");  // owned by B, freed with it
    TComponent::Create<TTracked>(owner).SetName("C");
    EXPECT_EQ(owner.ComponentCount(), 3);
    EXPECT_EQ(owner.FindComponent("b"), &b);  // names compare case-insensitively
    EXPECT_EQ(b.ComponentIndex(), 1);
  }
  // The owner's own destructor body runs first, then its components go, last made first.
  EXPECT_EQ(gFreed, (std::vector<std::string>{"Owner", "C", "B", "B1", "A"}));
}

TEST(Component, ListedButNotOwnedLeavesTheListByItself) {
  TTracked owner(nullptr);
  {
    TTracked member(&owner);
    member.SetName("Member");
    EXPECT_EQ(owner.ComponentCount(), 1);
  }
  EXPECT_EQ(owner.ComponentCount(), 0);
  // And an owner that goes first leaves its listed component without owner.
  auto orphan = std::make_unique<TTracked>(nullptr);
  {
    TTracked shortLived(nullptr);
    auto listed = std::make_unique<TTracked>(&shortLived);
    orphan.swap(listed);
  }
  EXPECT_EQ(orphan->Owner(), nullptr);
}

TEST(Component, SiblingsAndPartnersHearOfAFreedComponent) {
  TTracked owner(nullptr);
  TTracked& a = TComponent::Create<TTracked>(owner);
  a.SetName("A");
  TTracked& b = TComponent::Create<TTracked>(owner);
  b.SetName("B");
  b.partner = &a;
  TTracked outsider(nullptr);
  outsider.SetName("Outsider");
  outsider.partner = &a;
  a.FreeNotification(&outsider);

  owner.DestroyComponent(a);
  EXPECT_EQ(b.partner, nullptr);
  EXPECT_EQ(outsider.partner, nullptr);
  EXPECT_EQ(b.heard, std::vector<std::string>{"A"});
  EXPECT_EQ(owner.heard, std::vector<std::string>{"A"});
  EXPECT_EQ(owner.ComponentCount(), 1);

  // A partner that goes first drops its link, so nothing dangles.
  auto p = std::make_unique<TTracked>(nullptr);
  TTracked q(nullptr);
  p->FreeNotification(&q);
  q.partner = p.get();
  p.reset();
  EXPECT_EQ(q.partner, nullptr);
}

TEST(Component, FreeingAFormLikeOwnerTellsOnlyTheFreeNotificationPartners) {
  // Partners inside one owner must drop references while the owner is freed;
  // the others hear nothing, or freeing many components would be quadratic.
  TTracked app(nullptr);
  TTracked& form = TComponent::Create<TTracked>(app);
  TTracked& first = TComponent::Create<TTracked>(form);
  first.SetName("First");
  TTracked& second = TComponent::Create<TTracked>(form);
  second.SetName("Second");
  TTracked& bystander = TComponent::Create<TTracked>(form);
  bystander.SetName("Bystander");
  TComponent::Create<TTracked>(form).SetName("Last");
  form.SetName("Form");
  first.partner = &second;
  second.FreeNotification(&first);
  gFreed.clear();
  app.DestroyComponent(form);  // second goes before first: first must hear of it
  EXPECT_EQ(gFreed, (std::vector<std::string>{"Form", "Last", "Bystander", "Second", "First"}));
  EXPECT_EQ(app.heard, std::vector<std::string>{"Form"});
}

TEST(Component, NamesAreIdentifiersAndUniqueAmongSiblings) {
  TTracked owner(nullptr);
  TTracked& a = TComponent::Create<TTracked>(owner);
  a.SetName("Chart1");
  TTracked& b = TComponent::Create<TTracked>(owner);
  EXPECT_THROW(b.SetName("chart1"), EComponentError);
  EXPECT_THROW(b.SetName("1Chart"), EComponentError);
  EXPECT_THROW(b.SetName("Chart 2"), EComponentError);
  EXPECT_NO_THROW(b.SetName("_Chart2"));
  EXPECT_NO_THROW(b.SetName(""));
  try {
    b.SetName("Chart1");
  } catch (const EComponentError& e) {
    EXPECT_STREQ(e.what(), "A component named Chart1 already exists");
  }
}

TEST(Component, FoundByTheNameTheyHaveNowOnly) {
  TTracked owner(nullptr);
  TTracked& a = TComponent::Create<TTracked>(owner);
  a.SetName("Alpha");
  a.SetName("Beta");
  EXPECT_EQ(owner.FindComponent("alpha"), nullptr);
  EXPECT_EQ(owner.FindComponent("BETA"), &a);
  a.SetName("");
  EXPECT_EQ(owner.FindComponent("Beta"), nullptr);
  auto loose = std::make_unique<TTracked>(nullptr);
  loose->SetName("Gamma");
  owner.Adopt(std::move(loose));
  ASSERT_NE(owner.FindComponent("gamma"), nullptr);
  owner.DestroyComponent(*owner.FindComponent("gamma"));
  EXPECT_EQ(owner.FindComponent("gamma"), nullptr);
  {
    TTracked listed(&owner);  // listed only: it leaves by itself
    listed.SetName("Delta");
    EXPECT_EQ(owner.FindComponent("delta"), &listed);
  }
  EXPECT_EQ(owner.FindComponent("Delta"), nullptr);
  EXPECT_NO_THROW(TComponent::Create<TTracked>(owner).SetName("Delta"));
}

TEST(Component, DesignAndLoadingStates) {
  TTracked owner(nullptr);
  TTracked& a = TComponent::Create<TTracked>(owner);
  owner.SetDesigning(true);
  EXPECT_TRUE(a.IsDesigning());
  owner.SetDesigning(false);
  EXPECT_FALSE(a.IsDesigning());
  a.BeginLoading();
  EXPECT_TRUE(a.IsLoading());
  a.Loaded();
  EXPECT_FALSE(a.IsLoading());
}

TEST(Component, HandlersKeepTheirExactSignature) {
  TTracked root(nullptr);
  int calls = 0;
  root.RegisterHandler("Go", TNotifyEvent([&](TObject*) { ++calls; }));
  const std::any* h = root.FindHandler("Go");
  ASSERT_NE(h, nullptr);
  std::any_cast<const TNotifyEvent&> (*h)(nullptr);
  EXPECT_EQ(calls, 1);
  EXPECT_THROW((void)std::any_cast<const TMouseMoveEvent&>(*h), std::bad_any_cast);
  EXPECT_EQ(root.FindHandler("go"), nullptr);
}

TEST(Persistent, UnrelatedAssignmentNamesBothClasses) {
  TFont font;
  TSizeConstraints constraints;
  try {
    constraints.Assign(font);
    FAIL();
  } catch (const EConvertError& e) {
    EXPECT_STREQ(e.what(), "Cannot assign a TFont to a TSizeConstraints");
  }
}

}  // namespace
}  // namespace zarn
