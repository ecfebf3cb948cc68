#include "toolkit/RichText.h"

#include <QFile>
#include <QFileInfo>
#include <QStringList>

#include <algorithm>
#include <array>
#include <vector>

namespace orebell {

namespace {

// Windows-1252 differs from Latin-1 only in 0x80..0x9F; 0 marks the unassigned codes.
constexpr std::array<char16_t, 32> Cp1252High = {
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0,      0x017D, 0,      0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};

QChar decodeByte(unsigned char byte, int codePage)
{
    if (codePage == 1252 && byte >= 0x80 && byte <= 0x9F) {
        const char16_t mapped = Cp1252High[byte - 0x80];
        return mapped ? QChar(mapped) : QChar(QChar::ReplacementCharacter);
    }
    return QChar(byte); // Latin-1 for everything else
}

struct CharFormat {
    bool bold = false;
    bool italic = false;
    bool underline = false;
    bool strike = false;
    int halfPoints = 0; // 0: the viewer's own size
    int color = 0;      // colour-table index; 0 is the automatic colour
    int highlight = 0;
    bool operator==(const CharFormat&) const = default;
};

struct ParaFormat {
    enum Align { Left, Center, Right, Justify };
    Align align = Left;
    int leftIndent = 0; // twips
    int firstIndent = 0;
    int spaceBefore = 0;
    int spaceAfter = 0;
};

enum class Destination { Text, ColorTable, Skip };

struct State {
    CharFormat chr;
    ParaFormat para;
    Destination dest = Destination::Text;
    int unicodeSkip = 1; // \ucN: fallback characters that follow a \uN
};

// Destinations whose content is not document text.
bool isSkippedDestination(const QByteArray& word)
{
    static const char* const words[] = {
        "fonttbl",      "stylesheet", "info",     "pict",       "header",
        "headerl",      "headerr",    "headerf",  "footer",     "footerl",
        "footerr",      "footerf",    "footnote", "annotation", "object",
        "filetbl",      "revtbl",     "rsidtbl",  "listtable",  "listoverridetable",
        "generator",    "fldinst",    "xmlnstbl", "themedata",  "colorschememapping",
        "latentstyles", "datastore",  "pgdsctbl", "nonshppict", "shp",
        "shpinst",      "author",     "operator", "title",      "subject",
        "keywords",     "comment",    "doccomm",  "company",    "bkmkstart",
        "bkmkend",      "txe",        "xe",       "tc",         "atnid",
        "atnauthor",    "private"};
    for (const char* w : words)
        if (word == w)
            return true;
    return false;
}

int clampInt(long long v, int lo, int hi) { return static_cast<int>(std::clamp<long long>(v, lo, hi)); }

class Reader {
public:
    explicit Reader(const QByteArray& data) : in_(data) {}

    QString run()
    {
        while (pos_ < in_.size()) {
            const char c = in_.at(pos_++);
            switch (c) {
            case '{':
                openGroup();
                break;
            case '}':
                closeGroup();
                break;
            case '\\':
                controlSequence();
                break;
            case '\r':
            case '\n':
            case '\0':
                break;
            default:
                if (codePage_ == 65001 && static_cast<unsigned char>(c) >= 0x80)
                    utf8Sequence(static_cast<unsigned char>(c));
                else
                    text(decodeByte(static_cast<unsigned char>(c), codePage_));
                break;
            }
        }
        endParagraph(false);
        return QStringLiteral("<html><head><meta charset=\"utf-8\"/></head><body>") + body_ +
               QStringLiteral("</body></html>");
    }

private:
    // Deeper nesting than any real document is counted but not stacked, so hostile input cannot
    // grow the stack without bound.
    static constexpr std::size_t MaxDepth = 512;

    void openGroup()
    {
        if (stack_.size() >= MaxDepth) {
            ++overflowDepth_;
            return;
        }
        stack_.push_back(state_);
    }

    void closeGroup()
    {
        if (overflowDepth_ > 0) {
            --overflowDepth_;
            return;
        }
        if (state_.dest == Destination::ColorTable)
            finishColor(false);
        unicodePending_ = 0;
        if (stack_.empty())
            return; // an unbalanced brace: ignored
        state_ = stack_.back();
        stack_.pop_back();
    }

    void controlSequence()
    {
        if (pos_ >= in_.size())
            return;
        const char c = in_.at(pos_);
        if (!isLetter(c)) {
            ++pos_;
            controlSymbol(c);
            return;
        }
        QByteArray word;
        while (pos_ < in_.size() && isLetter(in_.at(pos_))) {
            if (word.size() < 32)
                word.append(in_.at(pos_));
            ++pos_;
        }
        bool hasParam = false;
        long long param = 0;
        bool negative = false;
        if (pos_ < in_.size() && in_.at(pos_) == '-' && pos_ + 1 < in_.size() && isDigit(in_.at(pos_ + 1))) {
            negative = true;
            ++pos_;
        }
        int digits = 0;
        while (pos_ < in_.size() && isDigit(in_.at(pos_))) {
            if (digits < 10)
                param = param * 10 + (in_.at(pos_) - '0');
            ++digits;
            ++pos_;
            hasParam = true;
        }
        if (negative)
            param = -param;
        if (pos_ < in_.size() && in_.at(pos_) == ' ')
            ++pos_; // the delimiting blank belongs to the control word
        controlWord(word, hasParam, clampInt(param, -2147483647, 2147483647));
    }

    // A translated help file is written in UTF-8 (\ansicpg65001): a character is the lead byte
    // and its continuation bytes; a broken sequence shows as one replacement character.
    void utf8Sequence(unsigned char lead)
    {
        const int length = lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : lead >= 0xC0 ? 2 : 1;
        const qsizetype start = pos_ - 1;
        qsizetype end = pos_;
        while (end < in_.size() && end - start < length &&
               (static_cast<unsigned char>(in_.at(end)) & 0xC0) == 0x80)
            ++end;
        pos_ = end;
        if (end - start < length) {
            text(QChar(QChar::ReplacementCharacter));
            return;
        }
        const QString decoded = QString::fromUtf8(in_.constData() + start, end - start);
        for (QChar ch : decoded)
            text(ch);
    }

    void controlSymbol(char c)
    {
        switch (c) {
        case '\'': {
            if (pos_ + 1 < in_.size() && isHex(in_.at(pos_)) && isHex(in_.at(pos_ + 1))) {
                const int byte = hexValue(in_.at(pos_)) * 16 + hexValue(in_.at(pos_ + 1));
                pos_ += 2;
                text(decodeByte(static_cast<unsigned char>(byte), codePage_));
            }
            break;
        }
        case '\\':
        case '{':
        case '}':
            text(QLatin1Char(c));
            break;
        case '~':
            text(QChar(0x00A0));
            break;
        case '_':
            text(QChar(0x2011));
            break;
        case '*': // a destination a reader may ignore: we do
            if (state_.dest == Destination::Text)
                state_.dest = Destination::Skip;
            break;
        case '\r':
        case '\n':
            paragraph();
            break;
        default: // \- optional hyphen, \: index entry, \| formula character
            break;
        }
    }

    void controlWord(const QByteArray& w, bool hasParam, int p)
    {
        const bool on = !hasParam || p != 0;
        CharFormat& f = state_.chr;
        ParaFormat& pf = state_.para;

        if (w == "bin") {
            // Raw binary data of the given length; skip it whatever the destination.
            const qsizetype n = hasParam && p > 0 ? p : 0;
            pos_ += std::min(n, in_.size() - pos_);
            return;
        }
        if (w == "colortbl") {
            if (state_.dest == Destination::Text) {
                state_.dest = Destination::ColorTable;
                red_ = green_ = blue_ = -1;
            }
            return;
        }
        if (isSkippedDestination(w)) {
            state_.dest = Destination::Skip;
            return;
        }

        if (state_.dest == Destination::ColorTable) {
            if (w == "red")
                red_ = clampInt(p, 0, 255);
            else if (w == "green")
                green_ = clampInt(p, 0, 255);
            else if (w == "blue")
                blue_ = clampInt(p, 0, 255);
            return;
        }
        if (w == "ansicpg") {
            codePage_ = p;
            return;
        }
        if (w == "uc") {
            state_.unicodeSkip = clampInt(p, 0, 8);
            return;
        }
        if (state_.dest != Destination::Text)
            return;

        if (w == "u") {
            // A signed 16-bit code unit; the fallback characters after it are dropped.
            const int unit = p < 0 ? p + 65536 : p;
            if (hasParam && unit >= 0 && unit <= 0xFFFF)
                text(QChar(static_cast<char16_t>(unit)));
            unicodePending_ = state_.unicodeSkip;
            return;
        }
        if (w == "par" || w == "sect" || w == "page" || w == "row")
            paragraph();
        else if (w == "line")
            lineBreak();
        else if (w == "tab" || w == "cell")
            text(QLatin1Char('\t'));
        else if (w == "b")
            f.bold = on;
        else if (w == "i")
            f.italic = on;
        else if (w == "ul" || w == "uld" || w == "uldb" || w == "ulw" || w == "uldash" || w == "ulth")
            f.underline = on;
        else if (w == "ulnone")
            f.underline = false;
        else if (w == "strike" || w == "striked")
            f.strike = on;
        else if (w == "fs")
            f.halfPoints = hasParam && p > 0 ? clampInt(p, 2, 400) : 0;
        else if (w == "cf")
            f.color = clampInt(p, 0, 10000);
        else if (w == "highlight" || w == "cb" || w == "chcbpat")
            f.highlight = clampInt(p, 0, 10000);
        else if (w == "plain")
            f = CharFormat{};
        else if (w == "pard")
            pf = ParaFormat{};
        else if (w == "ql")
            pf.align = ParaFormat::Left;
        else if (w == "qc")
            pf.align = ParaFormat::Center;
        else if (w == "qr")
            pf.align = ParaFormat::Right;
        else if (w == "qj")
            pf.align = ParaFormat::Justify;
        else if (w == "li")
            pf.leftIndent = clampInt(p, -30000, 30000);
        else if (w == "fi")
            pf.firstIndent = clampInt(p, -30000, 30000);
        else if (w == "sb")
            pf.spaceBefore = clampInt(p, 0, 30000);
        else if (w == "sa")
            pf.spaceAfter = clampInt(p, 0, 30000);
        else if (w == "bullet")
            text(QChar(0x2022));
        else if (w == "endash")
            text(QChar(0x2013));
        else if (w == "emdash")
            text(QChar(0x2014));
        else if (w == "lquote")
            text(QChar(0x2018));
        else if (w == "rquote")
            text(QChar(0x2019));
        else if (w == "ldblquote")
            text(QChar(0x201C));
        else if (w == "rdblquote")
            text(QChar(0x201D));
        else if (w == "emspace" || w == "enspace" || w == "qmspace")
            text(QLatin1Char(' '));
        // Any other word only formats what we do not show; its text still appears.
    }

    void text(QChar ch)
    {
        if (state_.dest == Destination::ColorTable) {
            if (ch == QLatin1Char(';'))
                finishColor(true);
            return;
        }
        if (state_.dest != Destination::Text)
            return;
        if (unicodePending_ > 0) {
            --unicodePending_;
            return;
        }
        if (!run_.isEmpty() && !(runFormat_ == state_.chr))
            flushRun();
        if (run_.isEmpty())
            runFormat_ = state_.chr;
        run_.append(ch);
        paraHasText_ = true;
    }

    void finishColor(bool entryEnded)
    {
        if (!entryEnded && red_ < 0 && green_ < 0 && blue_ < 0)
            return;
        if (red_ < 0 && green_ < 0 && blue_ < 0)
            colors_.append(QString()); // the automatic colour
        else
            colors_.append(QStringLiteral("#%1%2%3")
                               .arg(std::max(red_, 0), 2, 16, QLatin1Char('0'))
                               .arg(std::max(green_, 0), 2, 16, QLatin1Char('0'))
                               .arg(std::max(blue_, 0), 2, 16, QLatin1Char('0')));
        red_ = green_ = blue_ = -1;
    }

    QString color(int index) const
    {
        return index > 0 && index < colors_.size() ? colors_.at(index) : QString();
    }

    void flushRun()
    {
        if (run_.isEmpty())
            return;
        QStringList style;
        if (runFormat_.bold)
            style << QStringLiteral("font-weight:bold");
        if (runFormat_.italic)
            style << QStringLiteral("font-style:italic");
        if (runFormat_.underline && runFormat_.strike)
            style << QStringLiteral("text-decoration:underline line-through");
        else if (runFormat_.underline)
            style << QStringLiteral("text-decoration:underline");
        else if (runFormat_.strike)
            style << QStringLiteral("text-decoration:line-through");
        if (runFormat_.halfPoints > 0)
            style << QStringLiteral("font-size:%1pt").arg(runFormat_.halfPoints / 2.0);
        if (const QString fg = color(runFormat_.color); !fg.isEmpty())
            style << QStringLiteral("color:") + fg;
        if (const QString bg = color(runFormat_.highlight); !bg.isEmpty())
            style << QStringLiteral("background-color:") + bg;
        const QString escaped = run_.toHtmlEscaped();
        if (style.isEmpty())
            para_ += escaped;
        else
            para_ += QStringLiteral("<span style=\"") + style.join(QLatin1Char(';')) + QStringLiteral("\">") +
                     escaped + QStringLiteral("</span>");
        run_.clear();
    }

    void lineBreak()
    {
        if (state_.dest != Destination::Text)
            return;
        flushRun();
        para_ += QStringLiteral("<br/>");
        paraHasText_ = true;
    }

    void paragraph()
    {
        if (state_.dest == Destination::Text)
            endParagraph(true);
    }

    // Closes the paragraph being built; an explicit paragraph mark keeps an empty line.
    void endParagraph(bool explicitMark)
    {
        flushRun();
        if (!paraHasText_ && !explicitMark)
            return;
        const ParaFormat& pf = state_.para;
        QString style = QStringLiteral("margin-top:%1px;margin-bottom:%2px;margin-left:%3px;text-indent:%4px;"
                                       "white-space:pre-wrap")
                            .arg(pf.spaceBefore / 15)
                            .arg(pf.spaceAfter / 15)
                            .arg(std::max(pf.leftIndent, 0) / 15)
                            .arg(pf.firstIndent / 15);
        static const char* const aligns[] = {"left", "center", "right", "justify"};
        style += QStringLiteral(";text-align:") + QLatin1String(aligns[pf.align]);
        body_ += QStringLiteral("<p style=\"") + style + QStringLiteral("\">") +
                 (paraHasText_ ? para_ : QStringLiteral("&nbsp;")) + QStringLiteral("</p>\n");
        para_.clear();
        paraHasText_ = false;
    }

    static bool isLetter(char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); }
    static bool isDigit(char c) { return c >= '0' && c <= '9'; }
    static bool isHex(char c) { return isDigit(c) || (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F'); }
    static int hexValue(char c)
    {
        if (isDigit(c))
            return c - '0';
        return (c >= 'a' ? c - 'a' : c - 'A') + 10;
    }

    const QByteArray& in_;
    qsizetype pos_ = 0;
    State state_;
    std::vector<State> stack_;
    std::size_t overflowDepth_ = 0;
    int unicodePending_ = 0;
    int codePage_ = 1252;
    QStringList colors_;
    int red_ = -1;
    int green_ = -1;
    int blue_ = -1;
    QString body_;
    QString para_;
    bool paraHasText_ = false;
    QString run_;
    CharFormat runFormat_;
};

QString page(const QString& title, const QString& detail)
{
    return QStringLiteral("<html><body><p><b>") + title.toHtmlEscaped() + QStringLiteral("</b></p><p>") +
           detail.toHtmlEscaped() + QStringLiteral("</p></body></html>");
}

QString plainTextToHtml(const QByteArray& data)
{
    QString body;
    const QStringList lines = QString::fromUtf8(data).split(QLatin1Char('\n'));
    for (QString line : lines) {
        if (line.endsWith(QLatin1Char('\r')))
            line.chop(1);
        body += QStringLiteral("<p style=\"margin:0px;white-space:pre-wrap\">") +
                (line.isEmpty() ? QStringLiteral("&nbsp;") : line.toHtmlEscaped()) + QStringLiteral("</p>\n");
    }
    return QStringLiteral("<html><body>") + body + QStringLiteral("</body></html>");
}

bool looksLikeRichText(const QByteArray& data)
{
    qsizetype i = 0;
    if (data.startsWith("\xEF\xBB\xBF"))
        i = 3;
    while (i < data.size() &&
           (data.at(i) == ' ' || data.at(i) == '\t' || data.at(i) == '\r' || data.at(i) == '\n'))
        ++i;
    return data.mid(i, 5) == "{\\rtf";
}

} // namespace

QString richTextToHtml(const QByteArray& rtf)
{
    if (!looksLikeRichText(rtf))
        return plainTextToHtml(rtf);
    return Reader(rtf).run();
}

QString richTextFileToHtml(const QString& path)
{
    const QString where = QStringLiteral("Orebell looks for it at: ") + path +
                          QStringLiteral(". Reinstalling Orebell puts it back.");
    const QFileInfo info(path);
    if (path.isEmpty() || !info.exists())
        return page(QStringLiteral("The help file is missing."), where);
    if (!info.isFile())
        return page(QStringLiteral("The help file is not a file."), where);
    if (info.size() > MaxRichTextFileBytes)
        return page(QStringLiteral("The help file is too large to show."), where);
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return page(QStringLiteral("The help file cannot be read (") + file.errorString() +
                        QStringLiteral(")."),
                    where);
    const QByteArray data = file.read(MaxRichTextFileBytes + 1);
    if (file.error() != QFileDevice::NoError)
        return page(QStringLiteral("The help file cannot be read (") + file.errorString() +
                        QStringLiteral(")."),
                    where);
    if (data.trimmed().isEmpty())
        return page(QStringLiteral("The help file is empty."), where);
    return richTextToHtml(data);
}

} // namespace orebell
