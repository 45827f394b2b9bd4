// SPDX-License-Identifier: GPL-3.0-or-later
// Started where no display can be reached, the program says so in one line
// on standard error and exits with code 1: no core dump, no hang, none of
// the toolkit's own diagnostics. Any other failure of the platform keeps
// Qt's own message. (A bare start with no display named at all is the
// command-line test's.)

#include <QProcess>
#include <QTest>

namespace {

struct Run {
    bool finished = false;
    QProcess::ExitStatus status = QProcess::CrashExit;
    int exitCode = -1;
    QByteArray out, err;
};

Run start(const QStringList &environmentSettings) {
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const char *name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM", "XDG_SESSION_TYPE"})
        environment.remove(QString::fromLatin1(name));
    for (const QString &setting : environmentSettings)
        environment.insert(setting.section(QLatin1Char('='), 0, 0), setting.section(QLatin1Char('='), 1));
    QProcess process;
    process.setProcessEnvironment(environment);
    process.start(QStringLiteral(PROGRAM_PATH), {});
    Run run;
    run.finished = process.waitForFinished(120000);
    if (!run.finished) {
        process.kill();
        process.waitForFinished();
        return run;
    }
    run.status = process.exitStatus();
    run.exitCode = process.exitCode();
    run.out = process.readAllStandardOutput();
    run.err = process.readAllStandardError();
    return run;
}

} // namespace

class NoDisplayTest : public QObject {
    Q_OBJECT

private slots:
    void one_line_and_exit_code_one_data() {
        QTest::addColumn<QStringList>("environment");
        // No X server listens on display 97 of this machine.
        QTest::newRow("X display named but unreachable") << QStringList{"DISPLAY=:97"};
        QTest::newRow("X platform chosen, no display") << QStringList{"QT_QPA_PLATFORM=xcb"};
        QTest::newRow("Wayland platform chosen, no compositor") << QStringList{"QT_QPA_PLATFORM=wayland"};
        QTest::newRow("Wayland display named but absent")
            << QStringList{"WAYLAND_DISPLAY=boolean-laws-test-absent"};
        QTest::newRow("Wayland session, no compositor")
            << QStringList{"XDG_SESSION_TYPE=wayland", "WAYLAND_DISPLAY=boolean-laws-test-absent"};
    }
    void one_line_and_exit_code_one() {
        QFETCH(QStringList, environment);
        QVERIFY2(!QFile::exists(QStringLiteral("/tmp/.X11-unix/X97")), "an X server runs on display 97");
        const Run run = start(environment);
        QVERIFY2(run.finished, "the program hung");
        QCOMPARE(run.status, QProcess::NormalExit); // a signal would mean a crash and a core dump
        QCOMPARE(run.exitCode, 1);
        QCOMPARE(run.out, QByteArray());
        QVERIFY2(run.err.count('\n') == 1 && run.err.endsWith('\n'), run.err.constData());
        QVERIFY2(run.err.contains("(no display)") && run.err.contains("xvfb-run -a "), run.err.constData());
    }

    // A platform that is mistyped or cannot load is not a missing display:
    // Qt's own words name the fault, and the exit is still a plain 1.
    void other_platform_failures_keep_qts_words_data() {
        QTest::addColumn<QStringList>("environment");
        QTest::addColumn<QByteArray>("named"); // what Qt's message must name
        QTest::newRow("mistyped platform")
            << QStringList{"QT_QPA_PLATFORM=xbc", "DISPLAY=:97"} << QByteArray("xbc");
        QTest::newRow("platform of another system")
            << QStringList{"QT_QPA_PLATFORM=cocoa"} << QByteArray("cocoa");
    }
    void other_platform_failures_keep_qts_words() {
        QFETCH(QStringList, environment);
        QFETCH(QByteArray, named);
        const Run run = start(environment);
        QVERIFY2(run.finished, "the program hung");
        QCOMPARE(run.status, QProcess::NormalExit);
        QCOMPARE(run.exitCode, 1);
        QVERIFY2(!run.err.contains("(no display)"), run.err.constData());
        QVERIFY2(run.err.contains(named) && run.err.contains("platform plugin"), run.err.constData());
    }
};

QTEST_GUILESS_MAIN(NoDisplayTest)
#include "no_display_test.moc"
