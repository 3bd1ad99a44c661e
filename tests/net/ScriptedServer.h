#pragma once

#include <netinet/in.h>

#include <mutex>
#include <string>
#include <thread>
#include <vector>

// A TCP server on 127.0.0.1 at an ephemeral port that serves one connection by a script:
// it sends given bytes, pauses, reads what the client sends, and closes when told. Tests
// build the script, call Start(), and talk to Port(). Destroying the server ends a script
// that is still waiting and closes everything; no wait of the script lasts beyond 20 seconds.
class ScriptedServer {
public:
    ScriptedServer();
    ~ScriptedServer();
    ScriptedServer(const ScriptedServer&) = delete;
    ScriptedServer& operator=(const ScriptedServer&) = delete;

    int Port() const { return port_; }

    // Script steps, run in order after the connection is accepted.
    ScriptedServer& Send(std::string bytes);
    ScriptedServer& Pause(int milliseconds);
    // Reads from the client until the marker has arrived after the previous marker (or the
    // client closes); see Received().
    ScriptedServer& ReceiveUntil(std::string marker);
    // Reads from the client until it closes its end.
    ScriptedServer& ReceiveUntilClose();
    // Waits until the test calls Release().
    ScriptedServer& WaitForRelease();
    // Closes the connection: orderly (FIN), or abortive (RST).
    ScriptedServer& Close();
    ScriptedServer& Reset();

    // Accepts one connection and runs the script on the server's own thread. After the
    // last step the connection stays open until a Close step or the server's end.
    void Start();
    void Release();
    // Waits until the script has run to its end.
    void Join();
    // Everything the client has sent so far.
    std::string Received() const;

private:
    struct Step {
        enum Kind { kSend, kPause, kReceiveUntil, kWaitForRelease, kClose, kReset } kind;
        std::string bytes;
        int milliseconds = 0;
    };

    void Run();
    void RunStep(const Step& step);
    bool WaitReadable(int fd, int timeoutMs);
    void ReceiveUntilMarker(const std::string& marker);
    void CloseConnection(bool abortive);

    int listener_ = -1;
    int connection_ = -1;
    int port_ = 0;
    int stopPipe_[2] = {-1, -1};
    int releasePipe_[2] = {-1, -1};
    std::vector<Step> steps_;
    mutable std::mutex receivedLock_;
    std::string received_;
    std::size_t markerSearchFrom_ = 0;  // where the next ReceiveUntil looks for its marker
    std::thread thread_;
};

// A port on 127.0.0.1 on which nothing listens (it was free a moment ago).
int UnusedLocalPort();

struct sockaddr_in LoopbackAddress(int port);
// A socket listening on 127.0.0.1 at an ephemeral port, which goes to *port.
int ListenOnLoopback(int backlog, int* port);

// A listener on 127.0.0.1 that never accepts and whose queue is full: the system drops further
// connection requests, so a connect to it neither succeeds nor fails.
class FullListener {
public:
    FullListener();
    ~FullListener();
    FullListener(const FullListener&) = delete;
    FullListener& operator=(const FullListener&) = delete;

    int Port() const { return port_; }

private:
    int listener_ = -1;
    int port_ = 0;
    int fillers_[3] = {-1, -1, -1};
};
