// The update dialog against servers on 127.0.0.1: what a user sees after good and bad
// downloads, and that the database in use survives every bad one byte for byte.

#include <fcntl.h>
#include <sys/stat.h>
#include <sys/wait.h>

#include <QCursor>
#include <QLabel>
#include <QLocale>
#include <QProgressBar>
#include <QTest>
#include <QTimer>
#include <chrono>
#include <csignal>

#include <fstream>
#include <sstream>

#include "LocalNginx.h"
#include "MainWindowFixture.h"
#include "ScriptedServer.h"
#include "app/fInternetUpdate.h"
#include "controls/BitBtn.h"
#include "db/CipherTestSupport.h"
#include "db/DatabaseKey.h"
#include "db/DatabaseUpdate.h"
#include "net/UpdateSettings.h"
#include "qtplatform/AnsiQt.h"
#include "qtplatform/Browser.h"
#include "support/LineLists.h"
#include "support/RowName.h"
#include "text/TextNumbers.h"
#include "text/TextTable.h"

namespace {

// 23 plain bytes: the last block carries the highest count a database can have, 7.
const std::string kNewBody = Encipher("new;New type;New;Unix\r\n", BuildDatabaseKey());
const QDate kOldDay(2020, 1, 2);

std::string Ok(const std::string& body, const std::string& length = "") {
    return "HTTP/1.1 200 OK\r\nContent-Length: " +
           (length.empty() ? std::to_string(body.size()) : length) + "\r\n\r\n" + body;
}

// A database whose last block deciphers to the given byte count.
std::string WithFinalCount(char count) {
    return Encipher("1234567" + std::string(1, count), BuildDatabaseKey()).substr(0, 8);
}

QString ShortDate(const QDate& day) {
    return QLocale::system().toString(day, QLocale::ShortFormat);
}

}  // namespace

class UpdateDialogTest : public MainWindowFixture {
protected:
    void SetUp() override {
        WriteDatabase("old;Old;Old;Win\r\n");
        const timespec noon{QDateTime(kOldDay, QTime(12, 0)).toSecsSinceEpoch(), 0};
        const timespec times[2] = {noon, noon};
        ASSERT_EQ(::utimensat(AT_FDCWD, DatabasePath().c_str(), times, 0), 0);
        oldBytes = DatabaseBytes();
        OpenWindow();
        boxes.shown.clear();
    }

    std::string DatabaseBytes() const {
        std::ostringstream bytes;
        bytes << std::ifstream(DatabasePath(), std::ios::binary).rdbuf();
        return bytes.str();
    }

    // Downloads once from `url`, opening the dialog on `folder` first when it is not open.
    void Download(const std::string& url, const std::string& folder = {}) {
        if (!dialog) {
            dialog = std::make_unique<TformUpdate>(*form, folder.empty() ? Folder() : folder,
                                                   form.get());
            dialog->IdHTTP.ReadTimeout = 300;
            dialog->show();
        }
        dialog->DownloadUrl = url;
        dialog->btDownLoad->click();
    }
    // The same from a scripted server, which is released when the download is over.
    void Download(ScriptedServer& script, const std::string& folder = {}) {
        script.Start();
        Download("http://127.0.0.1:" + std::to_string(script.Port()) + "/", folder);
        script.Release();
    }

    std::string Text(int number) const { return LoadStr(form->LanguageBase + number); }
    std::string SuccessText() const {
        return Text(txDownloadedBefore) + " (" + FromQString(ShortDate(QDate::currentDate())) +
               ") " + Text(txDownloadedAfter);
    }
    std::size_t FilesInFolder() const {
        return static_cast<std::size_t>(
            std::distance(std::filesystem::directory_iterator(Folder()), {}));
    }

    std::string oldBytes;
    std::unique_ptr<TformUpdate> dialog;
};

TEST_F(UpdateDialogTest, ShowsTheLocalDateAndLinksInTheCurrentLanguage) {
    std::vector<std::string> opened;
    ScopedBrowserOpener browser([&](const std::string& url) { opened.push_back(url); });
    form->LanguageBase = 5000;
    dialog = std::make_unique<TformUpdate>(*form, Folder(), form.get());
    dialog->show();
    EXPECT_EQ(dialog->lbxVersion->text(), ShortDate(kOldDay));
    EXPECT_EQ(dialog->ShownLocalDate, QDate(1899, 12, 30).daysTo(kOldDay) + 0.5);
    EXPECT_TRUE(dialog->Label3->text().isEmpty());
    EXPECT_EQ(dialog->Label2->cursor().shape(), Qt::PointingHandCursor);
    QTest::mouseClick(dialog->Label2, Qt::LeftButton);
    EXPECT_EQ(opened, std::vector<std::string>{WebsiteUrl(form->GetLanguageName())});
}

TEST_F(UpdateDialogTest, SuccessReplacesTheFileMarksTheNewDayOnceAndTakesEffectAtNextStart) {
    LocalNginx nginx;
    if (!nginx.Available()) {
        GTEST_SKIP() << "Debian's nginx is needed for this test";
    }
    nginx.AddFile("marbelin_ext.txt", kNewBody);
    Download(nginx.Url("/marbelin_ext.txt"));
    EXPECT_EQ(DatabaseBytes(), kNewBody);
    EXPECT_EQ(FilesInFolder(), 1u);
    EXPECT_EQ(boxes.shown.size(), 1u);
    EXPECT_EQ(boxes.shown.back().text, SuccessText());
    const QString today = ShortDate(QDate::currentDate());
    EXPECT_EQ(dialog->lbxVersion->text(), today + ToQString(Text(txUpdatedMark)));
    EXPECT_TRUE(dialog->lbxVersion->font().bold());
    EXPECT_EQ(dialog->lbxVersion->palette().color(dialog->lbxVersion->foregroundRole()),
              QColor(0, 0, 255));
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
    EXPECT_FALSE(dialog->IdHTTP.Connected());  // nginx would keep the connection alive

    // Unknown length this time; the same day shows the plain date and keeps the look.
    ScriptedServer second;
    const std::string secondBody = Encipher("two;Two;Two;Mac\r\n", BuildDatabaseKey());
    second.ReceiveUntil("\r\n\r\n").Send("HTTP/1.1 200 OK\r\n\r\n" + secondBody).Close();
    int maximumWhileReceiving = -1;
    bool hourglassWhileReceiving = false;
    dialog->IdHTTP.OnWork = [&, shown = dialog->IdHTTP.OnWork](auto& sender, auto mode, auto n) {
        maximumWhileReceiving = dialog->ProgressBarhttpDownload->maximum();
        // The mouse passing over the link keeps the hourglass.
        for (QEvent::Type passing : {QEvent::Enter, QEvent::Leave}) {
            QEvent event(passing);
            QApplication::sendEvent(dialog->Label2, &event);
        }
        hourglassWhileReceiving = QApplication::overrideCursor() != nullptr &&
                                  QApplication::overrideCursor()->shape() == Qt::WaitCursor;
        shown(sender, mode, n);
    };
    Download(second);
    EXPECT_EQ(maximumWhileReceiving, 0);
    EXPECT_TRUE(hourglassWhileReceiving);
    EXPECT_GT(dialog->ProgressBarhttpDownload->maximum(), 0);  // the busy bar is at rest again
    EXPECT_EQ(DatabaseBytes(), secondBody);
    EXPECT_EQ(boxes.shown.size(), 2u);
    EXPECT_EQ(dialog->lbxVersion->text(), today);
    EXPECT_TRUE(dialog->lbxVersion->font().bold());

    EXPECT_EQ(Lines(form->ExtensionList), TLines{"old;Old;Old;Win"});
    dialog.reset();
    OpenWindow();
    EXPECT_EQ(Lines(form->ExtensionList), TLines{"two;Two;Two;Mac"});
}

struct BrokenRow {
    std::string name;
    std::string response;  // empty: the server stays silent
};

class BrokenDownload : public UpdateDialogTest, public testing::WithParamInterface<BrokenRow> {};

TEST_P(BrokenDownload, KeepsTheOldDatabaseAndShowsOnlyTheFailure) {
    ScriptedServer server;
    server.ReceiveUntil("\r\n\r\n").Send(GetParam().response);
    if (GetParam().response.empty()) {
        server.WaitForRelease();
    }
    server.Close();
    Download(server);
    EXPECT_EQ(DatabaseBytes(), oldBytes);
    EXPECT_EQ(FilesInFolder(), 1u);
    ASSERT_EQ(boxes.shown.size(), 1u);
    EXPECT_EQ(boxes.shown[0].kind, "error");
    EXPECT_EQ(boxes.shown[0].text, Text(txDownloadFailed) + "\r\n" + Text(txDownloadFailedHint));
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
}

INSTANTIATE_TEST_SUITE_P(
    Responses, BrokenDownload,
    testing::Values(
        BrokenRow{"NotFound", "HTTP/1.1 404 Not Found\r\nContent-Length: 9\r\n\r\nnot found"},
        BrokenRow{"Redirect", "HTTP/1.1 302 Found\r\nLocation: /x\r\nContent-Length: 0\r\n\r\n"},
        BrokenRow{"ShortBody", Ok(kNewBody.substr(0, 16), std::to_string(kNewBody.size()))},
        BrokenRow{"CutAtBlock", Ok(kNewBody.substr(0, 8))},
        BrokenRow{"FinalCountEight", Ok(WithFinalCount(8))},
        BrokenRow{"HtmlPage", Ok("<html><body><h1>Welcome</h1></body></html>\n")},
        BrokenRow{"EmptyBody", Ok("")}, BrokenRow{"NoContent", "HTTP/1.1 204 No Content\r\n\r\n"},
        BrokenRow{"Stalled", ""}),
    RowName());

TEST_F(UpdateDialogTest, InstalledProgramUpdatesTheUsersCopyAndReadsItAtNextStart) {
    ScriptedServer server;
    server.ReceiveUntil("\r\n\r\n").Send(Ok(kNewBody)).Close();
    Download(server, "/sys/");  // a program folder not even the superuser may write
    EXPECT_EQ(DatabaseBytes(), oldBytes);
    ASSERT_EQ(boxes.shown.size(), 1u);
    EXPECT_EQ(boxes.shown[0].text, SuccessText());
    dialog.reset();
    OpenWindow();
    EXPECT_EQ(Lines(form->ExtensionList), TLines{"new;New type;New;Unix"});
}

TEST_F(UpdateDialogTest, NoWritableFolderSendsNoRequestAndNamesTheFolder) {
    ScriptedServer server;
    server.ReceiveUntil("\r\n\r\n").Send(Ok(kNewBody)).Close();
    ::setenv("XDG_DATA_HOME", "/sys/lumbrafix-test", 1);  // not even the superuser writes there
    Download(server, "/sys/");
    EXPECT_TRUE(server.Received().empty());
    ASSERT_EQ(boxes.shown.size(), 1u);
    EXPECT_EQ(boxes.shown[0].text, Text(txNoWritableFolder) + " /sys/lumbrafix-test/lumbrafix/");
}

TEST_F(UpdateDialogTest, ClosingDuringTheTransferStopsItAndKeepsTheOldDatabase) {
    const std::string body = Encipher(std::string(100000, 'x'), BuildDatabaseKey());
    ScriptedServer server;
    // Progress comes for each 32 KiB block; the second block arrives after the timer is due.
    const std::string response = Ok(body);
    server.ReceiveUntil("\r\n\r\n")
        .Send(response.substr(0, 40000))
        .Pause(200)
        .Send(response.substr(40000, 40000))
        .Pause(200)
        .Send(response.substr(80000))
        .Close();
    bool secondStartRefused = false;
    QTimer::singleShot(50, form.get(), [&] {
        secondStartRefused = !dialog->btDownLoad->isEnabled() && dialog->Transferring();
        dialog->btDownLoadClick();
        dialog->close();
    });
    Download(server);
    EXPECT_TRUE(secondStartRefused);
    EXPECT_FALSE(dialog->isVisible());
    EXPECT_TRUE(boxes.shown.empty());
    EXPECT_EQ(DatabaseBytes(), oldBytes);
    EXPECT_EQ(FilesInFolder(), 1u);
}

// A head that trickles in byte by byte never reaches the body's progress events.
TEST_F(UpdateDialogTest, ClosingDuringASlowHeadEndsTheTransferWithinASecond) {
    ScriptedServer server;
    server.ReceiveUntil("\r\n\r\n").Send("HTTP/1.1 200 OK\r\n");
    for (int byte = 0; byte < 100; ++byte) {
        server.Pause(100).Send("X");
    }
    std::chrono::steady_clock::time_point closed;
    QTimer::singleShot(300, form.get(), [&] {
        closed = std::chrono::steady_clock::now();
        dialog->close();
    });
    Download(server);
    EXPECT_LT(std::chrono::steady_clock::now() - closed, std::chrono::seconds(1));
    EXPECT_FALSE(dialog->isVisible());
    EXPECT_TRUE(boxes.shown.empty());
    EXPECT_EQ(DatabaseBytes(), oldBytes);
    EXPECT_EQ(FilesInFolder(), 1u);
}

TEST_F(UpdateDialogTest, ProcessKilledMidDownloadLeavesTheOldDatabaseLoadable) {
    const std::string body = Encipher(std::string(100000, 'n'), BuildDatabaseKey());
    ScriptedServer server;
    server.ReceiveUntil("\r\n\r\n").Send(Ok(body).substr(0, 40000)).WaitForRelease();
    // Forked before the server's thread starts, so the child cannot inherit a lock that
    // thread holds; the listener already takes connections.
    const pid_t child = ::fork();
    if (child == 0) {  // the download alone, without windows
        TIdHTTP http;
        ApplyUpdateSettings(http);
        const std::string url = "http://127.0.0.1:" + std::to_string(server.Port()) + "/";
        ReceiveDatabaseFile(DatabasePath(), [&](TStream& out) { http.Get(url, out); });
        ::_exit(0);
    }
    server.Start();
    // The body has begun once the temporary file beside the database exists.
    for (int wait = 0; wait < 4000 && FilesInFolder() < 2; ++wait) {
        QTest::qWait(5);
    }
    EXPECT_EQ(FilesInFolder(), 2u);
    ::kill(child, SIGKILL);
    ::waitpid(child, nullptr, 0);
    server.Release();
    EXPECT_EQ(DatabaseBytes(), oldBytes);
    OpenWindow();
    EXPECT_EQ(Lines(form->ExtensionList), TLines{"old;Old;Old;Win"});
    // The next update, even one that fails, clears away the killed one's temporary file.
    EXPECT_EQ(FilesInFolder(), 2u);
    EXPECT_THROW(ReceiveDatabaseFile(DatabasePath(), [](TStream&) { throw EWriteError("x"); }),
                 EWriteError);
    EXPECT_EQ(FilesInFolder(), 1u);
}
