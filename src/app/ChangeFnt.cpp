#include "app/ChangeFnt.h"

#include "app/app_state.h"
#include "app/Dialogs.h"
#include "app/GreenBox.h"
#include "app/HelpViewer.h"
#include "app/personal_settings.h"
#include "app/SettingsStore.h"
#include "app/QtText.h"

#include <QApplication>
#include <QButtonGroup>
#include <QClipboard>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace fiscalia {

CurrencySymbolBox::CurrencySymbolBox(AppState& state, Dialogs& dialogs, QWidget* parent)
    : TextBox(parent), state_(state)
{
    makeGreen(this);
    setFirstKeyReplaces(&state_.EditFlag);
    maxChars = CurrencySymbolMaxChars;
    beep = [&dialogs] { dialogs.beep(); };
}

bool CurrencySymbolBox::acceptsText(const QString& candidate, bool) const
{
    const auto codePoints = candidate.toUcs4();
    if (codePoints.size() > CurrencySymbolMaxChars)
        return false;
    return std::all_of(codePoints.begin(), codePoints.end(),
                       [](char32_t c) { return isAcceptableSymbolCharacter(c); });
}

void CurrencySymbolBox::mousePressEvent(QMouseEvent* event)
{
    // Clicking into the box starts a new symbol.
    clear();
    state_.EditFlag = 1;
    TextBox::mousePressEvent(event);
}

void CurrencySymbolBox::focusOutEvent(QFocusEvent* event)
{
    TextBox::focusOutEvent(event);
    if (sameVisit(event->reason()))
        return;
    if (state_.EditFlag == 1) {
        setText(qs(fitCurrencySymbol(ss(text()))));
        state_.EditFlag = 0;
    }
}

NameBox::NameBox(AppState& state, QWidget* parent) : TextBox(parent), state_(state)
{
    makeGreen(this);
}

void NameBox::focusOutEvent(QFocusEvent* event)
{
    TextBox::focusOutEvent(event);
    state_.UserName = ss(text());
}

ChangeFnt::ChangeFnt(AppState& state, Dialogs& dialogs, const SettingsStore& store, QWidget* parent)
    : QDialog(parent), state_(state), store_(store)
{
    setObjectName(QStringLiteral("ChangeFnt"));
    setWindowTitle(QStringLiteral("Personalize"));
    setHelpContext(this, HelpTopic::Settings);

    name_ = new NameBox(state, this);
    name_->setObjectName(QStringLiteral("InMyName"));
    name_->setText(qs(state.UserName));
    name_->setMinimumWidth(name_->fontMetrics().averageCharWidth() * 32);
    auto* nameLabel = new QLabel(QStringLiteral("Type in your name"), this);
    nameLabel->setObjectName(QStringLiteral("Label3"));
    nameLabel->setBuddy(name_);

    currency_ = new CurrencySymbolBox(state, dialogs, this);
    currency_->setObjectName(QStringLiteral("InCurrency"));
    currency_->setText(qs(state.CurrencySymbol));
    currency_->setFixedWidth(currency_->fontMetrics().averageCharWidth() * 6 + 12);
    currency_->setAlignment(Qt::AlignRight);
    auto* currencyLabel = new QLabel(QStringLiteral("  Change Currency Symbol."), this);
    currencyLabel->setObjectName(QStringLiteral("Label2"));
    currencyLabel->setBuddy(currency_);

    auto* fonts = new QGroupBox(QStringLiteral("Change Printer Font"), this);
    auto* fontLayout = new QVBoxLayout(fonts);
    auto* group = new QButtonGroup(this);
    static constexpr const char* FontCaptions[] = {"Standard Printer Font", "Courier New 10 point font",
                                                   "Courier New 11 point font", "Courier New 12 point font"};
    for (int i = 0; i < 4; ++i) {
        auto* option = new QRadioButton(QString::fromLatin1(FontCaptions[i]), fonts);
        option->setObjectName(QStringLiteral("PtrFt%1").arg(i));
        option->setChecked(i == state.PrintFontChoice);
        group->addButton(option, i);
        fontLayout->addWidget(option);
    }
    // The option that becomes checked is the choice, however it was checked
    // (mouse, arrow keys, a screen reader).
    connect(group, &QButtonGroup::idToggled, this, [this](int id, bool checked) {
        if (checked)
            state_.PrintFontChoice = id;
    });

    auto* exit = new QPushButton(QStringLiteral("E&xit to Menu"), this);
    exit->setObjectName(QStringLiteral("ExitFonts"));
    exit->setAutoDefault(false);
    connect(exit, &QPushButton::clicked, this, &QDialog::accept);

    currency_->next = name_;
    name_->next = exit;

    auto* form = new QFormLayout;
    form->addRow(nameLabel, name_);
    form->addRow(currencyLabel, currency_);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(exit);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(fonts);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    state_.EditFlag = 0;
    name_->setFocus();
}

void ChangeFnt::exitToMenu()
{
    if (exited_)
        return;
    exited_ = true;
    // The boxes store what they hold, as leaving them would.
    state_.UserName = ss(name_->text());
    if (state_.EditFlag == 1)
        currency_->setText(qs(fitCurrencySymbol(ss(currency_->text()))));
    state_.EditFlag = 0;
    state_.CurrencySymbol = ss(currency_->text().trimmed());
    if (state_.CurrencySymbol.empty())
        state_.CurrencySymbol = std::string(1, '$'); // as the next start would read it
    const Result<void> saved = store_.save({state_.CurrencySymbol, state_.PrintFontChoice, state_.UserName});
    saved_ = saved.ok();
    if (!saved)
        saveFailure_ = qs(saved.reason());
}

void ChangeFnt::done(int result)
{
    // Every way out (the button, Escape, the window's close box) keeps the
    // settings, as the only way out of the original window did.
    exitToMenu();
    QDialog::done(result);
}

} // namespace fiscalia
