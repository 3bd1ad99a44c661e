#include "net/IdConnectThread.h"

#include <chrono>

#include "net/IdException.h"
#include "net/IdSocketHandle.h"

namespace {

// A socket closed under a running connect; not a failure worth reporting.
constexpr int kBadFileNumber = 10009;
constexpr int kNotASocket = 10038;

}  // namespace

TIdConnectThread::TIdConnectThread(TIdSocketHandle& binding)
    : binding_(binding), thread_(&TIdConnectThread::Run, this) {}

TIdConnectThread::~TIdConnectThread() {
    if (thread_.joinable()) {
        thread_.join();
    }
}

bool TIdConnectThread::WaitFor(int timeoutMs) {
    std::unique_lock<std::mutex> guard(lock_);
    return endedSignal_.wait_for(guard, std::chrono::milliseconds(timeoutMs),
                                 [this] { return ended_; });
}

void TIdConnectThread::Stop() {
    stopped_ = true;
    binding_.Abort();
    thread_.join();
}

void TIdConnectThread::Run() {
    std::string message;
    try {
        binding_.Connect();
    } catch (const EIdSocketError& error) {
        if (error.LastError() != kBadFileNumber && error.LastError() != kNotASocket) {
            message = error.Message();
        }
    } catch (const Exception& error) {
        message = error.Message();
    }
    const std::lock_guard<std::mutex> guard(lock_);
    if (!stopped_) {
        message_ = message;
    }
    ended_ = true;
    endedSignal_.notify_all();
}
