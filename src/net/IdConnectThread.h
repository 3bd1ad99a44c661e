#pragma once

#include <atomic>
#include <condition_variable>
#include <mutex>
#include <string>
#include <thread>

class TIdSocketHandle;

// Runs the blocking connect of a socket on its own thread, so that the caller can give up
// after a time-out. The thread touches only the socket and its own message.
class TIdConnectThread {
public:
    explicit TIdConnectThread(TIdSocketHandle& binding);
    ~TIdConnectThread();
    TIdConnectThread(const TIdConnectThread&) = delete;
    TIdConnectThread& operator=(const TIdConnectThread&) = delete;

    // Waits at most timeoutMs for the connect to end; true once it has ended. Wakes as soon
    // as it ends rather than at the end of the wait.
    bool WaitFor(int timeoutMs);
    // Tells the thread to stop, breaks off its connect and waits for it.
    void Stop();
    // The message of the failure the connect ended with; empty after a success. Valid once
    // the thread has ended.
    const std::string& ErrorMessage() const { return message_; }

private:
    void Run();

    TIdSocketHandle& binding_;
    std::mutex lock_;
    std::condition_variable endedSignal_;
    bool ended_ = false;
    std::atomic<bool> stopped_{false};
    std::string message_;
    std::thread thread_;
};
