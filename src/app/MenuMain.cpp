#include "app/MenuMain.h"

#include "app/app_state.h"
#include "app/HelpViewer.h"
#include "app/QtText.h"

#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace fiscalia {

MenuMain::MenuMain(AppState& state, QWidget* parent) : QWidget(parent), state_(state)
{
    setObjectName(QStringLiteral("MenuMain"));
    setWindowTitle(QStringLiteral("Fiscalia Menu"));
    setHelpContext(this, HelpTopic::Menu);
    setAutoFillBackground(true);

    auto* title = new QLabel(QStringLiteral("Fiscalia"), this);
    title->setObjectName(QStringLiteral("Label2"));
    QFont titleFont(QStringLiteral("MS Serif"));
    titleFont.setStyleHint(QFont::Serif);
    titleFont.setPointSize(30);
    titleFont.setBold(true);
    titleFont.setItalic(true);
    title->setFont(titleFont);
    title->setAlignment(Qt::AlignCenter);
    QPalette titlePalette = title->palette();
    titlePalette.setColor(QPalette::WindowText, QColor(0x1f, 0x4e, 0x79));
    title->setPalette(titlePalette);

    auto* subtitle = new QLabel(tr("Personal finance calculators and Investment Manager"), this);
    subtitle->setAlignment(Qt::AlignCenter);

    myName_ = new QLabel(this);
    myName_->setObjectName(QStringLiteral("MyName"));
    QFont nameFont = myName_->font();
    nameFont.setPointSizeF(nameFont.pointSizeF() * 1.25);
    nameFont.setBold(true);
    myName_->setFont(nameFont);
    myName_->setAlignment(Qt::AlignCenter);

    auto* rule = new QFrame(this);
    rule->setFrameShape(QFrame::HLine);
    rule->setFrameShadow(QFrame::Sunken);

    struct Entry {
        const char* name;
        const char* caption;
    };
    static constexpr Entry Left[] = {
        {"Canadian", "&Mortgages"},
        {"LoanPmt", "&Payment on a Loan"},
        {"Savings", "Planning your &Savings"},
        {"SavingComp", "Sa&vings Comparisons"},
        {"Plan401K", "Planning your &401(k)"},
        {"Retirement", "Planning your &Retirement"},
        {"HowMuch", "Amount of &Capital Required"},
    };
    static constexpr Entry Right[] = {
        {"Compound", "&Find Annual Compound Growth"},
        {"NetWorth", "&Net Worth"},
        {"Manager", "&Investment Manager"},
        {"InitCurrFont", "Persona&lize Settings"},
        {"HowTo", "&How to Use the Program"},
        {"Getrich", "How to &Get Rich and Stay Rich"},
        {"ExitButten", "E&xit Fiscalia"},
    };
    auto* grid = new QGridLayout;
    grid->setHorizontalSpacing(18);
    grid->setVerticalSpacing(6);
    grid->setColumnStretch(0, 1);
    grid->setColumnStretch(1, 1);
    for (int i = 0; i < 7; ++i) {
        grid->addWidget(addButton(Left[i].name, Left[i].caption), i, 0);
        grid->addWidget(addButton(Right[i].name, Right[i].caption), i, 1);
    }

    auto open = [this](const char* name, Tool tool, auto setMode) {
        connect(button(QString::fromLatin1(name)), &QPushButton::clicked, this, [this, tool, setMode] {
            setMode(state_);
            emit toolRequested(tool);
        });
    };
    auto noMode = [](AppState&) {};
    open("Canadian", Tool::Mortgage, [](AppState& s) { s.LoanMode = 1; });
    open("LoanPmt", Tool::Loan, [](AppState& s) { s.LoanMode = 2; });
    open("Savings", Tool::Savings, [](AppState& s) { s.ToolMode = 1; });
    open("SavingComp", Tool::SavingsComparisons, [](AppState& s) { s.ToolMode = 2; });
    open("Plan401K", Tool::Plan401K, noMode);
    open("Retirement", Tool::Retirement, noMode);
    open("HowMuch", Tool::CapitalRequired, noMode);
    open("Compound", Tool::CompoundGrowth, noMode);
    open("NetWorth", Tool::NetWorth, noMode);
    open("Manager", Tool::InvestmentManager, noMode);
    connect(button(QStringLiteral("InitCurrFont")), &QPushButton::clicked, this, &MenuMain::settingsRequested);
    connect(button(QStringLiteral("HowTo")), &QPushButton::clicked, this,
            [this] { emit helpRequested(QString::fromLatin1(ApplicationHelpFile), 2); });
    connect(button(QStringLiteral("Getrich")), &QPushButton::clicked, this,
            [this] { emit helpRequested(QString::fromLatin1(GetRichHelpFile), 1); });
    connect(button(QStringLiteral("ExitButten")), &QPushButton::clicked, this, &MenuMain::exitRequested);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(36, 18, 36, 22);
    layout->addWidget(title);
    layout->addWidget(subtitle);
    layout->addSpacing(4);
    layout->addWidget(myName_);
    layout->addSpacing(4);
    layout->addWidget(rule);
    layout->addSpacing(10);
    layout->addLayout(grid);
    layout->addStretch();
    today_ = new QLabel(this);
    today_->setObjectName(QStringLiteral("Today"));
    auto* hint = new QLabel(tr("Press F1 in any window for help."), this);
    auto* footer = new QHBoxLayout;
    footer->addWidget(hint);
    footer->addStretch();
    footer->addWidget(today_);
    layout->addLayout(footer);

    showUserName();
    button(QStringLiteral("Canadian"))->setFocus();
}

QPushButton* MenuMain::addButton(const char* name, const char* caption)
{
    auto* b = new QPushButton(QString::fromLatin1(caption), this);
    b->setObjectName(QString::fromLatin1(name));
    b->setMinimumHeight(30);
    b->setMinimumWidth(250);
    b->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    b->setAutoDefault(true);
    return b;
}

QPushButton* MenuMain::button(const QString& objectName) const
{
    return findChild<QPushButton*>(objectName);
}

void MenuMain::showToday()
{
    today_->setText(tr("Today: %1").arg(qs(state_.TodayText)));
}

void MenuMain::showUserName()
{
    myName_->setText(qs(state_.UserName));
    myName_->setVisible(!state_.UserName.empty());
}

} // namespace fiscalia
