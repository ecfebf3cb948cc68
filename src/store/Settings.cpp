#include "store/Settings.h"

#include "data/Shared.h"
#include "toolkit/Conventions.h"
#include "toolkit/RuntimeError.h"

#include <QDir>
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
// One text for the entries and the counts alike: the player is told once.
const QString FormatRepair = QStringLiteral(
    "The stored number format did not fit the stored numbers: they were read as they were written.");

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

QString gridSection(const QString& grid, int row) { return grid + QLatin1Char(' ') + QString::number(row); }
QString gridSection(const Control& grid, int row) { return gridSection(grid.name(), row); }

// How many data rows the store holds. Its "Rows" count is taken when it is a sane number; a count
// that is missing while rows are there, negative or absurd (a damaged store) would lose every row
// mined, so the rows are then looked for, up to MaxStoredRows.
int storedRowCount(SettingsStore& store, const QString& app, const QString& grid, const QString& nameKey)
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

CountFormat mirrored(const CountFormat& f) { return {f.group, f.decimal}; }

// Counts are written whole ("1,656", or "245" after Refine) or with exactly ten decimals: a text
// that reads in a format only with other decimals was not written in it.
bool fitsCount(const QString& text, const CountFormat& format)
{
    const std::optional<QString> plain = plainNumber(text, format);
    if (!plain)
        return false;
    const qsizetype dot = plain->indexOf(QLatin1Char('.'));
    return dot < 0 || plain->size() - dot - 1 == 10;
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

// A stored count shown in the current format. The format it was written in is the stored one, or
// the stored one's marks swapped when only that fits the text (damaged keys): a count must never
// lose units to keys that say otherwise. `doubted` is set when the keys would read another number.
QString storedCount(const QString& text, const std::optional<CountFormat>& written, bool& doubted)
{
    if (text.trimmed().isEmpty())
        return text;
    const CountFormat now = currentCountFormat();
    const CountFormat base = written ? *written : now;
    for (const CountFormat& format : {base, mirrored(base)}) {
        if (!isRealFormat(format) || !fitsCount(text, format))
            continue;
        if (written && format != base && plainNumber(text, base))
            doubted = true;
        return format == now ? text : countInCurrentFormat(text, format);
    }
    // No count of ours in either: read as before.
    if (!written)
        return recoveredCount(text);
    return *written == now ? text : countInCurrentFormat(text, *written);
}

// The format the stored counts show, when they show one: some count fits it alone and none fits
// only its mirror. Counts without marks fit both and show nothing.
std::optional<CountFormat> formatOfCounts(SettingsStore& store, const QString& app, const CountFormat& base)
{
    const CountFormat mirror = mirrored(base);
    if (!isRealFormat(base))
        return std::nullopt;
    bool onlyBase = false;
    bool onlyMirror = false;
    const int rows = storedRowCount(store, app, GridName, CloseGridKeys[0]);
    for (int r = 1; r <= rows + 1; ++r) {
        QString count;
        absorbed([&] { count = store.value(app, gridSection(GridName, r), CloseGridKeys[CountColumn]); });
        const bool inBase = fitsCount(count, base);
        const bool inMirror = fitsCount(count, mirror);
        onlyBase = onlyBase || (inBase && !inMirror);
        onlyMirror = onlyMirror || (inMirror && !inBase);
    }
    if (onlyBase == onlyMirror)
        return std::nullopt;
    return onlyBase ? base : mirror;
}

// The number format the entries were written in, as the stored keys say it (`keys`) and as the
// store as a whole shows it (`read`); either empty means "as they are". The same save writes the
// grid's format keys: when the two sections disagree or the counts contradict them, the counts
// decide, and without counts to tell, the keys that agree with the current format.
struct EntryFormat {
    std::optional<CountFormat> keys;
    std::optional<CountFormat> read;
};

EntryFormat storedEntryFormat(SettingsStore& store, const QString& app)
{
    const CountFormat now = currentCountFormat();
    // Built anew rather than reset in place: GCC's -O3 warns of a reset optional it then copies.
    auto unlessCurrent = [&](const std::optional<CountFormat>& f) {
        return f && *f != now ? f : std::optional<CountFormat>();
    };
    const std::optional<CountFormat> written = storedFormat(store, app, NumberFormatSection);
    if (!written)
        return {};
    const std::optional<CountFormat> grid = storedFormat(store, app, gridSection(GridName, 0));
    std::optional<CountFormat> truth = formatOfCounts(store, app, grid ? *grid : *written);
    if (!truth)
        truth = grid && *grid != *written && *grid == now ? now : *written;
    return {unlessCurrent(written), unlessCurrent(truth)};
}

QString entryIn(const QString& text, const std::optional<CountFormat>& written)
{
    return written ? entryInCurrentFormat(text, *written, currentCountFormat()) : text;
}

// The row a section of the grid holds by its name, when the name is one SaveGrid writes.
std::optional<int> rowOfSection(const QString& grid, const QString& section)
{
    const QString prefix = grid + QLatin1Char(' ');
    if (!section.startsWith(prefix))
        return std::nullopt;
    bool ok = false;
    const int row = QStringView(section).mid(prefix.size()).toInt(&ok);
    if (!ok || row < 0 || QString::number(row) != section.mid(prefix.size()))
        return std::nullopt;
    return row;
}

// Rows of the grid kept where the rows are not read: under a damaged section name, or, while a
// row the count reaches is missing, under a row number past the count (a damaged number). A
// header row under a damaged name names its column, not an ore.
std::vector<QString> strayRowSections(SettingsStore& store, const QString& app, const Control& grid,
                                      std::span<const QString> keys, int stored, bool rowMissing)
{
    std::vector<QString> strays;
    QStringList sections;
    absorbed([&] { sections = store.sections(app); });
    for (const QString& section : sections) {
        const std::optional<int> row = rowOfSection(grid.name(), section);
        if (row && (*row <= stored + 1 || !rowMissing))
            continue;
        QString name;
        absorbed([&] { name = store.value(app, section, keys[0]); });
        if (!name.isEmpty() && name != keys[0])
            strays.push_back(section);
    }
    return strays;
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

QStringList LoadSettings(SettingsStore& store, const QString& app, Form& form)
{
    EntryFormat written;
    absorbed([&] { written = storedEntryFormat(store, app); });
    bool doubted = false;
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
                    if (c.kind() != ControlKind::TextBox) {
                        c.setText(text);
                        return;
                    }
                    const QString entry = entryIn(text, written.read);
                    doubted = doubted || entry != entryIn(text, written.keys);
                    c.setText(entry);
                });
            break;
        case ControlKind::Frame:
            absorbed([&] { c.setTag(store.value(app, SettingsSection, c.name())); });
            break;
        default:
            break;
        }
    }
    if (!doubted)
        return {};
    return {FormatRepair};
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
    const int old = storedRowCount(store, app, grid.name(), keys.empty() ? QString() : keys[0]);
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

QStringList LoadGrid(SettingsStore& store, const QString& app, Control& grid, std::span<const QString> keys)
{
    Grid* g = nullptr;
    try {
        g = &grid.grid();
    } catch (const std::exception&) {
        return {};
    }
    const int cols = g->cols();
    const int keyed = std::min(static_cast<int>(keys.size()), cols);
    const int stored = keyed > 0 ? storedRowCount(store, app, grid.name(), keys[0]) : 0;
    const std::optional<CountFormat> written = storedFormat(store, app, gridSection(grid, 0));
    bool doubted = false;
    auto readIn = [&](const QString& section, int col) {
        QString text;
        if (!keys[col].isEmpty())
            absorbed([&] { text = store.value(app, section, keys[col]); });
        return text;
    };
    auto readRow = [&](const QString& section) {
        QStringList cells;
        for (int c = 0; c < cols; ++c)
            cells.append(c < keyed ? readIn(section, c) : QString());
        if (cols > CountColumn)
            cells[CountColumn] = storedCount(cells[CountColumn], written, doubted);
        return cells;
    };

    // The stored header row is what this program wrote: its own keys, which the rows are read
    // under whatever that row now says.
    QStringList header;
    for (int c = 0; c < cols; ++c)
        header.append(c < keyed && stored != 0 && !keys[c].isEmpty() ? keys[c] : g->textMatrix(0, c));
    // Rows 1 to count + 1 were written; the last of them is the trailing empty row. A row without
    // an ore name is no record of anything (a damaged store, or a count larger than the rows).
    std::vector<QStringList> rows;
    bool rowMissing = false;
    for (int r = 1; stored != 0 && r <= stored + 1; ++r) {
        if (cols == 0)
            break;
        const QStringList cells = readRow(gridSection(grid, r));
        if (!cells[0].isEmpty())
            rows.push_back(cells);
        else
            rowMissing = rowMissing || r <= stored;
    }
    // Rows under a damaged section name come back after the others, once: their sections are
    // dropped at the next save, which writes them under their own names.
    QStringList recovered;
    for (const QString& section :
         keyed > 0 ? strayRowSections(store, app, grid, keys, stored, rowMissing) : std::vector<QString>()) {
        const QStringList cells = readRow(section);
        if (std::find(rows.begin(), rows.end(), cells) == rows.end()) {
            rows.push_back(cells);
            recovered.append(cells[0]);
        }
        for (int c = 0; c < keyed; ++c)
            if (!keys[c].isEmpty())
                absorbed([&] { store.remove(app, section, keys[c]); });
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

    QStringList notes;
    if (doubted)
        notes.append(FormatRepair);
    if (!recovered.isEmpty())
        notes.append(
            QStringLiteral("Rows of the ore mined stood under a damaged name and were recovered: %1.")
                .arg(recovered.join(QStringLiteral(", "))));
    return notes;
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
    const QSet<QString> rowKeys = {CloseGridKeys[0], CloseGridKeys[1], CloseGridKeys[2]};
    return [settings, window, gridPrefix, gridKeys, rowKeys](const QString& section, const QString& key) {
        if (section == SettingsSection)
            return settings.contains(key);
        if (section == window)
            return key == QLatin1String("Xpos") || key == QLatin1String("Ypos");
        if (section == NumberFormatSection)
            return key == DecimalMarkKey || key == DigitGroupingKey;
        // A row under a damaged section name is carried over for LoadGrid to recover.
        if (rowKeys.contains(key))
            return true;
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

void SessionStore::loadSettings() { note(LoadSettings(platform_.store(), app(), main_)); }

void SessionStore::note(const QStringList& repairs)
{
    for (const QString& repair : repairs)
        if (!told_ && !repairs_.contains(repair))
            repairs_.append(repair);
}

QString SessionStore::takeNotice()
{
    if (repairs_.isEmpty())
        return {};
    told_ = true;
    const QString copy = platform_.store().keepDamagedCopy(app());
    QString text = QStringLiteral("Orebell's settings were damaged and have been repaired");
    text += copy.isEmpty()
                ? QStringLiteral(".")
                : QStringLiteral("; the damaged file is kept as %1.").arg(QDir::toNativeSeparators(copy));
    text += QStringLiteral("\n\n") + repairs_.join(QStringLiteral("\n")) +
            QStringLiteral("\n\nPlease check the ore mined and your entries.");
    repairs_.clear();
    return text;
}

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
    note(LoadGrid(platform_.store(), app(), control, noHeaders ? CloseGridKeys : shared_.GridHeaders));
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
