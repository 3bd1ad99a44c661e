#pragma once

#include <cstdint>
#include <functional>
#include <string>

// Root of the network components.
class TIdBaseComponent {
public:
    TIdBaseComponent() = default;
    virtual ~TIdBaseComponent() = default;
    TIdBaseComponent(const TIdBaseComponent&) = delete;
    TIdBaseComponent& operator=(const TIdBaseComponent&) = delete;
};

enum TIdStatus {
    hsResolving,
    hsConnecting,
    hsConnected,
    hsDisconnecting,
    hsDisconnected,
    hsStatusText
};

enum TWorkMode { wmRead, wmWrite };

// A component that reports its state through status events and the progress of transfers
// through work events. While any component exists, the shared socket layer exists.
//
// Work may nest: only the outermost BeginWork of a mode announces a maximum and fires
// OnWorkBegin, counts fire OnWork with the running total only inside a work, and only the
// matching outermost EndWork fires OnWorkEnd.
class TIdComponent : public TIdBaseComponent {
public:
    TIdComponent();
    ~TIdComponent() override;

    std::function<void(TIdComponent& sender, TIdStatus status, const std::string& text)> OnStatus;
    std::function<void(TIdComponent& sender, TWorkMode mode, std::int64_t maximum)> OnWorkBegin;
    std::function<void(TIdComponent& sender, TWorkMode mode, std::int64_t count)> OnWork;
    std::function<void(TIdComponent& sender, TWorkMode mode)> OnWorkEnd;

    void BeginWork(TWorkMode mode, std::int64_t maximum = 0);
    void DoWork(TWorkMode mode, std::int64_t count);
    void EndWork(TWorkMode mode);

protected:
    // Fires OnStatus with the status's text, its "%s" filled with the argument.
    void DoStatus(TIdStatus status, const std::string& argument = {});

private:
    struct TWorkInfo {
        int level = 0;
        std::int64_t maximum = 0;
        std::int64_t count = 0;
    };

    TWorkInfo works_[2];
};
