#include "store/Settings.h"

#include "data/Shared.h"
#include "toolkit/Conventions.h"
#include "toolkit/RuntimeError.h"

#include <QLocale>
#include <QSet>
#include <QtGlobal>

#include <algorithm>
#include <array>
#include <cmath>
#include <exception>
#include <optional>
#include <vector>

namespace orebell {

namespace {

const QString SettingsSection = QStringLiteral("Settings");
const QString EnabledSuffix = QStringLiteral(" Enabled");
const QString RowsKey = QStringLiteral("Rows");
const QString GridName = QStringLiteral("mshflexOreMined");
const std::array<QString, 4> CloseGridKeys = {QStringLiteral("Ore Name"), QStringLiteral("Units Mined"),
                                              QStringLiteral("R/Units"), QString()};
constexpr int CountColumn = 1;
constexpr int BatchColumn = 2;
constexpr int ErrPathFileAccess = 75; // the store could not be written
// More rows than the ore lists have names, by far: the most a damaged count makes us look for.
constexpr int MaxStoredRows = 1000;
// Beside "Rows": the number format the counts were written in. Readers that do not know these
// keys ignore them and read the counts in their own format, as before.
const QString DecimalMarkKey = QStringLiteral("Decimal Mark");
const QString DigitGroupingKey = QStringLiteral("Digit Grouping");
// The same two keys for the entries, in a section of their own that older readers never look at.
const QString NumberFormatSection = QStringLiteral("Number Format");

QString truthText(bool value) { return value ? QStringLiteral("True") : QStringLiteral("False"); }

// A stored truth value as a boolean property takes it: "True" / "False" in any case, or a number
// (not 0 is true). Anything else cannot be assigned.
std::optional<bool> truthOf(const QString& text)
{
    const QString t = text.trimmed();
    if (t.compare(QLatin1String("True"), Qt::CaseInsensitive) == 0)
        return true;
    if (t.compare(QLatin1String("False"), Qt::CaseInsensitive) == 0)
        return false;
    if (isNumeric(t))
        return textToNumber(t) != 0;
    return std::nullopt;
}

// A check box takes 0, 1 or 2 (a number rounds to the nearest whole one); "False" is 0, and
// "True" (-1) is no value a check box can have.
std::optional<int> checkValueOf(const QString& text)
{
    const std::optional<bool> truth = truthOf(text);
    if (!truth)
        return std::nullopt;
    if (!isNumeric(text))
        return *truth ? std::nullopt : std::optional<int>(0);
    const double n = roundHalfEven(textToNumber(text));
    if (n < 0 || n > 2)
        return std::nullopt;
    return static_cast<int>(n);
}

QString nameAndIndex(const Control& c)
{
    if (!c.isArrayElement())
        raise(ErrInvalidCall); // a control outside any array has no index to key it by
    return c.name() + QString::number(c.index());
}

template <class F> void absorbed(F&& step)
{
    try {
        step();
    } catch (const std::exception&) {
    }
}

// The window position is written as single-precision number text.
QString singleText(int twips) { return numberToText(static_cast<double>(static_cast<float>(twips))); }

std::optional<int> storedTwips(const QString& text)
{
    if (!isNumeric(text))
        return std::nullopt;
    const float single = static_cast<float>(textToNumber(text));
    if (!std::isfinite(single))
        return std::nullopt;
    try {
        return toInt32(single);
    } catch (const RuntimeError&) {
        return std::nullopt;
    }
}

QString gridSection(const Control& grid, int row)
{
    return grid.name() + QLatin1Char(' ') + QString::number(row);
}

// How many data rows the store holds. Its "Rows" count is taken when it is a sane number; a count
// that is missing while rows are there, negative or absurd (a damaged store) would lose every row
// mined, so the rows are then looked for, up to MaxStoredRows.
int storedRowCount(SettingsStore& store, const QString& app, const Control& grid, const QString& nameKey)
{
    const QString text = store.value(app, gridSection(grid, 0), RowsKey);
    const auto count = numericValue(text);
    if (count && *count >= 0 && *count <= MaxStoredRows && *count == std::floor(*count))
        return static_cast<int>(*count);
    auto named = [&](int r) {
        QString name;
        absorbed([&] { name = store.value(app, gridSection(grid, r), nameKey); });
        return !name.isEmpty();
    };
    if (text.trimmed().isEmpty() && !named(1))
        return 0;
    int last = 0;
    for (int r = 1; r <= MaxStoredRows; ++r)
        if (named(r))
            last = r;
    return last;
}

// The number format the counts were written in: decimal mark and digit grouping.
struct CountFormat {
    QString decimal;
    QString group;
    bool operator==(const CountFormat&) const = default;
};

CountFormat currentCountFormat()
{
    const QLocale locale;
    return {locale.decimalPoint(), locale.groupSeparator()};
}

// Marks a real locale uses: one character each, different, neither a digit. Anything else is
// an unknown format, read as before the format keys existed.
bool isRealFormat(const CountFormat& f)
{
    return f.decimal.size() == 1 && f.group.size() == 1 && f.decimal != f.group && !f.decimal[0].isDigit() &&
           !f.group[0].isDigit();
}

std::optional<CountFormat> storedFormat(SettingsStore& store, const QString& app, const QString& section)
{
    std::optional<CountFormat> written;
    absorbed([&] {
        const CountFormat f{store.value(app, section, DecimalMarkKey),
                            store.value(app, section, DigitGroupingKey)};
        if (isRealFormat(f))
            written = f;
    });
    return written;
}

// The number a text holds when written in `format`, as C-locale text ("-1234.5"): digits, the
// digit grouping only between groups of three in the whole part, at most one decimal mark. A
// text the format does not fit (the marks swapped) is no number in it.
std::optional<QString> plainNumber(const QString& text, const CountFormat& format)
{
    const QString t = text.trimmed();
    const QChar decimal = format.decimal[0];
    const QChar group = format.group[0];
    QString plain;
    qsizetype at = 0;
    if (at < t.size() && (t[at] == QLatin1Char('-') || t[at] == QLatin1Char('+')))
        plain += t[at++];
    int digitsInGroup = 0;
    bool grouped = false;
    for (; at < t.size() && t[at] != decimal; ++at) {
        if (t[at] == group) {
            if (digitsInGroup == 0 || (grouped && digitsInGroup != 3))
                return std::nullopt;
            grouped = true;
            digitsInGroup = 0;
        } else if (t[at].isDigit()) {
            plain += t[at];
            ++digitsInGroup;
        } else {
            return std::nullopt;
        }
    }
    if (grouped && digitsInGroup != 3)
        return std::nullopt;
    if (at < t.size()) {
        plain += QLatin1Char('.');
        for (++at; at < t.size(); ++at) {
            if (!t[at].isDigit())
                return std::nullopt;
            plain += t[at];
        }
    }
    if (plain.isEmpty() || plain == QLatin1String(".") || plain == QLatin1String("-") ||
        plain == QLatin1String("+"))
        return std::nullopt;
    return plain;
}

// A count written in another number format, read in that format and shown in the current one.
QString countInCurrentFormat(const QString& text, const CountFormat& written)
{
    if (text.trimmed().isEmpty())
        return text;
    const std::optional<QString> plain = plainNumber(text, written);
    bool ok = false;
    const double value = plain ? QLocale::c().toDouble(*plain, &ok) : 0.0;
    if (!ok || !std::isfinite(value))
        return text; // no count of ours in that format: left as it is
    const bool fraction = plain->contains(QLatin1Char('.'));
    return formatNumber(value, fraction ? QStringLiteral("#,###.0000000000") : QStringLiteral("#,###"));
}

// A count the program wrote in another locale (the player changed it between runs) is read back
// in the notation it was written in, then shown in the current one.
QString recoveredCount(const QString& text)
{
    if (text.trimmed().isEmpty() || isNumeric(text))
        return text;
    QString swapped = text.trimmed();
    for (QChar& ch : swapped) {
        if (ch == QLatin1Char('.'))
            ch = QLatin1Char(',');
        else if (ch == QLatin1Char(','))
            ch = QLatin1Char('.');
    }
    for (const QString& candidate : {text.trimmed(), swapped}) {
        bool ok = false;
        const double value = QLocale::c().toDouble(candidate, &ok);
        if (ok && std::isfinite(value))
            return formatNumber(value, value == std::floor(value) ? QStringLiteral("#,###")
                                                                  : QStringLiteral("#,###.0000000000"));
    }
    return {};
}

// An entry typed under another number format (the desk's locale changed between runs) is the
// same number written in the current one: the marks swap, the digits and their layout stay.
// Text that is no number in the format it was written in (a name, a path) is left as it is.
QString entryInCurrentFormat(const QString& text, const CountFormat& written, const CountFormat& now)
{
    if (text.trimmed().isEmpty() || !isRealFormat(now) || !plainNumber(text, written))
        return text;
    QString mapped;
    for (const QChar ch : text)
        mapped += ch == written.decimal[0] ? now.decimal : ch == written.group[0] ? now.group : QString(ch);
    return mapped;
}

std::optional<CountFormat> storedEntryFormat(SettingsStore& store, const QString& app)
{
    std::optional<CountFormat> written = storedFormat(store, app, NumberFormatSection);
    if (written && *written == currentCountFormat())
        written.reset();
    return written;
}

} // namespace

void SaveSettings(SettingsStore& store, const QString& app, Form& form)
{
    for (const auto& owned : form.controls()) {
        Control& c = *owned;
        switch (c.kind()) {
        case ControlKind::CheckBox:
            store.setValue(app, SettingsSection, c.caption(), QString::number(c.value()));
            store.setValue(app, SettingsSection, c.caption() + EnabledSuffix, truthText(c.enabled()));
            break;
        case ControlKind::OptionButton:
            store.setValue(app, SettingsSection, c.caption(), truthText(c.value() != 0));
            store.setValue(app, SettingsSection, c.caption() + EnabledSuffix, truthText(c.enabled()));
            break;
        case ControlKind::TextBox:
        case ControlKind::ComboBox:
            absorbed([&] { store.setValue(app, SettingsSection, nameAndIndex(c), c.text()); });
            break;
        case ControlKind::Frame:
            absorbed([&] { store.setValue(app, SettingsSection, c.name(), c.tag()); });
            break;
        default:
            break;
        }
    }
    const CountFormat format = currentCountFormat();
    absorbed([&] {
        store.setValue(app, NumberFormatSection, DecimalMarkKey, format.decimal);
        store.setValue(app, NumberFormatSection, DigitGroupingKey, format.group);
    });
}

void LoadSettings(SettingsStore& store, const QString& app, Form& form)
{
    const std::optional<CountFormat> written = storedEntryFormat(store, app);
    const CountFormat now = currentCountFormat();
    for (const auto& owned : form.controls()) {
        Control& c = *owned;
        switch (c.kind()) {
        case ControlKind::CheckBox:
            absorbed([&] {
                if (const auto v = checkValueOf(store.value(app, SettingsSection, c.caption())))
                    c.setValue(*v);
            });
            absorbed([&] {
                if (const auto on = truthOf(store.value(app, SettingsSection, c.caption() + EnabledSuffix)))
                    c.setEnabled(*on);
            });
            break;
        case ControlKind::OptionButton:
            absorbed([&] {
                if (const auto v = truthOf(store.value(app, SettingsSection, c.caption())))
                    c.setValue(*v ? 1 : 0);
            });
            absorbed([&] {
                if (const auto on = truthOf(store.value(app, SettingsSection, c.caption() + EnabledSuffix)))
                    c.setEnabled(*on);
            });
            break;
        case ControlKind::TextBox:
        case ControlKind::ComboBox:
            if (c.isArrayElement())
                absorbed([&] {
                    const QString text = store.value(app, SettingsSection, nameAndIndex(c));
                    c.setText(written && c.kind() == ControlKind::TextBox
                                  ? entryInCurrentFormat(text, *written, now)
                                  : text);
                });
            break;
        case ControlKind::Frame:
            absorbed([&] { c.setTag(store.value(app, SettingsSection, c.name())); });
            break;
        default:
            break;
        }
    }
}

void SaveWindowPosition(SettingsStore& store, const QString& app, Form& form)
{
    store.setValue(app, form.name(), QStringLiteral("Xpos"), singleText(form.left()));
    store.setValue(app, form.name(), QStringLiteral("Ypos"), singleText(form.top()));
}

void LoadWindowPosition(SettingsStore& store, const QString& app, Form& form)
{
    try {
        const auto left = storedTwips(store.value(app, form.name(), QStringLiteral("Xpos")));
        if (!left)
            return;
        const auto top = storedTwips(store.value(app, form.name(), QStringLiteral("Ypos")));
        if (!top)
            return;
        form.move(*left, *top);
    } catch (const std::exception&) {
    }
}

void SaveGrid(SettingsStore& store, const QString& app, Control& grid, std::span<const QString> keys)
{
    const Grid& g = grid.grid();
    const int old = storedRowCount(store, app, grid, keys.empty() ? QString() : keys[0]);
    // The previous save's rows go first, so that rows removed since (Reset, Refine) do not come
    // back. Its trailing empty row is one past the count.
    for (int r = 1; r <= old + 1; ++r) {
        const QString section = gridSection(grid, r);
        for (const QString& key : keys)
            if (!key.isEmpty())
                absorbed([&] { store.remove(app, section, key); });
    }
    const int rows = g.rows();
    const int cols = g.cols();
    // Columns are keyed by the program's own keys: the header row shown (empty before the first
    // activation, or as a damaged store left it) must not decide where the ore mined is kept.
    QStringList columnKeys;
    for (int c = 0; c < cols; ++c) {
        const bool keyed = c < static_cast<int>(keys.size()) && !keys[c].isEmpty();
        columnKeys.append(keyed ? keys[c] : g.textMatrix(0, c));
    }
    for (int r = 0; r < rows; ++r) {
        const QString section = gridSection(grid, r);
        for (int c = 0; c < cols; ++c) {
            store.setValue(app, section, columnKeys[c], r == 0 ? columnKeys[c] : g.textMatrix(r, c));
            if (r == 0)
                store.setValue(app, section, RowsKey, QString::number(rows - 2));
        }
    }
    const CountFormat format = currentCountFormat();
    store.setValue(app, gridSection(grid, 0), DecimalMarkKey, format.decimal);
    store.setValue(app, gridSection(grid, 0), DigitGroupingKey, format.group);
}

void LoadGrid(SettingsStore& store, const QString& app, Control& grid, std::span<const QString> keys)
{
    Grid* g = nullptr;
    try {
        g = &grid.grid();
    } catch (const std::exception&) {
        return;
    }
    const int cols = g->cols();
    const int keyed = std::min(static_cast<int>(keys.size()), cols);
    const int stored = keyed > 0 ? storedRowCount(store, app, grid, keys[0]) : 0;
    const std::optional<CountFormat> written = storedFormat(store, app, gridSection(grid, 0));
    auto read = [&](int row, int col) {
        QString text;
        if (!keys[col].isEmpty())
            absorbed([&] { text = store.value(app, gridSection(grid, row), keys[col]); });
        return text;
    };

    // The stored header row is what this program wrote: its own keys, which the rows are read
    // under whatever that row now says.
    QStringList header;
    for (int c = 0; c < cols; ++c)
        header.append(c < keyed && stored != 0 && !keys[c].isEmpty() ? keys[c] : g->textMatrix(0, c));
    // Rows 1 to count + 1 were written; the last of them is the trailing empty row. A row without
    // an ore name is no record of anything (a damaged store, or a count larger than the rows).
    std::vector<QStringList> rows;
    for (int r = 1; stored != 0 && r <= stored + 1; ++r) {
        QStringList cells;
        for (int c = 0; c < cols; ++c)
            cells.append(c < keyed ? read(r, c) : QString());
        if (cols == 0 || cells[0].isEmpty())
            continue;
        if (cols > CountColumn)
            cells[CountColumn] = !written ? recoveredCount(cells[CountColumn])
                                 : *written == currentCountFormat()
                                     ? cells[CountColumn]
                                     : countInCurrentFormat(cells[CountColumn], *written);
        rows.push_back(cells);
    }

    absorbed([&] {
        g->setRows(static_cast<int>(rows.size()) + 2);
        for (int c = 0; c < cols; ++c) {
            g->setTextMatrix(0, c, header[c]);
            g->setTextMatrix(g->rows() - 1, c, QString());
        }
        for (int r = 0; r < static_cast<int>(rows.size()); ++r)
            for (int c = 0; c < cols; ++c)
                g->setTextMatrix(r + 1, c, rows[r][c]);
    });
}

SettingsStore::KnownKey KnownStoreKeys(const Form& form)
{
    QSet<QString> settings;
    for (const auto& owned : form.controls()) {
        const Control& c = *owned;
        switch (c.kind()) {
        case ControlKind::CheckBox:
        case ControlKind::OptionButton:
            settings << c.caption() << c.caption() + EnabledSuffix;
            break;
        case ControlKind::TextBox:
        case ControlKind::ComboBox:
            if (c.isArrayElement())
                settings << c.name() + QString::number(c.index());
            break;
        case ControlKind::Frame:
            settings << c.name();
            break;
        default:
            break;
        }
    }
    const QString window = form.name();
    const QString gridPrefix = GridName + QLatin1Char(' ');
    const QSet<QString> gridKeys = {CloseGridKeys[0], CloseGridKeys[1], CloseGridKeys[2],
                                    RowsKey,          DecimalMarkKey,   DigitGroupingKey};
    return [settings, window, gridPrefix, gridKeys](const QString& section, const QString& key) {
        if (section == SettingsSection)
            return settings.contains(key);
        if (section == window)
            return key == QLatin1String("Xpos") || key == QLatin1String("Ypos");
        if (section == NumberFormatSection)
            return key == DecimalMarkKey || key == DigitGroupingKey;
        if (!section.startsWith(gridPrefix) || !gridKeys.contains(key))
            return false;
        bool ok = false;
        const int row = QStringView(section).mid(gridPrefix.size()).toInt(&ok);
        return ok && row >= 0 && row <= MaxStoredRows + 1 &&
               QString::number(row) == section.mid(gridPrefix.size());
    };
}

SessionStore::SessionStore(Form& main, Shared& shared, Platform& platform)
    : main_(main), shared_(shared), platform_(platform)
{
    Routines& r = shared_.routines;
    r.SaveAll = [this] { saveAll(); };
    r.SaveOnExit = [this] { saveOnExit(); };
    r.LoadSettings = [this] { loadSettings(); };
    r.LoadWindowPosition = [this] { loadWindowPosition(); };
    r.LoadGrid = [this] { loadGrid(); };

    // What the save writes changed since it last ran? Changes while the window closes do not
    // count: the close button's save comes before the unload.
    observer_ = main_.subscribe(
        [this](Control&, Prop) {
            if (!main_.unloaded())
                ++changes_;
        },
        {Prop::Text, Prop::Value, Prop::Enabled, Prop::Tag, Prop::GridCells});
    formObserver_ = main_.subscribeForm([this](Form& f) {
        if (!f.unloaded())
            ++changes_;
    });

    // Saving happens on every close whatever this box says, so it is never left ticked.
    if (main_.has(QStringLiteral("chkSaveSettings"), 0)) {
        main_.onClick(QStringLiteral("chkSaveSettings"), [this](int i) {
            Control& box = main_.control(QStringLiteral("chkSaveSettings"), i);
            if (box.value() == 1)
                box.setValue(0);
        });
    }
    platform_.store().setKnownKeys(KnownStoreKeys(main_));
}

SessionStore::~SessionStore()
{
    main_.unsubscribe(observer_);
    main_.unsubscribe(formObserver_);
}

QString SessionStore::app() const { return platform_.programFileName(); }

void SessionStore::loadSettings() { LoadSettings(platform_.store(), app(), main_); }

void SessionStore::loadWindowPosition()
{
    if (positionRestored_)
        return;
    positionRestored_ = true;
    LoadWindowPosition(platform_.store(), app(), main_);
}

void SessionStore::loadGrid()
{
    if (restored_)
        return;
    restored_ = true;
    if (!main_.has(GridName))
        return;
    Control& control = main_.control(GridName);
    // Headers not set yet would read nothing, and the next save would then drop the stored rows.
    const bool noHeaders = std::all_of(shared_.GridHeaders.begin(), shared_.GridHeaders.end(),
                                       [](const QString& h) { return h.isEmpty(); });
    LoadGrid(platform_.store(), app(), control, noHeaders ? CloseGridKeys : shared_.GridHeaders);
    // A batch that is not a positive number would stop the Refine command; the mineral table
    // knows the right one.
    if (!shared_.mineralYields.loaded())
        return;
    Grid& g = control.grid();
    if (g.cols() <= BatchColumn)
        return;
    const MineralYields& table = shared_.mineralYields;
    for (int r = 1; r < g.rows() - 1; ++r) {
        const QString batch = g.textMatrix(r, BatchColumn);
        if (isNumeric(batch) && textToNumber(batch) >= 1)
            continue;
        const QString ore = g.textMatrix(r, 0);
        for (int y = 0; y < MineralYields::Rows - 1; ++y) {
            if (table.row(y).oreName == ore && table.row(y).batch > 0) {
                g.setTextMatrix(r, BatchColumn, QString::number(table.row(y).batch));
                break;
            }
        }
    }
}

void SessionStore::saveAll()
{
    // Before the session was restored there is nothing of it to save, and saving the design
    // values would overwrite the player's store.
    if (!restored_)
        return;
    const QStringList failures = save();
    if (!failures.isEmpty())
        throw RuntimeError(ErrPathFileAccess,
                           QStringLiteral("Not saved: ") + failures.join(QStringLiteral("; ")));
}

bool SessionStore::saveOnExit()
{
    if (!restored_ || (savedOnce_ && changes_ == changesAtSave_))
        return true;
    const QStringList failures = save();
    if (failures.isEmpty())
        return true;
    qWarning("Orebell could not save on exit: %s", qPrintable(failures.join(QStringLiteral("; "))));
    return false;
}

QStringList SessionStore::save()
{
    SettingsStore& store = platform_.store();
    const QString a = app();
    QStringList failures;
    auto part = [&](const QString& what, auto&& step) {
        try {
            step();
        } catch (const std::exception& e) {
            const RuntimeError error = asRuntimeError(e);
            failures.append(
                QStringLiteral("%1 (error %2: %3)").arg(what).arg(error.number()).arg(error.description()));
        }
    };
    // Each part is written even when another failed: a failure in one must not cost the others.
    part(QStringLiteral("the ore mined"),
         [&] { SaveGrid(store, a, main_.control(GridName), CloseGridKeys); });
    part(QStringLiteral("the window's entries"), [&] { SaveSettings(store, a, main_); });
    part(QStringLiteral("the window position"), [&] {
        // Minimised, the window sits in its corner; the place to come back to is the restore one.
        const bool minimised = main_.has(QStringLiteral("imgMinimized")) &&
                               main_.control(QStringLiteral("imgMinimized")).visible();
        if (!minimised) {
            SaveWindowPosition(store, a, main_);
            return;
        }
        store.setValue(a, main_.name(), QStringLiteral("Xpos"), singleText(shared_.RestoreLeft));
        store.setValue(a, main_.name(), QStringLiteral("Ypos"), singleText(shared_.RestoreTop));
    });
    // One write of the whole store: an interrupted save leaves the previous one whole.
    if (!store.flush()) {
        const QString why = store.lastError();
        failures.append(why.isEmpty() ? QStringLiteral("the settings store could not be written") : why);
    }
    if (failures.isEmpty()) {
        savedOnce_ = true;
        changesAtSave_ = changes_;
    }
    return failures;
}

} // namespace orebell
