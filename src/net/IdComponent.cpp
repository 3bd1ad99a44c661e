#include "net/IdComponent.h"

#include "net/IdStack.h"
#include "platform/Exceptions.h"

namespace {

const char* StatusFormat(TIdStatus status) {
    switch (status) {
        case hsResolving:
            return "Host-Name %s wird aufgel\xF6"
                   "st.";
        case hsConnecting:
            return "Verbinden mit %s.";
        case hsConnected:
            return "Verbunden.";
        case hsDisconnecting:
            return "Verbindung wird getrennt.";
        case hsDisconnected:
            return "Verbindung aufgehoben.";
        case hsStatusText:
            break;
    }
    return "%s";
}

}  // namespace

TIdComponent::TIdComponent() {
    TIdStackPosix::Acquire();
}

TIdComponent::~TIdComponent() {
    TIdStackPosix::Release();
}

// The level comes back down however a handler leaves, so that one that throws (a progress
// handler that runs the event loop, say) doesn't swallow later begins or mix up totals.
void TIdComponent::BeginWork(TWorkMode mode, std::int64_t maximum) {
    TWorkInfo& work = works_[mode];
    if (++work.level == 1) {
        work.maximum = maximum;
        work.count = 0;
        if (OnWorkBegin) {
            try {
                OnWorkBegin(*this, mode, maximum);
            } catch (...) {
                --work.level;  // the caller won't end a work that failed to begin
                throw;
            }
        }
    }
}

void TIdComponent::DoWork(TWorkMode mode, std::int64_t count) {
    TWorkInfo& work = works_[mode];
    if (work.level > 0) {
        work.count += count;
        if (OnWork) {
            OnWork(*this, mode, work.count);
        }
    }
}

void TIdComponent::EndWork(TWorkMode mode) {
    TWorkInfo& work = works_[mode];
    if (work.level == 0) {
        return;  // an unmatched end must not swallow the next begin
    }
    if (--work.level == 0 && OnWorkEnd) {
        OnWorkEnd(*this, mode);
    }
}

void TIdComponent::DoStatus(TIdStatus status, const std::string& argument) {
    if (OnStatus) {
        OnStatus(*this, status, FormatMessage(StatusFormat(status), argument.c_str()));
    }
}
