#pragma once

#include <QObject>

class QSocketNotifier;

// Turns SIGTERM and SIGINT into a close of the home screen, so the program ends through its
// normal shutdown and the display is always put back.
class ShutdownSignals final : public QObject {
    Q_OBJECT
public:
    explicit ShutdownSignals(QObject* parent = nullptr);
    ~ShutdownSignals() override;

signals:
    void shutdownRequested();

private:
    void OnSignal();
    QSocketNotifier* notifier_ = nullptr;
};
