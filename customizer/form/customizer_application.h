#pragma once
// The customizer's application object. Its one addition is the general error
// report: an error that escapes an event handler (a profile file that cannot
// be written, for example) is shown in a message box, and the program goes on.

#include <QApplication>
#include <functional>

namespace tikloom {

class CustomizerApplication : public QApplication {
    Q_OBJECT

public:
    CustomizerApplication(int& argc, char** argv);

    bool notify(QObject* receiver, QEvent* event) override;

    // "Tikloom Customizer", the caption of the form and of the error report.
    static QString Title();

    // Shows the text of an error that left a handler. Tests replace it.
    std::function<void(const QString&)> ReportError;

private:
    void ShowError(const QString& text);
};

} // namespace tikloom
