#include "gui/app/DesktopApp.h"
#include "gui/app/SingleInstance.h"
#include "gui/draw/QtCanvas.h"
#include "gui/platform/QtPlatform.h"
#include "gui/shell/MainWindow.h"
#include "support/RecordingPlatform.h"

#include <QApplication>
#include <QImage>
#include <QPainter>
#include <QtTest>

#include <stdexcept>

using namespace tq;

class StartupTest : public QObject {
    Q_OBJECT
private slots:
    void mainWindowStartsAndCloses() {
        gui::MainWindow window;
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QCOMPARE(window.windowTitle(), QStringLiteral("Tarvelstrand"));
        QVERIFY(window.close());
    }

    void escapingExceptionShowsExceptionAndReturnsMinusOne() {
        test::RecordingUi ui;
        const int rc = gui::RunGuarded([]() -> int { throw std::runtime_error("boom"); }, ui);
        QCOMPARE(rc, -1);
        QCOMPARE(ui.Messages(), (std::vector<std::string>{"[Tarvelstrand] Exception"}));
        QCOMPARE(gui::RunGuarded([] { return 3; }, ui), 3);
    }

    void argumentsNameTheFileAndTheScreenshot() {
        auto o = gui::ParseDesktopArguments({"tarvelstrand", "--screenshot", "w.png", "/data/Jul.tq2"});
        QCOMPARE(o.screenshot, QStringLiteral("w.png"));
        QCOMPARE(o.fileName, QStringLiteral("/data/Jul.tq2"));
        QVERIFY(!gui::ParseDesktopArguments({"tarvelstrand", "--screenshot"}).problem.isEmpty());
    }

    void aSecondInstanceIsRefusedAndAStaleLockTakenOver() {
        const QString path = QDir::temp().filePath(QStringLiteral("tq-single-%1.lock").arg(QCoreApplication::applicationPid()));
        QFile::remove(path);
        gui::SingleInstance first(path), second(path);
        QVERIFY(first.Acquire());
        QVERIFY(!second.Acquire());
        // A lock left by a program that is gone does not keep the next one out.
        QFile::remove(path);
        QFile stale(path);
        QVERIFY(stale.open(QIODevice::WriteOnly));
        stale.write("999999\ntarvelstrand\n" + QSysInfo::machineHostName().toUtf8() + "\n");
        stale.close();
        gui::SingleInstance third(path);
        QVERIFY(third.Acquire());
    }

    void fileFiltersBecomeQtFilters() {
        QCOMPARE(gui::QtFilterOf("Tarvelstrand Viewer(*.tqv)|*.tqv|Tarvelstrand File(*.tq2)|*.tq2|All Files (*.*)|*.*"),
                 QStringLiteral("Tarvelstrand Viewer (*.tqv *.TQV);;Tarvelstrand File (*.tq2 *.TQ2);;All Files (*)"));
        QCOMPARE(gui::QtFilterOf("Pairing Files (*.Bornemann *.PRG)|*.Bornemann;*.PRG|All Files (*.*)|*.*"),
                 QStringLiteral("Pairing Files (*.bornemann *.BORNEMANN *.Bornemann *.prg *.PRG);;All Files (*)"));
    }

    void canvasFontsFollowTheRequestedCell() {
        QImage image(200, 100, QImage::Format_RGB32);
        QPainter painter(&image);
        gui::QtCanvas canvas(painter, {0, 0, 200, 100});
        canvas.SelectFont({.face = "Arial", .height = 16, .width = 7, .weight = 400});
        const FontMetrics m = canvas.Metrics();
        QVERIFY2(m.height <= 16 && m.height >= 13, qPrintable(QString::number(m.height)));
        QVERIFY2(m.averageCharWidth >= 6 && m.averageCharWidth <= 8, qPrintable(QString::number(m.averageCharWidth)));
        canvas.FillRect({10, 10, 20, 20}, Rgb(255, 0, 0));
        canvas.ExcludeClip({30, 10, 40, 20});
        canvas.FillRect({30, 10, 40, 20}, Rgb(0, 255, 0));
        painter.end();
        QCOMPARE(image.pixelColor(15, 15), QColor(255, 0, 0));
        QVERIFY(image.pixelColor(35, 15) != QColor(0, 255, 0)); // excluded from clipping
    }
};

QTEST_MAIN(StartupTest)
#include "StartupTest.moc"
