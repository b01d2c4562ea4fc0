#pragma once

#include <QObject>

class QSocketNotifier;

namespace quintaro {

// Turns SIGTERM, SIGHUP and SIGINT into a signal of the event loop, so that a logout, a
// closed terminal or Ctrl+C ends the program as closing its window does. A second one
// while the first is handled ends the process at once. One object per process.
class ShutdownSignals : public QObject {
    Q_OBJECT
public:
    explicit ShutdownSignals(QObject* parent = nullptr);
    ~ShutdownSignals() override;

Q_SIGNALS:
    void received(int signal);

private:
    void readSignal();

    QSocketNotifier* m_notifier = nullptr;
};

} // namespace quintaro
