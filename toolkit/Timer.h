#pragma once
// TTimer: a window timer of the user-interface thread. OnTimer runs every Interval
// milliseconds while Enabled; setting Enabled or Interval (even to the value it has) starts
// the period afresh.
#include "toolkit/Component.h"
#include "toolkit/Event.h"

#include <memory>

class TMessageWindow;

class TTimer : public TComponent {
public:
    explicit TTimer(TComponent* owner);
    ~TTimer() override;

    bool Enabled() const { return enabled_; }
    void SetEnabled(bool value);
    unsigned Interval() const { return interval_; }
    void SetInterval(unsigned ms);

    TNotifyEvent OnTimer;

    void Loaded() override;

protected:
    virtual void Timer();

private:
    void UpdateTimer();

    bool enabled_ = true;
    unsigned interval_ = 1000;
    std::unique_ptr<TMessageWindow> window_;
};
