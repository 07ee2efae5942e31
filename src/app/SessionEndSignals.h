#pragma once

#include <QObject>

class QSocketNotifier;

// Turns the signals that end a session without a session manager (SIGTERM from logout or kill,
// SIGHUP from a closed terminal, SIGINT from Ctrl+C) into a Qt signal delivered by the event
// loop. The handler itself only writes one byte into a pipe, which is all a signal handler may
// safely do; everything else happens in the normal flow of the program. One instance at a time.
class SessionEndSignals : public QObject {
    Q_OBJECT

  public:
    explicit SessionEndSignals(QObject* parent = nullptr);
    // Gives the three signals back their default action.
    ~SessionEndSignals() override;

  signals:
    void received(int intSignal);

  private:
    void readPending();

    QSocketNotifier* notifier = nullptr;
};
