#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "app/DialogFrame.h"
#include "net/IdHTTP.h"
#include "platform/FileDate.h"
#include "platform/ProductSite.h"
#include "platform/ProgramPath.h"
#include "platform/Streams.h"
#include "qtplatform/Hourglass.h"

class QLabel;
class QProgressBar;
class TBitBtn;

// The update dialog: shows the date of the local database, downloads the current one from the
// product server with a progress bar, and links to the product website. The download is
// received beside the database and replaces it only when complete, so the database in use is
// never damaged; the main window reads the new file at its next start.
class TformUpdate : public TDialogFrame {
    Q_OBJECT

public:
    // The program runs from `programFolder`; the database shown and
    // replaced is the one of that folder or the user's own copy (see DatabaseFile.h).
    TformUpdate(TWindowLanguage& language, std::filesystem::path programFolder, QWidget* parent);
    ~TformUpdate() override;

    // Where the database is fetched; tests point it at a server on 127.0.0.1.
    std::string DownloadUrl = DatabaseDownloadUrl();
    TDateTime ShownLocalDate = 0;

    void FormShow() override;
    void btDownLoadClick();
    void btCloseClick();
    void IdHTTPWorkBegin(TIdComponent& sender, TWorkMode mode, std::int64_t maximum);
    void IdHTTPWork(TIdComponent& sender, TWorkMode mode, std::int64_t count);
    void IdHTTPWorkEnd(TIdComponent& sender, TWorkMode mode);
    void Label2Click();
    void DownloadDatabase();

    bool Transferring() const { return transferring_; }

    QLabel* lbxLabel = nullptr;
    QLabel* Label2 = nullptr;
    QLabel* Label3 = nullptr;
    QLabel* lbxLabelVer = nullptr;
    QLabel* lbxVersion = nullptr;
    QLabel* Label1 = nullptr;
    TBitBtn* btDownLoad = nullptr;
    TBitBtn* btClose = nullptr;
    QProgressBar* ProgressBarhttpDownload = nullptr;
    TIdHTTP IdHTTP;

public slots:
    // While a transfer runs, closing (button, close box or Escape) stops it first; the dialog
    // closes once the transfer has unwound, and the database in use stays as it was.
    void done(int result) override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void CreateControls();
    void ConnectHandlers();
    void ArrangeFirstRow();
    void ShowDownloadedDate(TDateTime downloaded);
    void ReportSuccess(const std::string& written);
    void EndTransfer();
    void KeepResponsive();

    std::filesystem::path programFolder_;
    bool transferring_ = false;
    bool cancelRequested_ = false;
    std::optional<THourglass> workCursor_;
    int closeResult_ = Rejected;
    std::int64_t progressDivisor_ = 1;
};
