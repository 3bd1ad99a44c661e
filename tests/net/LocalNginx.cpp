#include "LocalNginx.h"

#include <netinet/in.h>
#include <signal.h>
#include <sys/socket.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <thread>

#include "ScriptedServer.h"

namespace {

namespace fs = std::filesystem;

// SSI makes nginx send HTML pages without a length, chunked.
constexpr const char* kConfiguration = R"(daemon off;
master_process off;
worker_processes 1;
pid PREFIX/nginx.pid;
error_log PREFIX/error.log;
events { worker_connections 32; }
http {
    access_log off;
    client_body_temp_path PREFIX/tmp;
    proxy_temp_path PREFIX/tmp;
    fastcgi_temp_path PREFIX/tmp;
    uwsgi_temp_path PREFIX/tmp;
    scgi_temp_path PREFIX/tmp;
    types { text/html html; application/octet-stream bin; }
    server {
        listen 127.0.0.1:PORT;
        root PREFIX/html;
        location / { ssi on; }
    }
}
)";

std::string Filled(std::string text, const std::string& key, const std::string& value) {
    for (std::size_t at; (at = text.find(key)) != std::string::npos;) {
        text.replace(at, key.size(), value);
    }
    return text;
}

}  // namespace

std::string LocalNginx::Binary() {
    for (const char* candidate : {"/usr/sbin/nginx", "/usr/bin/nginx"}) {
        if (::access(candidate, X_OK) == 0) {
            return candidate;
        }
    }
    return {};
}

LocalNginx::LocalNginx() {
    const std::string binary = Binary();
    if (binary.empty()) {
        return;
    }
    char pattern[] = "/tmp/lumbrafix-nginx-XXXXXX";
    folder_ = ::mkdtemp(pattern);
    fs::create_directories(folder_ + "/html");
    fs::create_directories(folder_ + "/tmp");
    port_ = UnusedLocalPort();
    WriteConfiguration();
    pid_ = ::fork();
    if (pid_ == 0) {
        const std::string configuration = folder_ + "/nginx.conf";
        ::execl(binary.c_str(), "nginx", "-p", folder_.c_str(), "-e", "error.log", "-c",
                configuration.c_str(), static_cast<char*>(nullptr));
        ::_exit(127);
    }
    if (!WaitUntilListening()) {
        ::kill(pid_, SIGKILL);
        ::waitpid(pid_, nullptr, 0);
        pid_ = -1;
    }
}

LocalNginx::~LocalNginx() {
    if (pid_ > 0) {
        ::kill(pid_, SIGTERM);
        ::waitpid(pid_, nullptr, 0);
    }
    if (!folder_.empty()) {
        fs::remove_all(folder_);
    }
}

void LocalNginx::WriteConfiguration() const {
    std::ofstream(folder_ + "/nginx.conf")
        << Filled(Filled(kConfiguration, "PREFIX", folder_), "PORT", std::to_string(port_));
}

bool LocalNginx::WaitUntilListening() const {
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(10);
    while (std::chrono::steady_clock::now() < deadline) {
        const int probe = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
        const sockaddr_in address = LoopbackAddress(port_);
        const bool listening =
            ::connect(probe, reinterpret_cast<const sockaddr*>(&address), sizeof address) == 0;
        ::close(probe);
        if (listening) {
            return true;
        }
        if (::waitpid(pid_, nullptr, WNOHANG) == pid_) {
            return false;  // it ended: the port was taken or the configuration refused
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
    return false;
}

void LocalNginx::AddFile(const std::string& name, const std::string& bytes) {
    std::ofstream(folder_ + "/html/" + name, std::ios::binary) << bytes;
}

std::string LocalNginx::Url(const std::string& path) const {
    return "http://127.0.0.1:" + std::to_string(port_) + path;
}
