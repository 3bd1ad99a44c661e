#pragma once

#include <QApplication>
#include <string>

// The application object and the general error handler that reports errors no window caught.

class TApplication : public QApplication {
public:
    TApplication(int& argc, char** argv);

    // Runs every event; an error that escapes a handler is shown in an error box and the
    // program carries on in the state it had.
    bool notify(QObject* receiver, QEvent* event) override;
};

// While the application object is built: a fatal failure of the windowing library (a display
// it cannot reach) prints `line` alone on the standard error and ends the process with exit
// status 1 instead of aborting; the library's own warnings about the attempt are kept back.
void ExplainStartFailureAs(const char* line);
// Gives the library's messages back to their usual handling once the start has succeeded.
void EndStartFailureExplanation();

// Shows an error that reached the general handler.
void HandleException(const std::exception& error);

// The installed look-alike of a classic Windows font the windows were designed with; any other
// family comes back unchanged. Naming the look-alike itself spares Qt the search for a family
// that is not installed, at every font the program builds.
QString InstalledFontFamily(const QString& designedFamily);
