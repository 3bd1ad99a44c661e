#pragma once

#include <sys/types.h>

#include <string>

// Debian's nginx on a free 127.0.0.1 port, serving a temporary folder, started in the
// foreground from a generated configuration and stopped when the object goes. Available()
// is false (and nothing runs) when no nginx binary is installed.
class LocalNginx {
public:
    LocalNginx();
    ~LocalNginx();
    LocalNginx(const LocalNginx&) = delete;
    LocalNginx& operator=(const LocalNginx&) = delete;

    static std::string Binary();
    bool Available() const { return pid_ > 0; }
    int Port() const { return port_; }
    // Puts a file into the served folder.
    void AddFile(const std::string& name, const std::string& bytes);
    std::string Url(const std::string& path) const;

private:
    void WriteConfiguration() const;
    bool WaitUntilListening() const;

    std::string folder_;
    int port_ = 0;
    pid_t pid_ = -1;
};
