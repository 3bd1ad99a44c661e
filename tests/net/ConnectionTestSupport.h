#pragma once

#include <gtest/gtest.h>

#include <cstddef>
#include <string>

#include "EventLog.h"
#include "ScriptedServer.h"
#include "net/IdTCPClient.h"
#include "platform/Streams.h"

// Bytes of every value in a pattern that repeats only after many kilobytes.
inline std::string Pattern(std::size_t length) {
    std::string bytes(length, '\0');
    for (std::size_t i = 0; i < length; ++i) {
        bytes[i] = static_cast<char>((i * 7 + i / 251) & 0xFF);
    }
    return bytes;
}

inline std::string StreamText(TMemoryStream& stream) {
    return std::string(reinterpret_cast<const char*>(stream.Memory()),
                       static_cast<std::size_t>(stream.Size()));
}

// A client connected to a scripted server; the test writes the script before Connect().
class TcpConnection : public testing::Test {
protected:
    // Starts the scripted server and connects the client to it; events are logged from here on.
    void Connect() {
        server.Start();
        client.Host = "127.0.0.1";
        client.Port = server.Port();
        client.Connect();
        log.Attach(client);
    }

    ScriptedServer server;
    TIdTCPClient client;
    EventLog log;
};
