#include "app/MDIContainer.h"

#include "app/app_state.h"
#include "app/ChangeFnt.h"
#include "app/GuardedApplication.h"
#include "app/HelpViewer.h"
#include "app/MenuMain.h"
#include "app/QtDialogs.h"
#include "app/SettingsStore.h"
#include "app/ToolWindow.h"
#include "app/QtText.h"
#include "app/WindowLayout.h"

#include <QApplication>
#include <QCloseEvent>
#include <QDate>
#include <QDir>
#include <QFileInfo>
#include <QIcon>
#include <QKeyEvent>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QAbstractButton>
#include <QPushButton>
#include <QScreen>
#include <QSignalBlocker>
#include <QThread>

#include <functional>

namespace fiscalia {

namespace {

// The program's icon, drawn at each size the desktop asks for.
QIcon programIcon()
{
    QIcon icon;
    for (int size : {16, 32, 48, 64, 128, 256})
        icon.addFile(QStringLiteral(":/fiscalia/icons/fiscalia-%1.png").arg(size), QSize(size, size));
    return icon;
}

// A window inside the frame. It has no border of its own (the frame's
// caption names it) and closes only when the program closes it.
class FrameChild : public QMdiSubWindow {
public:
    // Runs when the window grew for its contents.
    std::function<void(QMdiSubWindow*)> grown;

    explicit FrameChild(QWidget* parent) : QMdiSubWindow(parent, Qt::FramelessWindowHint)
    {
        setSystemMenu(nullptr);
        setOption(QMdiSubWindow::RubberBandMove, false);
    }

protected:
    void closeEvent(QCloseEvent* event) override
    {
        event->ignore(); // Ctrl+F4 and the like must not unload a window
    }

    bool event(QEvent* event) override
    {
        const bool done = QMdiSubWindow::event(event);
        // A window whose contents need more room (a figure too wide for its
        // field) grows rather than squeeze them.
        if (event->type() == QEvent::LayoutRequest && widget()) {
            const QSize needed = size().expandedTo(minimumSizeHint());
            if (needed != size()) {
                resize(needed);
                if (grown)
                    grown(this);
            }
        }
        return done;
    }
};

} // namespace

MDIContainer::MDIContainer(StartOptions options)
    : state_(std::make_unique<AppState>()), options_(std::move(options))
{
    setObjectName(QStringLiteral("MDIContainer"));
    setWindowIcon(programIcon());
    if (options_.dialogs) {
        dialogs_ = options_.dialogs;
    } else {
        ownDialogs_ = std::make_unique<QtDialogs>(*state_, this, dataDir());
        dialogs_ = ownDialogs_.get();
    }
    store_ = std::make_unique<SettingsStore>(options_.settingsBesideProgram ? options_.programDir : QString(),
                                             options_.configDir);
    state_->Symbols = localeNumberSymbols();

    area_ = new QMdiArea(this);
    area_->setObjectName(QStringLiteral("FrameArea"));
    area_->setBackground(QColor(0x5f, 0x7f, 0x9f));
    // Windows stand a little above and left of the area's corner so that
    // their edges meet the frame; that must not bring up scroll bars.
    area_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    area_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setCentralWidget(area_);
    connect(area_, &QMdiArea::subWindowActivated, this, [this](QMdiSubWindow* sub) {
        if (sub)
            placeWindow(sub);
    });

    // Loading the Menu window: caption, the folder of the help files, the
    // settings, today's date; then the Menu is shown.
    menu_ = new MenuMain(*state_);
    setFrameCaption(QStringLiteral(" Fiscalia Menu"));
    if (options_.changeDirectory)
        QDir::setCurrent(dataDir()); // a failure leaves the current folder
    loadSettings();
    menu_->showUserName();
    state_->TodayText = ss(toShortDate(QDate::currentDate()));
    menu_->showToday();

    auto* menuWindow = new FrameChild(area_);
    menuWindow->setWidget(menu_);
    area_->addSubWindow(menuWindow);
    menuWindow_ = menuWindow;
    connect(menu_, &MenuMain::toolRequested, this, &MDIContainer::openTool);
    connect(menu_, &MenuMain::settingsRequested, this, &MDIContainer::openSettings);
    connect(menu_, &MenuMain::helpRequested, this, &MDIContainer::openHelp);
    connect(menu_, &MenuMain::exitRequested, this, &QWidget::close);
    showMenu();

    move(0, 0);
    resize(twipsToPixels(FrameStartWidth), twipsToPixels(FrameStartHeight));
    setMinimumSize(320, 240);

    qApp->installEventFilter(this);
    installAccessibleNames();
    // The last resort: a failure that escaped an event handler is reported
    // as a wrong entry, and the program goes on.
    GuardedApplication::setHandler([this](const QString&) {
        QApplication::restoreOverrideCursor();
        dialogs_->message(3);
    });
}

MDIContainer::~MDIContainer()
{
    GuardedApplication::setHandler(nullptr);
    qApp->removeEventFilter(this);
    // The windows go first: they hold the program's state and dialogs, which
    // go with this frame's members.
    delete area_;
    area_ = nullptr;
    menu_ = nullptr;
    menuWindow_ = nullptr;
    delete helpViewer_;
    helpViewer_ = nullptr;
}

void MDIContainer::loadSettings()
{
    PersonalSettings settings;
    settings.currencySymbol.clear();
    if (!store_->load(settings))
        state_->PageLines = 53;
    state_->CurrencySymbol = settings.currencySymbol.empty() ? "$" : settings.currencySymbol;
    state_->PrintFontChoice = settings.printFontChoice;
    state_->UserName = settings.userName;
}

ToolWindow* MDIContainer::activeTool() const
{
    for (QMdiSubWindow* sub : area_->subWindowList()) {
        if (auto* tool = qobject_cast<ToolWindow*>(sub->widget()); tool && sub->isVisible())
            return tool;
    }
    return nullptr;
}

void MDIContainer::closeEvent(QCloseEvent* event)
{
    for (QMdiSubWindow* sub : area_->subWindowList()) {
        if (auto* tool = qobject_cast<ToolWindow*>(sub->widget()); tool && !tool->mayClose()) {
            event->ignore();
            return;
        }
    }
    QMainWindow::closeEvent(event);
}

void MDIContainer::openTool(Tool tool)
{
    hideWindow(menu_);
    ToolWindow* window = createToolWindow(tool, ToolContext{*state_, *dialogs_, *this});
    showWindow(window);
}

void MDIContainer::openSettings()
{
    hideWindow(menu_);
    setFrameCaption(QStringLiteral(" Personalize"));
    ChangeFnt settings(*state_, *dialogs_, *store_, this);
    dialogs_->runModal(settings, DialogPlace::Settings);
    if (!settings.saved())
        dialogs_->notice(tr("Your settings could not be saved, so they last only until Fiscalia ends. Tried: %1.")
                             .arg(settings.saveFailure()));
    menu_->showUserName();
    setFrameCaption(QStringLiteral(" Fiscalia Menu"));
    showMenu();
}

void MDIContainer::setFrameCaption(const QString& caption)
{
    setWindowTitle(caption);
}

QMdiSubWindow* MDIContainer::subWindowOf(QWidget* window) const
{
    for (QWidget* w = window; w; w = w->parentWidget())
        if (auto* sub = qobject_cast<QMdiSubWindow*>(w))
            return sub;
    return nullptr;
}

void MDIContainer::showWindow(QWidget* window)
{
    QMdiSubWindow* sub = subWindowOf(window);
    // An unloaded window (its action finishing after Exit) is not shown
    // again: it would come back as a stray window outside the frame.
    if (sub && sub->mdiArea() != area_)
        return;
    if (!sub) {
        auto* child = new FrameChild(area_);
        child->grown = [this](QMdiSubWindow* grownWindow) { makeRoomFor(grownWindow); };
        child->setWidget(window);
        area_->addSubWindow(child);
        sub = child;
    }
    // A window covers at least the frame's area at its start size.
    const QSize least(twipsToPixels(FrameStartWidth + 40), twipsToPixels(FrameStartHeight + 30));
    sub->resize(window->minimumSizeHint().expandedTo(least));
    sub->show();
    area_->setActiveSubWindow(sub);
    placeWindow(sub);
    makeRoomFor(sub);
    // The keyboard goes to the control the window last had (or chose), else
    // to its first control: typing starts at once.
    QWidget* target = window->focusWidget();
    if (!target || target == window || !target->isVisibleTo(window)) {
        target = nullptr;
        for (QWidget* w = window->nextInFocusChain(); w && w != window; w = w->nextInFocusChain()) {
            if (window->isAncestorOf(w) && (w->focusPolicy() & Qt::TabFocus) && w->isVisibleTo(window)
                && w->isEnabled()) {
                target = w;
                break;
            }
        }
    }
    (target ? target : window)->setFocus(Qt::OtherFocusReason);
}

void MDIContainer::makeRoomFor(QMdiSubWindow* sub)
{
    // The frame grows, as far as the screen allows, to show the whole window.
    const QRect shown = sub->geometry();
    const QSize missing(std::max(0, shown.right() + 1 - area_->viewport()->width()),
                        std::max(0, shown.bottom() + 1 - area_->viewport()->height()));
    if (missing.width() == 0 && missing.height() == 0)
        return;
    QSize wanted = size() + missing;
    if (const QScreen* screen = this->screen())
        wanted = wanted.boundedTo(screen->availableGeometry().size() - (frameGeometry().size() - size()));
    if (wanted != size())
        resize(wanted);
}

void MDIContainer::hideWindow(QWidget* window)
{
    if (QMdiSubWindow* sub = subWindowOf(window))
        sub->hide();
}

void MDIContainer::unloadWindow(QWidget* window)
{
    if (auto* sub = dynamic_cast<FrameChild*>(subWindowOf(window))) {
        // Out of the frame at once; deleted, with its window, once the event
        // that unloads it is done.
        sub->hide();
        area_->removeSubWindow(sub);
        sub->deleteLater();
    }
}

void MDIContainer::showMenu()
{
    showWindow(menu_);
    menu_->button(QStringLiteral("Canadian"))->setFocus();
}

void MDIContainer::placeWindow(QMdiSubWindow* sub)
{
    const TwipsPoint place = sub == menuWindow_ ? menuWindowPlace(state_->FrameSize)
                                                : toolWindowPlace(state_->FrameSize);
    const QPoint at(twipsToPixels(place.left), twipsToPixels(place.top));
    sub->move(at);
    if (sub != menuWindow_ && sub->widget()) {
        // A tool window fills the frame from its place, so a larger frame
        // shows more of its grid.
        const QSize least(twipsToPixels(FrameStartWidth + 40), twipsToPixels(FrameStartHeight + 30));
        const QSize room(area_->viewport()->width() - at.x(), area_->viewport()->height() - at.y());
        sub->resize(room.expandedTo(sub->widget()->minimumSizeHint()).expandedTo(least));
    }
}

void MDIContainer::resizeEvent(QResizeEvent* event)
{
    QMainWindow::resizeEvent(event);
    state_->FrameSize = frameSizeFor(frameGeometry().height() * TwipsPerPixel);
    if (QMdiSubWindow* active = area_->activeSubWindow())
        placeWindow(active);
}

QString MDIContainer::dataDir() const
{
    return options_.dataDir.isEmpty() ? options_.programDir : options_.dataDir;
}

QString MDIContainer::dataFile(const QString& name) const
{
    // Relative names are taken from the current folder, which start-up made
    // the data folder; the data folder itself is the fallback.
    const QString current = QDir::current().filePath(name);
    if (QFileInfo::exists(current))
        return current;
    return QDir(dataDir()).filePath(name);
}

void MDIContainer::openHelp(const QString& fileName, int context)
{
    const QString path = dataFile(fileName);
    if (!QFileInfo::exists(path)) {
        dialogs_->notice(tr("The help file %1 was not found in the program's data folder (%2).")
                             .arg(fileName, QDir::toNativeSeparators(dataDir())));
        return;
    }
    // Over a modal window the help opens as that window's own child, so it
    // can be read and closed while the modal window waits.
    QWidget* modal = QApplication::activeModalWidget();
    HelpViewer* viewer = nullptr;
    if (modal) {
        viewer = new HelpViewer(modal);
        viewer->setAttribute(Qt::WA_DeleteOnClose);
    } else {
        if (!helpViewer_)
            helpViewer_ = new HelpViewer(this);
        viewer = helpViewer_;
    }
    if (!viewer->openAt(path, context)) {
        dialogs_->notice(tr("The help file %1 could not be read.").arg(QDir::toNativeSeparators(path)));
        return;
    }
    viewer->show();
    viewer->raise();
    viewer->activateWindow();
}

bool clickHeldByModal(const QObject* receiver, const QEvent* event)
{
    if (event->type() != QEvent::Timer)
        return false;
    const auto* button = qobject_cast<const QAbstractButton*>(receiver);
    if (!button)
        return false;
    const QWidget* modal = QApplication::activeModalWidget();
    // A modal window that has just closed may still be finishing its event
    // loop, the action that opened it not yet resumed: held back too.
    if (!modal)
        return QThread::currentThread()->loopLevel() > 1;
    // The modal window's own buttons, and those of a window over it (its
    // help), go on working.
    for (const QWidget* window = button->window(); window; window = window->parentWidget()) {
        if (window == modal)
            return false;
    }
    return true;
}

bool clickOfHiddenButton(const QObject* receiver, const QEvent* event)
{
    if (event->type() != QEvent::Timer)
        return false;
    const auto* button = qobject_cast<const QAbstractButton*>(receiver);
    return button && !button->isVisible();
}

bool MDIContainer::eventFilter(QObject* watched, QEvent* event)
{
    // The button's timer still runs out, so that the button comes up again,
    // but no one hears its click.
    if (clickOfHiddenButton(watched, event)) {
        const QSignalBlocker quiet(watched);
        static_cast<QObject*>(watched)->event(event);
        return true;
    }
    // The button's timer fires again, so the click happens once the modal
    // window has closed.
    if (clickHeldByModal(watched, event))
        return true;
    if (event->type() == QEvent::KeyPress && static_cast<QKeyEvent*>(event)->key() == Qt::Key_F1
        && watched->isWidgetType()) {
        auto* widget = static_cast<QWidget*>(watched);
        if (widget->window() == this || widget->window() == QApplication::activeModalWidget()) {
            QWidget* focus = QApplication::focusWidget();
            openHelp(QString::fromLatin1(ApplicationHelpFile), helpContextOf(focus ? focus : widget));
            return true;
        }
    }
    return QMainWindow::eventFilter(watched, event);
}

} // namespace fiscalia
