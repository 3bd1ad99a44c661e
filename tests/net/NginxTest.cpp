// The client against a server nobody here wrote: Debian's nginx on the loopback interface.
#include <gtest/gtest.h>
#include <netinet/in.h>
#include <signal.h>
#include <sys/socket.h>
#include <sys/types.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <string>
#include <thread>

#include "ConnectionTestSupport.h"
#include "net/IdException.h"
#include "net/IdHTTP.h"
#include "net/UpdateSettings.h"
#include "platform/Streams.h"

namespace {

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

class AgainstNginx : public testing::Test {
protected:
    void SetUp() override {
        if (LocalNginx::Binary().empty()) {
            GTEST_SKIP() << "nginx is not installed";
        }
        ASSERT_TRUE(nginx.Available()) << "nginx did not start";
        ApplyUpdateSettings(http);
        log.Attach(http);
    }

    LocalNginx nginx;
    TIdHTTP http;
    TMemoryStream body;
    EventLog log;
};

TEST_F(AgainstNginx, StaticFileArrivesWholeWithItsLength) {
    const std::string file = Pattern(300000);
    nginx.AddFile("marbelin_ext.txt", file);
    http.Get(nginx.Url("/marbelin_ext.txt"), body);
    EXPECT_EQ(http.ResponseCode(), 200);
    EXPECT_EQ(http.Response().ContentLength, 300000);
    EXPECT_TRUE(StreamText(body) == file);
    EXPECT_EQ(log.Starting("begin"), (std::vector<std::string>{"begin read 300000"}));
    EXPECT_EQ(log.Starting("work").back(), "work read 300000");
}

TEST_F(AgainstNginx, MissingFileRaises404WithItsPageAndKeepsTheConnection) {
    try {
        http.Get(nginx.Url("/missing.txt"), body);
        FAIL() << "no error";
    } catch (const EIdHTTPProtocolException& error) {
        EXPECT_EQ(error.ErrorCode(), 404);
        EXPECT_EQ(error.Message(), "HTTP/1.1 404 Not Found");
        EXPECT_NE(error.ErrorMessage().find("404 Not Found"), std::string::npos);
    }
    EXPECT_EQ(body.Size(), 0);
    EXPECT_TRUE(http.Connected());
}

TEST_F(AgainstNginx, PageOfUnknownLengthComesChunkedOverTheSameConnection) {
    const std::string part = Pattern(50000);
    nginx.AddFile("part.bin", part);
    nginx.AddFile("page.html", "<p><!--# include file=\"part.bin\" --></p>");
    nginx.AddFile("first.bin", "first");
    http.Get(nginx.Url("/first.bin"), body);
    body.SetSize(0);
    http.Get(nginx.Url("/page.html"), body);
    EXPECT_EQ(http.Response().TransferEncoding, "chunked");
    EXPECT_TRUE(StreamText(body) == "<p>" + part + "</p>");
    EXPECT_TRUE(http.Connected());
}

}  // namespace
