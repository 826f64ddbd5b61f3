#pragma once
// The root classes: TObject, and TComponent, which owns other components by its Owner relation
// and destroys them with itself, newest first.
#include <string>
#include <vector>

class TObject {
public:
    TObject() = default;
    virtual ~TObject() = default;
    TObject(const TObject&) = delete;
    TObject& operator=(const TObject&) = delete;
};

enum TComponentStateKind : unsigned {
    // Created while its owner reads its description; cleared by Loaded.
    csLoading = 1,
    // Its destructor has started: no events fire any more.
    csDestroying = 2
};
using TComponentState = unsigned;

enum TOperation { opInsert, opRemove };

class TComponent : public TObject {
public:
    explicit TComponent(TComponent* owner);
    ~TComponent() override;

    TComponent* Owner() const { return owner_; }
    const std::string& Name() const { return name_; }
    void SetName(const std::string& name) { name_ = name; }

    int ComponentCount() const { return static_cast<int>(components_.size()); }
    TComponent* Components(int index) const { return components_.at(static_cast<size_t>(index)); }
    // The owned component of that name (exact, case-sensitive), or null.
    TComponent* FindComponent(const std::string& name) const;

    TComponentState ComponentState() const { return state_; }
    bool Loading() const { return (state_ & csLoading) != 0; }
    bool Destroying() const { return (state_ & csDestroying) != 0; }

    // The end of the owner's description: every property is set and every sibling exists.
    virtual void Loaded();

    // Ends the loading state of the owned components and calls Loaded on each, in creation
    // order, then on this component.
    void LoadedAll();

    // Changes the owner (null: no owner any more).
    void SetOwner(TComponent* owner);

protected:
    // Told when a component is added to or removed from this one's components.
    virtual void Notification(TComponent* component, TOperation operation);
    // Destroys the owned components, newest first. Derived destructors call it early when the
    // owned components still need this object intact while they go.
    void DestroyComponents();
    void SetDestroying() { state_ |= csDestroying; }
    void SetLoading(bool loading);

private:
    void Insert(TComponent* component);
    void Remove(TComponent* component);

    TComponent* owner_ = nullptr;
    std::string name_;
    std::vector<TComponent*> components_;
    TComponentState state_ = 0;
};
