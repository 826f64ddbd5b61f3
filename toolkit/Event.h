#pragma once
// Events: a single slot that holds at most one handler, usually a member function of the owner
// bound with Bind. Calling an empty event does nothing.
#include <cstddef>
#include <functional>
#include <type_traits>
#include <utility>

class TObject;

template <typename... Args> class TEvent {
public:
    using Handler = std::function<void(Args...)>;

    TEvent() = default;
    TEvent(std::nullptr_t) {}
    template <typename F, typename = std::enable_if_t<std::is_invocable_v<F&, Args...>>>
    TEvent(F handler) : handler_(std::move(handler)) {}

    explicit operator bool() const { return static_cast<bool>(handler_); }

    // Calls the handler if there is one. Arguments are forwarded as declared, so reference
    // parameters (var parameters of the handler) can be changed by it.
    void operator()(Args... args) const {
        if (handler_)
            handler_(std::forward<Args>(args)...);
    }

    // Binds a member function of object: event.Bind(this, &TFrmMain::BtnClick).
    template <typename T, typename U> void Bind(T* object, void (U::*method)(Args...)) {
        handler_ = [object, method](Args... args) { (object->*method)(std::forward<Args>(args)...); };
    }
    void Clear() { handler_ = nullptr; }

private:
    Handler handler_;
};

using TNotifyEvent = TEvent<TObject*>;
