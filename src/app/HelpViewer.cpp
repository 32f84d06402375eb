#include "app/HelpViewer.h"

#include "app/QtText.h"
#include "app/safe_read.h"

#include <QFile>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QScrollBar>
#include <QSplitter>
#include <QTextBlock>
#include <QTextBrowser>
#include <QTextDocument>
#include <QUrl>
#include <QVBoxLayout>

namespace fiscalia {

void setHelpContext(QWidget* window, int context)
{
    window->setProperty(HelpContextProperty, context);
}

int helpContextOf(const QWidget* widget)
{
    for (const QWidget* w = widget; w; w = w->parentWidget()) {
        const QVariant context = w->property(HelpContextProperty);
        if (context.isValid())
            return context.toInt();
    }
    return HelpTopic::Menu;
}

HelpViewer::HelpViewer(QWidget* parent) : QWidget(parent, Qt::Window)
{
    setObjectName(QStringLiteral("HelpViewer"));
    browser_ = new QTextBrowser(this);
    browser_->setObjectName(QStringLiteral("HelpText"));
    browser_->setOpenLinks(true);
    browser_->setOpenExternalLinks(false);

    auto* contents = new QPushButton(tr("&Contents"), this);
    auto* back = new QPushButton(tr("&Back"), this);
    auto* close = new QPushButton(tr("&Close"), this);
    back->setEnabled(false);
    connect(browser_, &QTextBrowser::backwardAvailable, back, &QPushButton::setEnabled);
    connect(back, &QPushButton::clicked, browser_, &QTextBrowser::backward);
    connect(contents, &QPushButton::clicked, this, [this] { openAt(file_, 0); });
    connect(close, &QPushButton::clicked, this, &QWidget::close);

    // Search: the topics holding the words, listed; choosing one (by
    // mouse or keys) shows it with the words marked.
    search_ = new QLineEdit(this);
    search_->setObjectName(QStringLiteral("HelpSearch"));
    search_->setPlaceholderText(tr("Words to find"));
    search_->setClearButtonEnabled(true);
    auto* searchLabel = new QLabel(tr("&Find:"), this);
    searchLabel->setBuddy(search_);
    search_->setAccessibleName(tr("Find in help"));
    results_ = new QListWidget(this);
    results_->setObjectName(QStringLiteral("HelpHits"));
    results_->setAccessibleName(tr("Topics found"));
    results_->hide();
    connect(search_, &QLineEdit::returnPressed, this, [this] {
        search(search_->text());
        if (!hits_.empty())
            results_->setFocus();
    });
    connect(search_, &QLineEdit::textChanged, this, [this](const QString& text) {
        if (text.trimmed().size() >= 3 || text.isEmpty())
            search(text);
    });
    connect(results_, &QListWidget::currentRowChanged, this, &HelpViewer::showHit);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(contents);
    buttons->addWidget(back);
    buttons->addSpacing(12);
    buttons->addWidget(searchLabel);
    buttons->addWidget(search_, 1);
    buttons->addWidget(close);
    auto* split = new QSplitter(Qt::Vertical, this);
    split->addWidget(results_);
    split->addWidget(browser_);
    split->setStretchFactor(1, 3);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(buttons);
    layout->addWidget(split, 1);
    resize(680, 600);
}

void HelpViewer::indexTopics()
{
    // A topic begins at the heading that holds its anchor "ctxN".
    topics_.clear();
    for (QTextBlock block = browser_->document()->begin(); block.isValid(); block = block.next()) {
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            for (const QString& name : it.fragment().charFormat().anchorNames()) {
                if (!name.startsWith(QLatin1String("ctx")))
                    continue;
                bool ok = false;
                const int context = name.mid(3).toInt(&ok);
                if (ok)
                    topics_.push_back({context, block.text().trimmed(), block.position()});
            }
        }
    }
}

std::vector<HelpViewer::Hit> HelpViewer::search(const QString& words)
{
    hits_.clear();
    searched_ = words.simplified();
    const QSignalBlocker quiet(results_);
    results_->clear();
    results_->setVisible(!searched_.isEmpty());
    if (searched_.isEmpty())
        return hits_;
    QTextDocument* document = browser_->document();
    for (QTextCursor found = document->find(searched_); !found.isNull(); found = document->find(searched_, found)) {
        // The topic the match lies in: the last one starting before it.
        const Topic* topic = nullptr;
        for (const Topic& t : topics_)
            if (t.start <= found.selectionStart())
                topic = &t;
        if (!topic)
            continue;
        if (hits_.empty() || hits_.back().context != topic->context)
            hits_.push_back({topic->context, topic->title, 0, found.selectionStart()});
        ++hits_.back().count;
    }
    for (const Hit& hit : hits_)
        results_->addItem(tr("%1 (%n found)", nullptr, hit.count).arg(hit.title));
    if (hits_.empty())
        results_->addItem(tr("\"%1\" is not in this help.").arg(searched_));
    else
        results_->setCurrentRow(0);
    showHit(hits_.empty() ? -1 : 0);
    return hits_;
}

void HelpViewer::showHit(int row)
{
    if (row < 0 || row >= static_cast<int>(hits_.size()))
        return;
    const Hit& hit = hits_[static_cast<std::size_t>(row)];
    context_ = hit.context;
    // The words marked where the topic first holds them.
    QTextCursor cursor(browser_->document());
    cursor.setPosition(hit.firstMatch);
    cursor.setPosition(hit.firstMatch + static_cast<int>(searched_.size()), QTextCursor::KeepAnchor);
    browser_->setTextCursor(cursor);
    browser_->ensureCursorVisible();
}

bool HelpViewer::openAt(const QString& path, int context)
{
    if (file_ != path) {
        // Read as every file of the program is: a regular file of bounded size.
        const Result<std::string> text = readFileSafely(ss(path));
        if (!text)
            return false;
        browser_->setSearchPaths({QFileInfo(path).absolutePath()});
        browser_->setHtml(QString::fromUtf8(text->data(), static_cast<qsizetype>(text->size())));
        file_ = path;
        indexTopics();
        if (!searched_.isEmpty())
            search(searched_);
        setWindowTitle(browser_->documentTitle().isEmpty() ? tr("Fiscalia Help") : browser_->documentTitle());
    }
    context_ = context;
    if (context > 0)
        browser_->scrollToAnchor(QStringLiteral("ctx%1").arg(context));
    else
        browser_->verticalScrollBar()->setValue(0);
    return true;
}

} // namespace fiscalia
