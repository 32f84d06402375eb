#include "app/HelpViewer.h"

#include "app/QtText.h"
#include "app/safe_read.h"

#include <QFile>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QPushButton>
#include <QScrollBar>
#include <QTextBrowser>
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

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(contents);
    buttons->addWidget(back);
    buttons->addStretch();
    buttons->addWidget(close);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(buttons);
    layout->addWidget(browser_);
    resize(620, 560);
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
