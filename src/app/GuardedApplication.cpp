#include "app/GuardedApplication.h"

#include <QMetaObject>

#include <exception>

namespace fiscalia {

namespace {

std::function<void(const QString&)>& handler()
{
    static std::function<void(const QString&)> current;
    return current;
}

} // namespace

GuardedApplication::GuardedApplication(int& argc, char** argv) : QApplication(argc, argv) {}

GuardedApplication::~GuardedApplication()
{
    handler() = nullptr;
}

void GuardedApplication::setHandler(std::function<void(const QString&)> newHandler)
{
    handler() = std::move(newHandler);
}

bool GuardedApplication::notify(QObject* receiver, QEvent* event)
{
    try {
        return QApplication::notify(receiver, event);
    } catch (const std::exception& error) {
        escaped(QString::fromLocal8Bit(error.what()));
    } catch (...) {
        escaped(QStringLiteral("unknown error"));
    }
    return false;
}

void GuardedApplication::escaped(const QString& what)
{
    qWarning("An event handler failed: %s", qPrintable(what));
    // The message is shown once the failed event is over, not from inside a
    // paint or focus change.
    QMetaObject::invokeMethod(
        this,
        [what] {
            if (handler())
                handler()(what);
        },
        Qt::QueuedConnection);
}

} // namespace fiscalia
