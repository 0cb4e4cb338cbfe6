// The general error report: an error that escapes a handler is shown and the
// program goes on.
#include "customizer/form/customizer_application.h"
#include "customizer/helpers/profile_write.h"

#include <QPushButton>
#include <QTest>

class TestThemeErrorReport : public QObject {
    Q_OBJECT

private slots:
    void errorLeavingAHandlerIsReportedAndTheProgramGoesOn() {
        auto* app = qobject_cast<tikloom::CustomizerApplication*>(qApp);
        QVERIFY(app);
        QStringList reports;
        app->ReportError = [&reports](const QString& text) { reports << text; };

        QPushButton failing(QStringLiteral("Save"));
        int clicks = 0;
        QObject::connect(&failing, &QPushButton::clicked, [&clicks] {
            ++clicks;
            throw tikloom::ProfileWriteError(QStringLiteral("/nowhere/tikloom.ini"));
        });
        failing.show();
        QVERIFY(QTest::qWaitForWindowExposed(&failing));
        QTest::mouseClick(&failing, Qt::LeftButton);
        QCOMPARE(reports.size(), 1);
        QVERIFY2(reports[0].contains(QStringLiteral("tikloom.ini")), qPrintable(reports[0]));
        // The button and the event loop still work.
        QTest::mouseClick(&failing, Qt::LeftButton);
        QCOMPARE(clicks, 2);
        QCOMPARE(reports.size(), 2);
        app->ReportError = nullptr;
    }
};

int main(int argc, char** argv) {
    tikloom::CustomizerApplication app(argc, argv);
    TestThemeErrorReport test;
    return QTest::qExec(&test, argc, argv);
}

#include "test_theme_error_report.moc"
