#include "net/IdTCPClient.h"

void TIdTCPClient::Connect(int timeoutMs) {
    TIdIOHandlerSocket& handler = OpenIOHandler();
    try {
        handler.ConnectClient(Host, Port, BoundIP, BoundPort, timeoutMs);
        DoStatus(hsConnected, Host);
        DoOnConnected();
    } catch (...) {
        handler.Close();
        throw;
    }
}
