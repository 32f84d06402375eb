#include "app/GreenBox.h"

#include "app/app_state.h"
#include "app/calc_error.h"
#include "app/currency.h"
#include "app/Dialogs.h"
#include "app/input_filters.h"
#include "app/number_format.h"
#include "app/QtText.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QKeyEvent>
#include <QPointer>
#include <QRegularExpression>

#include <cmath>

namespace fiscalia {

namespace {

const QColor GreenBase(0x9c, 0xe6, 0x9c);

QPalette greenPalette(QPalette palette)
{
    palette.setColor(QPalette::Base, GreenBase);
    palette.setColor(QPalette::Text, Qt::black);
    palette.setColor(QPalette::Highlight, QColor(0x1f, 0x6f, 0x3f));
    palette.setColor(QPalette::HighlightedText, Qt::white);
    return palette;
}

bool classIsGreen(const char* className)
{
    return QApplication::palette(className).color(QPalette::Base) == GreenBase;
}

void makeClassGreen(const char* className)
{
    QPalette palette = greenPalette(QGuiApplication::palette());
    // Marked as nothing of its own, the palette reaches every box as this
    // one palette, not as a copy made for each box.
    palette.setResolveMask(0);
    QApplication::setPalette(palette, className);
}

// The application forgets the palettes of classes when its own palette
// changes (a new desktop theme); the green ones are given again, from the
// new palette, before the boxes hear of the change.
class GreenClasses : public QObject {
public:
    explicit GreenClasses(QObject* parent) : QObject(parent) { parent->installEventFilter(this); }

    void add(const char* className)
    {
        if (!names_.contains(className))
            names_.append(QByteArray(className));
        if (!classIsGreen(className))
            makeClassGreen(className);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (watched == parent() && event->type() == QEvent::ApplicationPaletteChange) {
            for (const QByteArray& name : std::as_const(names_))
                if (!classIsGreen(name.constData()))
                    makeClassGreen(name.constData());
        }
        return false;
    }

private:
    QList<QByteArray> names_;
};

} // namespace

void makeGreen(QWidget* box)
{
    box->setAutoFillBackground(true);
    // The boxes of a class share one palette, kept by the application for
    // the class. A palette set on each box would be a new palette for every
    // box (QWidget::setPalette always makes its own copy), and the style,
    // which keeps the pictures it draws of a combo box by palette, would
    // draw and keep new pictures for the boxes of every window opened: the
    // memory grew with each mortgage window until the cache was full, and
    // the cache's names of pictures long dropped kept growing after that.
    const char* className = box->metaObject()->className();
    if (qApp && qstrncmp(className, "fiscalia::", 10) == 0) {
        static QPointer<GreenClasses> classes;
        if (!classes)
            classes = new GreenClasses(qApp);
        classes->add(className);
        return;
    }
    // A class without a meta-object of its own here would turn its Qt base
    // class green everywhere: it gets a palette of its own.
    box->setPalette(greenPalette(box->palette()));
}

namespace {

// The longest text a number box takes: 15 whole digits (the most a slot
// holds), a sign, the point and the decimals.
constexpr int NumberBoxChars = 20;

QChar localeDecimal(const AppState& st)
{
    const QString decimal = qs(st.Symbols.decimal);
    return decimal.size() == 1 ? decimal.at(0) : QLatin1Char('.');
}

} // namespace

GreenLineEdit::GreenLineEdit(BoxHost& host, BoxSpec spec, QWidget* parent)
    : TextBox(parent), host_(host), spec_(std::move(spec))
{
    makeGreen(this);
    // Numbers stand at the right, as their right-justified texts are built.
    setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    setFirstKeyReplaces(&host_.state.EditFlag);
    maxChars = NumberBoxChars;
    beep = [this] { host_.dialogs.beep(); };
    connect(this, &QLineEdit::textChanged, this, &GreenLineEdit::fitWidth);
}

QString GreenLineEdit::formatValue(double typedValue) const
{
    const AppState& st = host_.state;
    std::string number = formatNumber(typedValue, ss(spec_.pattern), st.Symbols);
    if (spec_.currencyPrefix)
        number = st.CurrencySymbol + number;
    return qs(RightJustify(number, spec_.width)) + spec_.suffix;
}

QString GreenLineEdit::formatValue(const Currency& value) const
{
    const AppState& st = host_.state;
    std::string number = formatNumber(value, ss(spec_.pattern), st.Symbols);
    if (spec_.currencyPrefix)
        number = st.CurrencySymbol + number;
    return qs(RightJustify(number, spec_.width)) + spec_.suffix;
}

void GreenLineEdit::showStoredValue()
{
    if (spec_.slot <= 0)
        return;
    const auto& values = host_.state.InputValues;
    const Currency stored = spec_.slot < static_cast<int>(values.size()) ? values[static_cast<std::size_t>(spec_.slot)]
                                                                         : Currency();
    setText(spec_.scale == 1.0 ? formatValue(stored) : formatValue(stored.toDouble() * spec_.scale));
}

QString GreenLineEdit::numericCore(const QString& text) const
{
    const AppState& st = host_.state;
    QString core = text;
    if (!st.CurrencySymbol.empty())
        core.remove(qs(st.CurrencySymbol));
    if (!spec_.suffix.isEmpty())
        core.remove(spec_.suffix);
    const QString group = qs(st.Symbols.group);
    if (!group.isEmpty())
        core.remove(group);
    core.remove(QRegularExpression(QStringLiteral("\\s")));
    const QChar decimal = localeDecimal(st);
    if (decimal != QLatin1Char('.'))
        core.replace(decimal, QLatin1Char('.'));
    return core;
}

bool GreenLineEdit::acceptsText(const QString& candidate, bool pasted) const
{
    if (spec_.filter == KeyFilter::ListOnly)
        return false;
    const NumberRule rule{spec_.filter == KeyFilter::WholeNumber ? 0 : spec_.decimals, spec_.allowMinus, spec_.scale};
    return acceptsNumberText(ss(numericCore(candidate)), rule, pasted);
}

QChar GreenLineEdit::mapCharacter(QChar c) const
{
    if (c >= QLatin1Char('0') && c <= QLatin1Char('9'))
        return spec_.filter == KeyFilter::ListOnly ? QChar() : c;
    if (spec_.filter == KeyFilter::Decimal && (c == QLatin1Char('.') || c == localeDecimal(host_.state)))
        return localeDecimal(host_.state); // the box shows the locale's separator
    return {};
}

QString GreenLineEdit::cleanPaste(const QString& text) const
{
    // The currency symbol, the suffix, group separators and blanks go; the
    // point or the locale's decimal separator becomes the box's separator.
    QString core = numericCore(text);
    const QChar decimal = localeDecimal(host_.state);
    if (decimal != QLatin1Char('.'))
        core.replace(QLatin1Char('.'), decimal);
    return core;
}

void GreenLineEdit::startEditing()
{
    clear();
    if (host_.clearResults)
        host_.clearResults();
    host_.state.EditFlag = 1;
}

void GreenLineEdit::typeCharacter(QChar c)
{
    if (c == QLatin1Char('-') && spec_.allowMinus) {
        // A minus typed anywhere starts the value afresh as a negative one.
        startEditing();
        setText(QStringLiteral("-"));
        return;
    }
    TextBox::typeCharacter(c);
}

bool GreenLineEdit::deleteKeyPressed()
{
    if (host_.clearResults)
        host_.clearResults();
    if (!spec_.deleteEmpties)
        return false;
    clear();
    return true;
}

void GreenLineEdit::focusInEvent(QFocusEvent* event)
{
    TextBox::focusInEvent(event);
    if (spec_.selectAllOnFocus && !sameVisit(event->reason()))
        selectAll();
}

void GreenLineEdit::focusOutEvent(QFocusEvent* event)
{
    TextBox::focusOutEvent(event);
    if (!sameVisit(event->reason()) && host_.state.EditFlag == 1)
        storeTypedValue();
}

void GreenLineEdit::commit()
{
    if (host_.state.EditFlag == 1)
        storeTypedValue();
}

void GreenLineEdit::takeChosenText(const QString& itemText)
{
    setText(itemText);
    host_.state.EditFlag = 1;
    storeTypedValue();
}

void commitFocusedBox()
{
    QWidget* focus = QApplication::focusWidget();
    if (auto* box = qobject_cast<GreenLineEdit*>(focus)) {
        box->commit();
        return;
    }
    if (auto* combo = qobject_cast<GreenComboBox*>(focus); combo && combo->box())
        combo->box()->commit();
}

namespace {

// An amount rounded half away from zero to a number of decimals, as it is
// shown.
Currency roundedTo(Currency amount, int decimals)
{
    std::int64_t step = 1;
    for (int d = decimals; d < 4; ++d)
        step *= 10;
    const std::int64_t raw = amount.raw();
    std::int64_t whole = raw / step;
    const std::int64_t rest = raw % step;
    if (2 * (rest < 0 ? -rest : rest) >= step)
        whole += raw < 0 ? -1 : 1;
    return Currency::fromRaw(whole * step);
}

} // namespace

void GreenLineEdit::storeTypedValue()
{
    AppState& st = host_.state;
    // The text is read exactly and rounded to the decimals the box shows,
    // so the stored value is the one on screen.
    const int decimals = spec_.filter == KeyFilter::WholeNumber ? 0 : std::clamp(spec_.decimals, 0, 4);
    std::optional<Currency> typed = Currency::read(ss(numericCore(text())));
    Currency stored;
    if (!typed) {
        host_.dialogs.message(3); // "Wrong or missing entry, try again."
    } else {
        Currency value = roundedTo(*typed, decimals);
        if (spec_.limit > 0 && value.toDouble() > spec_.limit) {
            if (spec_.limitMessage)
                host_.dialogs.message(spec_.limitMessage);
            value = Currency::fromDouble(spec_.limit);
        }
        try {
            stored = spec_.scale == 1.0 ? value : Currency::fromDouble(value.toDouble() / spec_.scale);
        } catch (const CalcError&) {
            host_.dialogs.message(3);
        }
    }
    if (spec_.onValue)
        spec_.onValue(stored);
    if (spec_.slot > 0) {
        if (static_cast<int>(st.InputValues.size()) <= spec_.slot)
            st.InputValues.resize(static_cast<std::size_t>(spec_.slot) + 1);
        st.InputValues[static_cast<std::size_t>(spec_.slot)] = stored;
    }
    setText(spec_.scale == 1.0 ? formatValue(stored) : formatValue(stored.toDouble() * spec_.scale));
    st.EditFlag = 0;
    if (spec_.onStored)
        spec_.onStored();
}

void GreenLineEdit::setBaseWidth(int pixels)
{
    baseWidth_ = pixels;
    fitWidth();
}

void GreenLineEdit::fitWidth()
{
    if (baseWidth_ <= 0)
        return;
    QWidget* outer = qobject_cast<QComboBox*>(parentWidget()) ? parentWidget() : this;
    // Room for the text with the frame and, in a combo box, its arrow.
    const int chrome = 14 + (outer != this ? 24 : 0);
    // The padding blanks of a right-justified value need no room.
    const int needed = fontMetrics().horizontalAdvance(text().trimmed()) + chrome;
    const int width = std::max(baseWidth_, needed);
    if (outer->minimumWidth() != width || outer->maximumWidth() != width)
        outer->setFixedWidth(width);
}

GreenComboBox::GreenComboBox(BoxHost& host, BoxSpec spec, QWidget* parent)
    : QComboBox(parent), host_(host), listSpec_(spec)
{
    if (spec.filter != KeyFilter::ListOnly) {
        setEditable(true);
        box_ = new GreenLineEdit(host, std::move(spec), this);
        setLineEdit(box_);
        setInsertPolicy(QComboBox::NoInsert);
        setCompleter(nullptr);
    }
    makeGreen(this);
    // Every change of the chosen item, however it came about, is a choice;
    // choosing the item already shown again is one too.
    // The first item put into an empty list is shown, not chosen; a list
    // that shows no item yet (a type still to be chosen) takes its first
    // choice like any other.
    connect(model(), &QAbstractItemModel::rowsAboutToBeInserted, this, [this] { inserting_ = true; });
    connect(model(), &QAbstractItemModel::rowsInserted, this, [this] { inserting_ = false; });
    connect(this, &QComboBox::currentIndexChanged, this, [this](int index) {
        const int before = shownIndex_;
        shownIndex_ = index;
        if (before < 0 && inserting_)
            lastChosen_ = index;
        else
            chosen(index);
    });
    connect(this, qOverload<int>(&QComboBox::activated), this, [this](int index) {
        const bool alreadyTaken = index == lastChosen_
                                  && (!box_ || box_->text() == box_->formatValue(Val(ss(itemText(index)))));
        if (!alreadyTaken)
            chosen(index);
    });
}

BoxSpec& GreenComboBox::spec()
{
    return box_ ? box_->spec() : listSpec_;
}

void GreenComboBox::setNext(QWidget* next)
{
    spec().next = next;
}

void GreenComboBox::setItems(const QStringList& items)
{
    const QSignalBlocker quiet(this);
    const QString shown = box_ ? box_->text() : QString();
    clear();
    addItems(items);
    if (box_)
        box_->setText(shown);
    lastChosen_ = shownIndex_ = currentIndex();
}

void GreenComboBox::showChoice(int index)
{
    const QSignalBlocker quiet(this);
    setCurrentIndex(index);
    lastChosen_ = shownIndex_ = currentIndex();
}

void GreenComboBox::chosen(int index)
{
    if (index < 0)
        return;
    lastChosen_ = index;
    if (host_.clearResults)
        host_.clearResults();
    host_.state.EditFlag = 1;
    if (box_)
        box_->takeChosenText(itemText(index));
    if (onChosen)
        onChosen(index);
}

void GreenComboBox::keyPressEvent(QKeyEvent* event)
{
    const int key = event->key();
    const bool listKey = key == Qt::Key_Up || key == Qt::Key_Down || key == Qt::Key_PageUp
                         || key == Qt::Key_PageDown || key == Qt::Key_F4
                         || (!box_ && (key == Qt::Key_Home || key == Qt::Key_End));
    if (listKey) {
        QComboBox::keyPressEvent(event);
        return;
    }
    if (key == Qt::Key_Return || key == Qt::Key_Enter) {
        if (spec().next)
            spec().next->setFocus(Qt::TabFocusReason);
        else
            focusNextChild();
        return;
    }
    if (box_) {
        box_->processKey(event);
        return;
    }
    // A list-only box: typed characters are dropped with a beep and clear
    // the results; other keys keep their normal meaning.
    const bool shortcut = (event->modifiers() & (Qt::ControlModifier | Qt::MetaModifier))
                          || ((event->modifiers() & Qt::AltModifier) && event->text().isEmpty());
    const bool typed = !event->text().isEmpty() && event->text().at(0).isPrint() && !shortcut;
    if (typed || key == Qt::Key_Backspace || key == Qt::Key_Delete) {
        host_.dialogs.beep();
        if (host_.clearResults)
            host_.clearResults();
        return;
    }
    QComboBox::keyPressEvent(event);
}

} // namespace fiscalia
