// A handler that can pause for an animation frame and go on from the window's event loop: a
// coroutine that starts when it is awaited (or started by the window) and hands control back
// to its awaiter when it ends. Nothing here knows about timers; the pause that suspends one is
// the window's (MainForm::待ち時間).
#pragma once

#include <coroutine>
#include <exception>
#include <utility>

namespace banzuri {

class [[nodiscard]] Task {
  public:
    struct promise_type {
        std::coroutine_handle<> continuation;

        Task get_return_object() {
            return Task{std::coroutine_handle<promise_type>::from_promise(*this)};
        }
        std::suspend_always initial_suspend() noexcept { return {}; }
        struct FinalAwaiter {
            bool await_ready() noexcept { return false; }
            std::coroutine_handle<> await_suspend(
                std::coroutine_handle<promise_type> done) noexcept {
                const std::coroutine_handle<> next = done.promise().continuation;
                return next ? next : std::noop_coroutine();
            }
            void await_resume() noexcept {}
        };
        FinalAwaiter final_suspend() noexcept { return {}; }
        void return_void() noexcept {}
        void unhandled_exception() noexcept { std::terminate(); }
    };

    Task() = default;
    Task(Task&& other) noexcept : handle_(std::exchange(other.handle_, {})) {}
    Task& operator=(Task&& other) noexcept {
        if (this != &other) {
            if (handle_) handle_.destroy();
            handle_ = std::exchange(other.handle_, {});
        }
        return *this;
    }
    Task(const Task&) = delete;
    Task& operator=(const Task&) = delete;
    ~Task() {
        if (handle_) handle_.destroy();
    }

    // Runs the task until it ends or first pauses.
    void start() {
        if (handle_ && !handle_.done()) handle_.resume();
    }
    bool done() const { return !handle_ || handle_.done(); }

    // Awaiting a task runs it; the awaiter goes on when it has ended.
    bool await_ready() const noexcept { return done(); }
    std::coroutine_handle<> await_suspend(std::coroutine_handle<> awaiter) noexcept {
        handle_.promise().continuation = awaiter;
        return handle_;
    }
    void await_resume() const noexcept {}

  private:
    explicit Task(std::coroutine_handle<promise_type> handle) : handle_(handle) {}
    std::coroutine_handle<promise_type> handle_;
};

}  // namespace banzuri
