#pragma once
// One copy of the program per desktop session: the first copy listens on a
// local socket; a later copy asks it to raise its window and stops.

#include <QObject>
#include <QString>

class QLocalServer;

class SingleInstance : public QObject {
    Q_OBJECT
public:
    explicit SingleInstance(const QString& name, QObject* parent = nullptr);
    ~SingleInstance() override;

    // False when another copy answered; it has then been asked to come forward.
    bool IsFirst() const { return first_; }

    // The socket name for this user's desktop session (runtime folder and display).
    static QString DefaultName();

signals:
    void RaiseRequested();

private:
    bool first_ = true;
    QLocalServer* server_ = nullptr;
};
