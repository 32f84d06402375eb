#pragma once
#include <QApplication>

#include <functional>

namespace fiscalia {

// The application object with the last-resort guard: an exception that
// escapes any event handler is caught here instead of ending the program.
// The handler (the frame shows message 3) runs once the event is done, and
// the program goes on.
class GuardedApplication : public QApplication {
    Q_OBJECT
public:
    GuardedApplication(int& argc, char** argv);
    ~GuardedApplication() override;

    bool notify(QObject* receiver, QEvent* event) override;

    // What to do about an escaped exception (its text); none: only logged.
    static void setHandler(std::function<void(const QString&)> handler);

private:
    void escaped(const QString& what);
};

} // namespace fiscalia
