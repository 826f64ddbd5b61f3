#include "toolkit/Timer.h"

#include "toolkit/MessageWindow.h"

namespace {
constexpr UINT_PTR TimerId = 1;
}

TTimer::TTimer(TComponent* owner) : TComponent(owner) {
    UpdateTimer();
}

TTimer::~TTimer() {
    if (window_ && window_->HandleAllocated())
        KillTimer(window_->Handle(), TimerId);
}

void TTimer::SetEnabled(bool value) {
    enabled_ = value;
    UpdateTimer();
}

void TTimer::SetInterval(unsigned ms) {
    interval_ = ms;
    UpdateTimer();
}

void TTimer::Loaded() {
    TComponent::Loaded();
    UpdateTimer();
}

void TTimer::UpdateTimer() {
    if (window_ && window_->HandleAllocated())
        KillTimer(window_->Handle(), TimerId);
    // Inside a description the timer starts when the description is complete.
    if (!enabled_ || interval_ == 0 || Loading())
        return;
    if (!window_) {
        window_ = std::make_unique<TMessageWindow>();
        window_->OnMessage = [this](TMessage& message) {
            if (message.Msg == WM_TIMER && message.WParam == TimerId)
                Timer();
        };
    }
    SetTimer(window_->Handle(), TimerId, interval_, nullptr);
}

void TTimer::Timer() {
    if (!Destroying())
        OnTimer(this);
}
