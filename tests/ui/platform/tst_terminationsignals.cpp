// SPDX-License-Identifier: GPL-3.0-or-later
// SIGTERM, SIGHUP and SIGINT reach the event loop as one request each time
// the handlers are installed, and the second signal finds its old action.
#include <QSignalSpy>
#include <QtTest>
#include <csignal>

#include "platform/terminationsignals.h"

class TestTerminationSignals : public QObject {
  Q_OBJECT

 private slots:
  void eachSignalBecomesOneRequest_data() {
    QTest::addColumn<int>("signalNumber");
    QTest::newRow("SIGTERM") << SIGTERM;
    QTest::newRow("SIGHUP") << SIGHUP;
    QTest::newRow("SIGINT") << SIGINT;
  }

  void eachSignalBecomesOneRequest() {
    QFETCH(int, signalNumber);
    // A stand-in for the default action, so the test survives the second signal.
    static int s_later = 0;
    s_later = 0;
    struct sigaction counting {}, old {};
    counting.sa_handler = [](int n) { s_later = n; };
    sigemptyset(&counting.sa_mask);
    ::sigaction(signalNumber, &counting, &old);
    {
      TTerminationSignals termination;
      QSignalSpy requested(&termination, &TTerminationSignals::Requested);
      ::raise(signalNumber);
      ::raise(signalNumber);  // before the loop reads: still one request
      QTRY_COMPARE(requested.count(), 1);
      QCOMPARE(requested.at(0).at(0).toInt(), signalNumber);
      QCOMPARE(s_later, 0);
      ::raise(signalNumber);  // after the request: the action from before
      QCOMPARE(s_later, signalNumber);
      QTest::qWait(50);
      QCOMPARE(requested.count(), 1);
    }
    ::sigaction(signalNumber, &old, nullptr);
  }
};

QTEST_MAIN(TestTerminationSignals)
#include "tst_terminationsignals.moc"
