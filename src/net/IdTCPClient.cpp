#include "net/IdTCPClient.h"

void TIdTCPClient::Connect(TIdTimeout timeout) {
    TIdIOHandlerSocket& handler = OpenIOHandler();
    try {
        // The default and no time-out leave the connect to the system; Infinite and a limit
        // watch it.
        const bool systemMayDecide =
            timeout == TIdTimeout::Default() || timeout == TIdTimeout::NotSet();
        handler.ConnectClient(Host, Port, BoundIP, BoundPort, WaitLimits(timeout), systemMayDecide);
        DoStatus(hsConnected, Host);
        DoOnConnected();
    } catch (...) {
        handler.Close();
        throw;
    }
}
