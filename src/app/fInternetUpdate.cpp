#include "app/fInternetUpdate.h"

#include <QApplication>
#include <QDate>
#include <QEvent>
#include <QLabel>
#include <QLocale>
#include <QProgressBar>
#include <limits>

#include "controls/BitBtn.h"
#include "db/DatabaseFile.h"
#include "db/DatabaseUpdate.h"
#include "net/UpdateSettings.h"
#include "qtplatform/AnsiQt.h"
#include "qtplatform/Application.h"
#include "qtplatform/Browser.h"
#include "qtplatform/MessageBoxes.h"
#include "text/AnsiCodePage.h"
#include "text/TextNumbers.h"

namespace {

constexpr int kIdleProgressMaximum = 100;

// Raised from the progress handler when the dialog is closed during a transfer, to unwind
// the transfer; the partly received file is then thrown away.
class EUpdateCancelled : public Exception {
public:
    EUpdateCancelled() : Exception("The update was cancelled") {}
};

// The date part of a date-time in the user's short date format.
QString ShortDateText(TDateTime dateTime) {
    const QDate date = QDate(1899, 12, 30).addDays(DayOf(dateTime));
    return QLocale::system().toString(date, QLocale::ShortFormat);
}

}  // namespace

TformUpdate::TformUpdate(TWindowLanguage& language, std::filesystem::path programFolder,
                         QWidget* parent)
    : TDialogFrame(language, parent), programFolder_(std::move(programFolder)) {
    CreateControls();
    ApplyUpdateSettings(IdHTTP);
    ConnectHandlers();
}

TformUpdate::~TformUpdate() {
    IdHTTP.Disconnect();
}

void TformUpdate::ConnectHandlers() {
    connect(btDownLoad, &QPushButton::clicked, this, &TformUpdate::btDownLoadClick);
    connect(btClose, &QPushButton::clicked, this, &TformUpdate::btCloseClick);
    IdHTTP.OnWorkBegin = [this](TIdComponent& sender, TWorkMode mode, std::int64_t maximum) {
        IdHTTPWorkBegin(sender, mode, maximum);
    };
    IdHTTP.OnWork = [this](TIdComponent& sender, TWorkMode mode, std::int64_t count) {
        IdHTTPWork(sender, mode, count);
    };
    IdHTTP.OnWorkEnd = [this](TIdComponent& sender, TWorkMode mode) {
        IdHTTPWorkEnd(sender, mode);
    };
    IdHTTP.OnWaiting = [this] { KeepResponsive(); };
}

void TformUpdate::FormShow() {
    // Without a database there is no date to show; any download then counts as newer.
    if (LocalFileDate(DatabaseFileToRead(programFolder_), ShownLocalDate)) {
        lbxVersion->setText(ShortDateText(ShownLocalDate));
    } else {
        lbxVersion->clear();
    }
    lbxVersion->adjustSize();
    const std::pair<QLabel*, int> captions[] = {{lbxLabel, txUpdateListOf},
                                                {Label3, txUpdateDownloadWord},
                                                {lbxLabelVer, txUpdateLocalVersion},
                                                {Label1, txUpdateFromServer}};
    for (const auto& [label, number] : captions) {
        SetCaption(label, Text(number));
    }
    ArrangeFirstRow();
    btDownLoad->setText(ToQString(Text(txUpdateStart)));
    btClose->setText(ToQString(Text(txClose)));
    setWindowTitle(ToQString(Text(txUpdateTitle)));
}

void TformUpdate::btDownLoadClick() {
    DownloadDatabase();
}

void TformUpdate::btCloseClick() {
    accept();
}

void TformUpdate::done(int result) {
    if (transferring_) {
        cancelRequested_ = true;
        closeResult_ = result;
        return;
    }
    QDialog::done(result);
}

void TformUpdate::DownloadDatabase() {
    if (transferring_) {
        return;
    }
    const std::optional<std::filesystem::path> folder = DatabaseFolderToWrite(programFolder_);
    if (!folder) {
        // No request goes out when the result could not be kept anywhere.
        MessageBoxes().MessageDlg(
            Text(txNoWritableFolder) + " " + Utf8ToAnsi(ShownFolder(UserDatabaseFolder())),
            TMsgDlgType::mtError);
        return;
    }
    const std::string database = DatabaseFileIn(*folder).string();
    transferring_ = true;
    cancelRequested_ = false;
    btDownLoad->setEnabled(false);
    ProgressBarhttpDownload->setValue(0);
    bool received = false;
    try {
        ReceiveDatabaseFile(database,
                            [this](TStream& destination) { IdHTTP.Get(DownloadUrl, destination); });
        received = true;
    } catch (const std::exception&) {
        // Every failure is reported the same way below; the old database is untouched.
    }
    EndTransfer();
    if (cancelRequested_) {
        QDialog::done(closeResult_);
    } else if (received) {
        ReportSuccess(database);
    } else {
        MessageBoxes().MessageDlg(Text(txDownloadFailed) + "\r\n" + Text(txDownloadFailedHint),
                                  TMsgDlgType::mtError);
        ProgressBarhttpDownload->setValue(0);
    }
}

// Leaves no connection open, gives back the cursor when a body transfer had taken it, and
// lets the button start the next download.
void TformUpdate::EndTransfer() {
    IdHTTP.Disconnect();
    workCursor_.reset();
    // A bar without a maximum shows a busy indicator; at rest it goes back to an empty bar.
    if (ProgressBarhttpDownload->maximum() == 0) {
        ProgressBarhttpDownload->setRange(0, kIdleProgressMaximum);
    }
    transferring_ = false;
    btDownLoad->setEnabled(true);
}

void TformUpdate::ReportSuccess(const std::string& written) {
    TDateTime downloaded = ShownLocalDate;
    LocalFileDate(written, downloaded);
    MessageBoxes().MessageDlg(Text(txDownloadedBefore) + " (" +
                                  FromQString(ShortDateText(downloaded)) + ") " +
                                  Text(txDownloadedAfter),
                              TMsgDlgType::mtInformation);
    ProgressBarhttpDownload->setValue(0);
    ShowDownloadedDate(downloaded);
}

// A later day than the one shown is marked " (updated)" in bold blue; the same day (a second
// download) shows the plain date and keeps the label's look as it is.
void TformUpdate::ShowDownloadedDate(TDateTime downloaded) {
    QString text = ShortDateText(downloaded);
    if (DayOf(downloaded) > DayOf(ShownLocalDate)) {
        text += ToQString(Text(txUpdatedMark));
        QFont bold = lbxVersion->font();
        bold.setBold(true);
        lbxVersion->setFont(bold);
        PaintBlue(lbxVersion);
    }
    lbxVersion->setText(text);
    lbxVersion->adjustSize();
    ShownLocalDate = downloaded;
}

void TformUpdate::IdHTTPWorkBegin(TIdComponent&, TWorkMode, std::int64_t maximum) {
    // The bar counts in int; a body beyond its range is shown in coarser steps.
    progressDivisor_ = maximum / std::numeric_limits<int>::max() + 1;
    ProgressBarhttpDownload->setRange(0, static_cast<int>(maximum / progressDivisor_));
    workCursor_.emplace();
}

void TformUpdate::IdHTTPWork(TIdComponent&, TWorkMode, std::int64_t count) {
    ProgressBarhttpDownload->setValue(static_cast<int>(
        std::min<std::int64_t>(count / progressDivisor_, ProgressBarhttpDownload->maximum())));
    KeepResponsive();
}

// Runs while the transfer moves or waits: the dialog repaints and takes input, and a close
// asked for meanwhile unwinds the transfer.
void TformUpdate::KeepResponsive() {
    QApplication::processEvents();
    if (cancelRequested_) {
        throw EUpdateCancelled();
    }
}

void TformUpdate::IdHTTPWorkEnd(TIdComponent&, TWorkMode) {
    workCursor_.reset();
}

void TformUpdate::Label2Click() {
    OpenInBrowser(WebsiteUrl(Language().GetLanguageName()));
}

bool TformUpdate::eventFilter(QObject* watched, QEvent* event) {
    if (watched == Label2) {
        switch (event->type()) {
            case QEvent::MouseButtonRelease:
                Label2Click();
                break;
            default:
                break;
        }
    }
    return QDialog::eventFilter(watched, event);
}
