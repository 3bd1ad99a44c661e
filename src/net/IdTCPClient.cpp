#include "net/IdTCPClient.h"

void TIdTCPClient::Connect(int timeoutMs) {
    TIdIOHandlerSocket& handler = OpenIOHandler();
    try {
        // 0 and -1 leave the connect to the system, -2 watches it without limit.
        handler.ConnectClient(Host, Port, BoundIP, BoundPort,
                              WaitLimits(timeoutMs > 0 ? timeoutMs : -1),
                              timeoutMs == 0 || timeoutMs == kTimeoutDefault);
        DoStatus(hsConnected, Host);
        DoOnConnected();
    } catch (...) {
        handler.Close();
        throw;
    }
}
