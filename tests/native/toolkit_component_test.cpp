// Components: ownership (owned components go with their owner, newest first), lookup by name,
// the end-of-description notification, and single-slot events.
#include "toolkit/Component.h"
#include "toolkit/Event.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

std::vector<std::string> journal;

class TJournalled : public TComponent {
public:
    TJournalled(TComponent* owner, const std::string& name) : TComponent(owner) { SetName(name); }
    ~TJournalled() override { journal.push_back("~" + Name()); }
    void Loaded() override {
        journal.push_back("loaded " + Name() + (Loading() ? " (still loading)" : ""));
        TComponent::Loaded();
    }
};

// A component that makes a sub-component of its own in its constructor.
class TWithPart : public TJournalled {
public:
    TWithPart(TComponent* owner, const std::string& name) : TJournalled(owner, name) {
        new TJournalled(this, name + ".part");
    }
};

class TRoot : public TJournalled {
public:
    TRoot() : TJournalled(nullptr, "root") { SetLoading(true); }
};

TEST(Component, OwnerDestroysItsComponentsNewestFirst) {
    journal.clear();
    {
        TJournalled owner(nullptr, "owner");
        new TJournalled(&owner, "a");
        auto* b = new TJournalled(&owner, "b");
        new TJournalled(b, "b1");
        new TJournalled(&owner, "c");
        EXPECT_EQ(owner.ComponentCount(), 3);
    }
    EXPECT_EQ(journal, (std::vector<std::string>{"~owner", "~c", "~b", "~b1", "~a"}));
}

TEST(Component, ADeletedComponentLeavesItsOwner) {
    TJournalled owner(nullptr, "owner");
    auto* a = new TJournalled(&owner, "a");
    new TJournalled(&owner, "b");
    delete a;
    EXPECT_EQ(owner.ComponentCount(), 1);
    EXPECT_EQ(owner.FindComponent("a"), nullptr);
    EXPECT_NE(owner.FindComponent("b"), nullptr);
}

TEST(Component, FindComponentLooksAtDirectComponentsByExactName) {
    TJournalled owner(nullptr, "owner");
    auto* memo = new TJournalled(&owner, "MemoO");
    new TJournalled(memo, "Inner");
    EXPECT_EQ(owner.FindComponent("MemoO"), memo);
    EXPECT_EQ(owner.FindComponent("memoo"), nullptr);
    EXPECT_EQ(owner.FindComponent("Inner"), nullptr);
    EXPECT_EQ(owner.FindComponent(""), nullptr);
}

TEST(Component, ChangingTheOwnerMovesTheComponent) {
    TJournalled first(nullptr, "first");
    TJournalled second(nullptr, "second");
    auto* c = new TJournalled(&first, "c");
    c->SetOwner(&second);
    EXPECT_EQ(first.ComponentCount(), 0);
    EXPECT_EQ(second.FindComponent("c"), c);
    EXPECT_EQ(c->Owner(), &second);
}

TEST(Component, EndOfDescriptionReachesEveryComponentInCreationOrderThenTheRoot) {
    journal.clear();
    TRoot root;
    new TJournalled(&root, "a");
    new TWithPart(&root, "b");
    new TJournalled(&root, "c");
    EXPECT_TRUE(root.Components(0)->Loading());
    root.LoadedAll();
    // Nothing is still loading when the first Loaded runs; a component's parts follow it.
    EXPECT_EQ(journal, (std::vector<std::string>{"loaded a", "loaded b", "loaded b.part", "loaded c",
                                                 "loaded root (still loading)"}));
    EXPECT_FALSE(root.Loading());
    // Created after the description: not loading.
    auto* later = new TJournalled(&root, "later");
    EXPECT_FALSE(later->Loading());
}

TEST(Event, AnEmptyEventDoesNothingAndAHandlerCanChangeReferenceArguments) {
    TEvent<TObject*, int&> event;
    EXPECT_FALSE(event);
    int value = 1;
    event(nullptr, value);
    EXPECT_EQ(value, 1);

    struct TOwner {
        int calls = 0;
        void Handler(TObject*, int& v) {
            ++calls;
            v = 42;
        }
    } owner;
    event.Bind(&owner, &TOwner::Handler);
    EXPECT_TRUE(event);
    event(nullptr, value);
    EXPECT_EQ(value, 42);
    EXPECT_EQ(owner.calls, 1);

    // One slot: a new handler replaces the old one.
    int other = 0;
    event = [&other](TObject*, int&) { ++other; };
    event(nullptr, value);
    EXPECT_EQ(owner.calls, 1);
    EXPECT_EQ(other, 1);
    event = nullptr;
    EXPECT_FALSE(event);
}

} // namespace
