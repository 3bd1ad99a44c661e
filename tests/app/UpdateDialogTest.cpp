// The update dialog against servers on 127.0.0.1: what a user sees after a good and a bad
// download, and that the database in use survives every bad one byte for byte.

#include <fcntl.h>
#include <sys/stat.h>
#include <QApplication>
#include <QLabel>
#include <QLocale>
#include <QProgressBar>
#include <QTest>
#include <QTimer>

#include <fstream>
#include <sstream>

#include "MainWindowFixture.h"
#include "ScriptedServer.h"
#include "app/fInternetUpdate.h"
#include "controls/BitBtn.h"
#include "db/CipherTestSupport.h"
#include "db/DatabaseKey.h"
#include "platform/AnsiQt.h"
#include "platform/Browser.h"
#include "support/RowName.h"
#include "text/TextNumbers.h"
#include "text/TextTable.h"

namespace fs = std::filesystem;

namespace {

const std::string kOldPlain = "old;Old database;Old program;Win\r\n";
const std::string kNewPlain = "new;New database;New program;Unix\r\n";

std::string Response(const std::string& head, const std::string& body) {
    return head + "\r\n\r\n" + body;
}

std::string Ok(const std::string& body) {
    return Response("HTTP/1.1 200 OK\r\nContent-Length: " + std::to_string(body.size()), body);
}

QString Today() {
    return QLocale::system().toString(QDate::currentDate(), QLocale::ShortFormat);
}

}  // namespace

class UpdateDialogTest : public MainWindowTest {
protected:
    void SetUp() override {
        WriteDatabase(kOldPlain);
        SetDatabaseDay(QDate(2020, 1, 2));
        oldBytes = DatabaseBytes();
        OpenWindow();
        boxes.shown.clear();
    }

    void SetDatabaseDay(const QDate& day) const {
        const timespec noon{QDateTime(day, QTime(12, 0)).toSecsSinceEpoch(), 0};
        const timespec times[2] = {noon, noon};
        ASSERT_EQ(::utimensat(AT_FDCWD, DatabasePath().c_str(), times, 0), 0);
    }

    std::string DatabaseBytes() const {
        std::ostringstream bytes;
        bytes << std::ifstream(DatabasePath(), std::ios::binary).rdbuf();
        return bytes.str();
    }

    std::size_t FilesInFolder() const {
        return static_cast<std::size_t>(std::distance(fs::directory_iterator(Folder()), {}));
    }

    TformUpdate& OpenDialog(const std::string& folder, int port) {
        dialog = std::make_unique<TformUpdate>(folder, form.get());
        dialog->DownloadUrl = "http://127.0.0.1:" + std::to_string(port) + "/marbelin_ext.txt";
        dialog->show();
        return *dialog;
    }

    // Serves one response, runs a download from the dialog and waits for the server's end.
    void DownloadFrom(ScriptedServer& server, const std::string& folder) {
        server.Start();
        OpenDialog(folder, server.Port());
        dialog->btDownLoad->click();
    }

    std::string Text(int number) const { return LoadStr(form->LanguageBase + number); }
    std::string FailureText() const {
        return Text(txDownloadFailed) + "\r\n" + Text(txDownloadFailedHint);
    }
    std::string SuccessText(const QString& date) const {
        return Text(txDownloadedBefore) + " (" + FromQString(date) + ") " + Text(txDownloadedAfter);
    }

    void ExpectOldDatabaseAndOnlyTheFailure() {
        EXPECT_EQ(DatabaseBytes(), oldBytes);
        EXPECT_EQ(FilesInFolder(), 1u);
        ASSERT_EQ(boxes.shown.size(), 1u);
        EXPECT_EQ(boxes.shown[0].kind, "error");
        EXPECT_EQ(boxes.shown[0].text, FailureText());
        EXPECT_EQ(QApplication::overrideCursor(), nullptr);
    }

    std::string oldBytes;
    std::unique_ptr<TformUpdate> dialog;
};

TEST_F(UpdateDialogTest, ShowsTheDayOfTheLocalDatabase) {
    OpenDialog(Folder(), UnusedLocalPort());
    EXPECT_EQ(dialog->lbxVersion->text(),
              QLocale::system().toString(QDate(2020, 1, 2), QLocale::ShortFormat));
    EXPECT_EQ(DayOf(dialog->ShownLocalDate), QDate(1899, 12, 30).daysTo(QDate(2020, 1, 2)));
}

TEST_F(UpdateDialogTest, EnglishFirstRowIsTheTextAndTheLinkAlone) {
    form->LanguageBase = 5000;
    OpenDialog(Folder(), UnusedLocalPort());
    EXPECT_TRUE(dialog->Label3->text().isEmpty());
    EXPECT_GT(dialog->Label2->x(), dialog->lbxLabel->geometry().right());
}

TEST_F(UpdateDialogTest, LinkOpensTheWebsiteInTheCurrentLanguage) {
    std::vector<std::string> opened;
    ScopedBrowserOpener browser([&](const std::string& url) { opened.push_back(url); });
    OpenDialog(Folder(), UnusedLocalPort());
    QTest::mouseClick(dialog->Label2, Qt::LeftButton);
    EXPECT_EQ(opened, std::vector<std::string>{WebsiteUrl(form->GetLanguageName())});
}

TEST_F(UpdateDialogTest, SuccessReplacesTheFileAndMarksTheNewDay) {
    const std::string newBytes = Encipher(kNewPlain, BuildDatabaseKey());
    ScriptedServer server;
    server.ReceiveUntil("\r\n\r\n").Send(Ok(newBytes)).Close();
    DownloadFrom(server, Folder());

    EXPECT_EQ(DatabaseBytes(), newBytes);
    EXPECT_EQ(FilesInFolder(), 1u);
    ASSERT_EQ(boxes.shown.size(), 1u);
    EXPECT_EQ(boxes.shown[0].kind, "information");
    EXPECT_EQ(boxes.shown[0].text, SuccessText(Today()));
    EXPECT_EQ(dialog->lbxVersion->text(), Today() + ToQString(Text(txUpdatedMark)));
    EXPECT_TRUE(dialog->lbxVersion->font().bold());
    EXPECT_EQ(dialog->lbxVersion->palette().color(dialog->lbxVersion->foregroundRole()),
              QColor(0, 0, 255));
    EXPECT_EQ(dialog->ProgressBarhttpDownload->value(), 0);
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
    // The window keeps the lines it loaded; the next start reads the new file.
    EXPECT_EQ(form->ExtensionList, TStringList{"old;Old database;Old program;Win"});
    dialog.reset();
    form = std::make_unique<TLumbrafixForm>(Folder());
    EXPECT_EQ(form->ExtensionList, TStringList{"new;New database;New program;Unix"});
}

TEST_F(UpdateDialogTest, SecondDownloadTheSameDayShowsThePlainDate) {
    const std::string newBytes = Encipher(kNewPlain, BuildDatabaseKey());
    ScriptedServer first;
    first.ReceiveUntil("\r\n\r\n").Send(Ok(newBytes)).Close();
    DownloadFrom(first, Folder());
    ScriptedServer second;
    second.ReceiveUntil("\r\n\r\n").Send(Ok(oldBytes)).Close();
    second.Start();
    dialog->DownloadUrl = "http://127.0.0.1:" + std::to_string(second.Port()) + "/marbelin_ext.txt";
    dialog->btDownLoad->click();

    EXPECT_EQ(DatabaseBytes(), oldBytes);
    ASSERT_EQ(boxes.shown.size(), 2u);
    EXPECT_EQ(boxes.shown[1].text, SuccessText(Today()));
    EXPECT_EQ(dialog->lbxVersion->text(), Today());
    EXPECT_TRUE(dialog->lbxVersion->font().bold());
}

TEST_F(UpdateDialogTest, UnknownLengthKeepsTheBarsMaximumAtZero) {
    const std::string newBytes = Encipher(kNewPlain, BuildDatabaseKey());
    ScriptedServer server;
    server.ReceiveUntil("\r\n\r\n")
        .Send(Response("HTTP/1.1 200 OK\r\nConnection: close", newBytes))
        .Close();
    DownloadFrom(server, Folder());
    EXPECT_EQ(dialog->ProgressBarhttpDownload->maximum(), 0);
    EXPECT_EQ(DatabaseBytes(), newBytes);
}

struct BrokenRow {
    std::string name;
    std::string response;  // empty: the server says nothing and keeps the connection open
    bool resetAfter = false;
};

class BrokenDownload : public UpdateDialogTest, public testing::WithParamInterface<BrokenRow> {};

TEST_P(BrokenDownload, KeepsTheOldDatabaseAndShowsOnlyTheFailure) {
    ScriptedServer server;
    server.ReceiveUntil("\r\n\r\n").Send(GetParam().response);
    if (GetParam().response.empty()) {
        server.WaitForRelease();
    } else if (GetParam().resetAfter) {
        server.Reset();
    } else {
        server.Close();
    }
    server.Start();
    OpenDialog(Folder(), server.Port());
    dialog->IdHTTP.ReadTimeout = 300;
    dialog->btDownLoad->click();
    server.Release();
    ExpectOldDatabaseAndOnlyTheFailure();
}

const std::string kNewBody = Encipher(kNewPlain, BuildDatabaseKey());

INSTANTIATE_TEST_SUITE_P(
    Responses, BrokenDownload,
    testing::Values(
        BrokenRow{"NotFound", Response("HTTP/1.1 404 Not Found\r\nContent-Length: 9", "not found")},
        BrokenRow{"Redirect", Response("HTTP/1.1 302 Found\r\nLocation: http://127.0.0.1/x\r\n"
                                       "Content-Length: 0",
                                       "")},
        BrokenRow{"CloseMidBody",
                  Response("HTTP/1.1 200 OK\r\nContent-Length: " + std::to_string(kNewBody.size()),
                           kNewBody.substr(0, 16))},
        BrokenRow{"ResetMidBody", Ok(kNewBody).substr(0, 60), true},
        BrokenRow{"HtmlPage", Ok("<html><body><h1>Welcome</h1></body></html>\n")},
        BrokenRow{"EmptyBody", Ok("")},
        BrokenRow{"NoContent", Response("HTTP/1.1 204 No Content", "")}, BrokenRow{"Stalled", ""}),
    RowName());

TEST_F(UpdateDialogTest, UnwritableFolderSendsNoRequest) {
    ScriptedServer server;
    server.ReceiveUntil("\r\n\r\n").Send(Ok(oldBytes)).Close();
    // Nobody may create files in the root of sysfs, not even the superuser the tests may run as.
    DownloadFrom(server, "/sys/");
    EXPECT_TRUE(server.Received().empty());
    ASSERT_EQ(boxes.shown.size(), 1u);
    EXPECT_EQ(boxes.shown[0].text, FailureText());
}

TEST_F(UpdateDialogTest, ClosingDuringTheTransferStopsItAndKeepsTheOldDatabase) {
    const std::string body = Encipher(std::string(100000, 'x'), BuildDatabaseKey());
    ScriptedServer server;
    // Progress is reported for every 32 KiB block; the second block comes after the timer.
    server.ReceiveUntil("\r\n\r\n")
        .Send(Ok(body).substr(0, 40000))
        .Pause(200)
        .Send(Ok(body).substr(40000, 40000))
        .WaitForRelease();
    server.Start();
    OpenDialog(Folder(), server.Port());
    bool secondStartRefused = false;
    QTimer::singleShot(50, dialog.get(), [&] {
        secondStartRefused = !dialog->btDownLoad->isEnabled() && dialog->Transferring();
        dialog->btDownLoadClick();
        dialog->close();
    });
    dialog->btDownLoad->click();
    server.Release();

    EXPECT_TRUE(secondStartRefused);
    EXPECT_FALSE(dialog->isVisible());
    EXPECT_TRUE(boxes.shown.empty());
    EXPECT_EQ(DatabaseBytes(), oldBytes);
    EXPECT_EQ(FilesInFolder(), 1u);
}
