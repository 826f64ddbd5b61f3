#include "toolkit/Component.h"

#include <algorithm>

TComponent::TComponent(TComponent* owner) {
    // A component made while its owner is being described is part of that description.
    if (owner && owner->Loading())
        state_ |= csLoading;
    SetOwner(owner);
}

TComponent::~TComponent() {
    state_ |= csDestroying;
    DestroyComponents();
    SetOwner(nullptr);
}

void TComponent::DestroyComponents() {
    while (!components_.empty()) {
        TComponent* last = components_.back();
        components_.pop_back();
        last->owner_ = nullptr;
        Notification(last, opRemove);
        delete last;
    }
}

void TComponent::SetOwner(TComponent* owner) {
    if (owner == owner_)
        return;
    if (owner_)
        owner_->Remove(this);
    if (owner)
        owner->Insert(this);
}

void TComponent::Insert(TComponent* component) {
    components_.push_back(component);
    component->owner_ = this;
    Notification(component, opInsert);
}

void TComponent::Remove(TComponent* component) {
    auto it = std::find(components_.begin(), components_.end(), component);
    if (it == components_.end())
        return;
    components_.erase(it);
    component->owner_ = nullptr;
    Notification(component, opRemove);
}

TComponent* TComponent::FindComponent(const std::string& name) const {
    if (name.empty())
        return nullptr;
    for (TComponent* c : components_)
        if (c->name_ == name)
            return c;
    return nullptr;
}

void TComponent::Notification(TComponent*, TOperation) {}

void TComponent::SetLoading(bool loading) {
    if (loading)
        state_ |= csLoading;
    else
        state_ &= ~csLoading;
}

void TComponent::Loaded() {
    state_ &= ~csLoading;
}

namespace {

// The components of the description in creation order, each before the ones it owns.
void CollectLoading(const TComponent& owner, std::vector<TComponent*>& list) {
    for (int i = 0; i < owner.ComponentCount(); ++i) {
        TComponent* c = owner.Components(i);
        if (c->Loading()) {
            list.push_back(c);
            CollectLoading(*c, list);
        }
    }
}

bool OwnsIndirectly(const TComponent& owner, const TComponent* component) {
    for (int i = 0; i < owner.ComponentCount(); ++i) {
        const TComponent* c = owner.Components(i);
        if (c == component || OwnsIndirectly(*c, component))
            return true;
    }
    return false;
}

} // namespace

void TComponent::LoadedAll() {
    std::vector<TComponent*> loading;
    CollectLoading(*this, loading);
    // Everything leaves the loading state first, so a Loaded override that looks at its
    // siblings (moving them into itself) finds them complete.
    for (TComponent* c : loading)
        c->SetLoading(false);
    for (TComponent* c : loading)
        // A Loaded override may have destroyed a later one.
        if (OwnsIndirectly(*this, c))
            c->Loaded();
    Loaded();
}
