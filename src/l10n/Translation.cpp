#include "l10n/Translation.h"

#include "l10n/ModelTexts.h"

#include <QCoreApplication>
#include <QDir>
#include <QHash>
#include <QLibraryInfo>
#include <QMutex>
#include <QRegularExpression>
#include <QTranslator>

#include <algorithm>
#include <atomic>
#include <vector>

namespace orebell {

namespace {

// A composed text's pattern: its literal parts must appear in this order, the parts between
// them are the arguments.
struct Template {
    QString source;
    QString longestLiteral; // a cheap test before the expression
    QRegularExpression pattern;
    QList<int> argumentOrder; // the %n of each capture, in the order they appear
    qsizetype literalLength = 0;
};

std::vector<Template> compileTemplates()
{
    std::vector<Template> out;
    static const QRegularExpression marker(QStringLiteral("%([1-9])"));
    for (const ModelText& text : modelTexts()) {
        const QString source = QString::fromUtf8(text.source);
        if (!source.contains(marker))
            continue;
        Template t;
        t.source = source;
        QString expression = QStringLiteral("\\A");
        qsizetype at = 0;
        auto it = marker.globalMatch(source);
        while (it.hasNext()) {
            const QRegularExpressionMatch m = it.next();
            const QString literal = source.mid(at, m.capturedStart() - at);
            expression += QRegularExpression::escape(literal);
            t.literalLength += literal.size();
            if (literal.trimmed().size() > t.longestLiteral.size())
                t.longestLiteral = literal.trimmed();
            expression += it.hasNext() ? QStringLiteral("(.+?)") : QStringLiteral("(.+)");
            t.argumentOrder << m.captured(1).toInt();
            at = m.capturedEnd();
        }
        const QString tail = source.mid(at);
        expression += QRegularExpression::escape(tail) + QStringLiteral("\\z");
        t.literalLength += tail.size();
        if (tail.trimmed().size() > t.longestLiteral.size())
            t.longestLiteral = tail.trimmed();
        t.pattern = QRegularExpression(expression); // an argument never spans lines: each line is a message
        out.push_back(std::move(t));
    }
    // The most specific first: "Laser %1 %2:" before "Laser %1 %2".
    std::stable_sort(out.begin(), out.end(),
                     [](const Template& a, const Template& b) { return a.literalLength > b.literalLength; });
    return out;
}

const std::vector<Template>& templates()
{
    static const std::vector<Template> compiled = compileTemplates();
    return compiled;
}

bool hasLetters(const QString& text)
{
    return std::any_of(text.begin(), text.end(), [](QChar c) { return c.isLetter(); });
}

QString substitute(const QString& translated, const QHash<int, QString>& arguments)
{
    QString out;
    out.reserve(translated.size() + 32);
    for (qsizetype i = 0; i < translated.size(); ++i) {
        const QChar c = translated.at(i);
        if (c == QLatin1Char('%') && i + 1 < translated.size() && translated.at(i + 1) >= QLatin1Char('1') &&
            translated.at(i + 1) <= QLatin1Char('9')) {
            const int n = translated.at(i + 1).digitValue();
            if (arguments.contains(n)) {
                out += arguments.value(n);
                ++i;
                continue;
            }
        }
        out += c;
    }
    return out;
}

struct Shown {
    QMutex lock;
    // Read without the lock on the tick's path: an English view pays one load per caption.
    std::atomic<bool> active = false;
    Translation* installed = nullptr;
    QHash<QString, QString> cache; // composed texts recur on every tick: each is matched once
};

Shown& shown()
{
    static Shown s;
    return s;
}

QString translateCore(const QString& core, int depth);

// Blanks and the straight quotes round a name ("Cycle complete") are not part of what is said.
bool padding(QChar c) { return c.isSpace() || c == QLatin1Char('"'); }

// The text with its padding kept around its translated core.
QString translatePadded(const QString& text, int depth)
{
    qsizetype from = 0;
    qsizetype to = text.size();
    while (from < to && padding(text.at(from)))
        ++from;
    while (to > from && padding(text.at(to - 1)))
        --to;
    if (from == to)
        return text;
    return text.left(from) + translateCore(text.mid(from, to - from), depth) + text.mid(to);
}

QString translateCore(const QString& core, int depth)
{
    if (!hasLetters(core))
        return core;
    const QByteArray utf8 = core.toUtf8();
    const QString exact = QCoreApplication::translate(ModelTextContext, utf8.constData());
    if (exact != core)
        return exact;
    if (depth >= 4)
        return core;
    for (const Template& t : templates()) {
        if (!t.longestLiteral.isEmpty() && !core.contains(t.longestLiteral))
            continue;
        const QRegularExpressionMatch m = t.pattern.match(core);
        if (!m.hasMatch())
            continue;
        const QByteArray source = t.source.toUtf8();
        const QString translated = QCoreApplication::translate(ModelTextContext, source.constData());
        QHash<int, QString> arguments;
        for (int i = 0; i < t.argumentOrder.size(); ++i)
            arguments.insert(t.argumentOrder[i], translatePadded(m.captured(i + 1), depth + 1));
        return substitute(translated, arguments);
    }
    // Several messages in one: each line, then each clause of a list, on its own.
    for (const QString& separator : {QStringLiteral("\n"), QStringLiteral("; ")}) {
        if (!core.contains(separator))
            continue;
        QStringList parts = core.split(separator);
        for (QString& part : parts)
            part = translatePadded(part, depth + 1);
        return parts.join(separator);
    }
    return core;
}

} // namespace

Translation::Translation() = default;

Translation::~Translation() { uninstall(); }

bool Translation::load(const QString& language, const QStringList& folders)
{
    uninstall();
    program_.reset();
    qt_.reset();
    language_ = QStringLiteral("en");
    error_.clear();
    if (language == QLatin1String("en") || language.isEmpty())
        return true;
    const QString name = QStringLiteral("orebell_") + language;
    auto program = std::make_unique<QTranslator>();
    for (const QString& folder : folders) {
        if (program->load(name, folder)) {
            program_ = std::move(program);
            break;
        }
    }
    if (!program_) {
        error_ =
            QStringLiteral("the translation file %1.qm was not found in %2")
                .arg(name, folders.isEmpty() ? QStringLiteral("any folder")
                                             : QDir::toNativeSeparators(folders.join(QStringLiteral(", "))));
        return false;
    }
    language_ = language;
    auto qt = std::make_unique<QTranslator>();
    QStringList qtFolders{QLibraryInfo::path(QLibraryInfo::TranslationsPath)};
    qtFolders += folders;
    for (const QString& folder : qtFolders) {
        if (qt->load(QStringLiteral("qtbase_") + language, folder)) {
            qt_ = std::move(qt);
            break;
        }
    }
    return true;
}

void Translation::install()
{
    if (installed_ || !QCoreApplication::instance())
        return;
    if (qt_)
        QCoreApplication::installTranslator(qt_.get());
    if (program_)
        QCoreApplication::installTranslator(program_.get());
    installed_ = true;
    Shown& s = shown();
    QMutexLocker guard(&s.lock);
    s.installed = this;
    s.active = true;
    s.cache.clear();
}

void Translation::uninstall()
{
    if (!installed_)
        return;
    if (QCoreApplication::instance()) {
        if (program_)
            QCoreApplication::removeTranslator(program_.get());
        if (qt_)
            QCoreApplication::removeTranslator(qt_.get());
    }
    installed_ = false;
    Shown& s = shown();
    QMutexLocker guard(&s.lock);
    if (s.installed == this) {
        s.installed = nullptr;
        s.active = false;
    }
    s.cache.clear();
}

QString Translation::translate(const char* context, const char* source) const
{
    for (const QTranslator* catalogue : {program_.get(), qt_.get()}) {
        if (!catalogue)
            continue;
        const QString t = catalogue->translate(context, source);
        if (!t.isEmpty())
            return t;
    }
    return QString::fromUtf8(source);
}

QString shownText(const QString& text)
{
    Shown& s = shown();
    if (!s.active.load(std::memory_order_acquire) || !hasLetters(text))
        return text;
    QMutexLocker guard(&s.lock);
    if (!s.installed)
        return text;
    if (const auto it = s.cache.constFind(text); it != s.cache.cend())
        return *it;
    const QString translated = translatePadded(text, 0);
    if (s.cache.size() > 4096)
        s.cache.clear();
    s.cache.insert(text, translated);
    return translated;
}

QString shownLanguage()
{
    Shown& s = shown();
    QMutexLocker guard(&s.lock);
    return s.installed ? s.installed->language() : QStringLiteral("en");
}

} // namespace orebell
