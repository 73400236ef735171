#include <QProcess>
#include <QtTest>

// The process ends with the status decided by the event loop even when
// tearing Qt down never returns; a teardown that returns ends it as usual.
class ExitDeadlineTest : public QObject {
    Q_OBJECT

private slots:
    void endsWithItsStatus_data();
    void endsWithItsStatus();
};

void ExitDeadlineTest::endsWithItsStatus_data()
{
    QTest::addColumn<QString>("teardown");
    QTest::addColumn<int>("status");
    QTest::newRow("teardown returns: main's own status") << "return" << 5;
    QTest::newRow("teardown never returns: the decided status") << "hang" << 7;
}

void ExitDeadlineTest::endsWithItsStatus()
{
    QFETCH(QString, teardown);
    QFETCH(int, status);

    QProcess probe;
    probe.start(QStringLiteral(EXIT_DEADLINE_PROBE), {teardown});
    QVERIFY2(probe.waitForStarted(), qPrintable(probe.errorString()));
    // Generous: the bound is 200 ms, but a busy machine may be slow to run it.
    const bool ended = probe.waitForFinished(60000);
    if (!ended)
        probe.kill();
    QVERIFY2(ended, "the process outlived its deadline");
    QCOMPARE(probe.exitStatus(), QProcess::NormalExit);
    QCOMPARE(probe.exitCode(), status);
}

QTEST_GUILESS_MAIN(ExitDeadlineTest)
#include "tst_exitdeadline.moc"
