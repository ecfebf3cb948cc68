#include "toolkit/RichText.h"

#include <QDir>
#include <QFile>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTextBlock>
#include <QTextDocument>

#include <gtest/gtest.h>

using namespace orebell;

namespace {

// What a text browser shows for the converted document.
struct Shown {
    explicit Shown(const QByteArray& rtf) { doc.setHtml(richTextToHtml(rtf)); }
    QString text() const { return doc.toPlainText(); }
    QStringList blocks() const
    {
        QStringList out;
        for (QTextBlock b = doc.begin(); b.isValid(); b = b.next())
            out << b.text();
        return out;
    }
    // The character format of the first occurrence of a word.
    QTextCharFormat formatOf(const QString& word) const
    {
        for (QTextBlock b = doc.begin(); b.isValid(); b = b.next())
            for (auto it = b.begin(); !it.atEnd(); ++it)
                if (it.fragment().text().contains(word))
                    return it.fragment().charFormat();
        ADD_FAILURE() << "no fragment with " << word.toStdString();
        return {};
    }
    QTextDocument doc;
};

QByteArray helpOf(const char* platform)
{
    QFile file(QStringLiteral(OREBELL_HELP_DIR "/%1/Help.rtf").arg(QLatin1String(platform)));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

TEST(RichText, EachPlatformsHelpSpeaksOfItsOwnPlaces)
{
    const QString linuxHelp = Shown(helpOf("linux")).text();
    const QString windowsHelp = Shown(helpOf("windows")).text();
    ASSERT_FALSE(linuxHelp.isEmpty());
    ASSERT_FALSE(windowsHelp.isEmpty());
    for (const char* words : {"~/.config/Orebell/Orebell_III.ini", "~/.local/share/Orebell/mining-log.sqlite",
                              "Ctrl+C in its terminal", "XWayland"}) {
        EXPECT_TRUE(linuxHelp.contains(QLatin1String(words))) << words;
        EXPECT_FALSE(windowsHelp.contains(QLatin1String(words))) << words;
    }
    for (const char* words :
         {"HKEY_CURRENT_USER\\Software\\VB and VBA Program Settings\\Orebell_III\\GlobalKeys",
          "%LOCALAPPDATA%\\Orebell\\mining-log.sqlite", "sign out"}) {
        EXPECT_TRUE(windowsHelp.contains(QLatin1String(words))) << words;
        EXPECT_FALSE(linuxHelp.contains(QLatin1String(words))) << words;
    }
    for (const char* elsewhere : {"X11", "Wayland", "terminal", ".config", "["})
        EXPECT_FALSE(windowsHelp.contains(QLatin1String(elsewhere))) << elsewhere;
    EXPECT_FALSE(linuxHelp.contains(QLatin1String("[linux]")) ||
                 linuxHelp.contains(QLatin1String("[windows]")));
    // Nothing else differs: the same sections in the same order.
    EXPECT_EQ(linuxHelp.count(QLatin1Char('\n')), windowsHelp.count(QLatin1Char('\n')));
}

// Each translation of the help, in UTF-8, reads as text on each platform: the English sections,
// line for line, and how to choose the language.
TEST(RichText, EachTranslatedHelpReadsWholeAndSaysHowToChooseTheLanguage)
{
    const QRegularExpression controlWord(QStringLiteral("\\\\(par|pard|b|i|ul|qc|u\\d+|bullet)\\b"));
    for (const char* platform : {"linux", "windows"}) {
        const QString english = Shown(helpOf(platform)).text();
        ASSERT_TRUE(english.contains(QLatin1String("--language"))) << platform;
        for (const char* language : {"de", "fr", "ru", "es", "zh_CN"}) {
            QFile file(QStringLiteral(OREBELL_HELP_DIR "/%1/Help_%2.rtf")
                           .arg(QLatin1String(platform), QLatin1String(language)));
            ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << platform << " " << language;
            const QString text = Shown(file.readAll()).text();
            EXPECT_EQ(text.count(QLatin1Char('\n')), english.count(QLatin1Char('\n')))
                << platform << " " << language;
            EXPECT_TRUE(text.contains(QLatin1String("--language"))) << platform << " " << language;
            EXPECT_TRUE(text.contains(QChar(0x00B3))) << platform << " " << language; // m³, м³
            EXPECT_FALSE(text.contains(QChar(QChar::ReplacementCharacter))) << platform << " " << language;
            EXPECT_FALSE(text.contains(controlWord)) << platform << " " << language;
            EXPECT_FALSE(text.contains(QLatin1String("[linux]")) ||
                         text.contains(QLatin1String("[windows]")));
            EXPECT_EQ(text.contains(QLatin1String("~/.config/Orebell/Orebell_III.ini")),
                      QLatin1String(platform) == QLatin1String("linux"))
                << platform << " " << language;
        }
    }
}

TEST(RichText, AUtf8FileDecodesItsCharactersAndABrokenOneShowsAReplacement)
{
    EXPECT_EQ(Shown(QByteArrayLiteral("{\\rtf1\\ansi\\ansicpg65001 Gr\xC3\xB6\xC3\x9F"
                                      "e \xE9\x87\x87\xE7\x9F\xBF}"))
                  .text(),
              QStringLiteral("Gr\u00F6\u00DFe \u91C7\u77FF"));
    EXPECT_EQ(Shown(QByteArrayLiteral("{\\rtf1\\ansi\\ansicpg65001 a\xE9\x87"
                                      " b}"))
                  .text(),
              QStringLiteral("a\uFFFD b"));
    // Code page 1252 reads the same bytes one by one, as before.
    EXPECT_EQ(Shown(QByteArrayLiteral("{\\rtf1\\ansi\\ansicpg1252 Gr\xF6\xDF"
                                      "e}"))
                  .text(),
              QStringLiteral("Gr\u00F6\u00DFe"));
}

TEST(RichText, OurHelpFileReadsAsFormattedText)
{
    QFile file(QDir(QStringLiteral(OREBELL_RUNTIME_DIR)).filePath(QStringLiteral("Help.rtf")));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const Shown help(file.readAll());
    const QString text = help.text();
    for (const char* heading : {"The button bar", "Loading an asteroid", "The timers and their colours",
                                "Doubling lasers", "Cargo hold", "Jet cans", "Sounds", "The ore calculator",
                                "Virtual refining", "Goals", "What is saved and when"})
        EXPECT_TRUE(text.contains(QLatin1String(heading))) << heading;
    // Escapes decoded, tables and ignorable destinations left out, no control word leaking.
    EXPECT_TRUE(text.contains(QStringLiteral("m\u00B3")));
    EXPECT_TRUE(text.contains(QStringLiteral("? \u2192 this help")));
    EXPECT_TRUE(text.contains(QStringLiteral("game\u2019s data")));
    for (const char* leak : {"{", "}", "Arial", "Courier", "generator", "red224", "rtf1"})
        EXPECT_FALSE(text.contains(QLatin1String(leak))) << leak;
    // No control word leaks (a backslash in a Windows path is text).
    const QRegularExpression controlWord(QStringLiteral(
        "\\\\(par|pard|b|i|ul|qc|li\\d+|fi-?\\d+|sa\\d+|cf\\d+|fs\\d+|bullet|u\\d+|rquote)\\b"));
    EXPECT_FALSE(text.contains(controlWord)) << text.toStdString();

    const QTextCharFormat heading = help.formatOf(QStringLiteral("Loading an asteroid"));
    EXPECT_EQ(heading.fontWeight(), QFont::Bold);
    EXPECT_EQ(heading.foreground().color(), QColor(224, 128, 0));
    EXPECT_DOUBLE_EQ(heading.fontPointSize(), 11.0);
    EXPECT_TRUE(help.formatOf(QStringLiteral("Changes take effect")).fontUnderline());
    EXPECT_TRUE(help.formatOf(QStringLiteral("Save Settings on Exit")).fontItalic());
    EXPECT_EQ(help.doc.begin().blockFormat().alignment() & Qt::AlignHorizontal_Mask, Qt::AlignHCenter);
}

TEST(RichText, CharacterFormattingFollowsGroupsAndSwitches)
{
    const Shown doc(QByteArrayLiteral("{\\rtf1{\\colortbl ;\\red255\\green0\\blue0;\\red0\\green0\\blue255;}"
                                      "plain {\\b bold {\\i both}} \\ul under\\ulnone  \\b on\\b0  off "
                                      "\\fs40 big\\plain  small {\\cf1 red} {\\cf2\\highlight1 blue} "
                                      "{\\cf9 nine} {\\strike gone}}"));
    EXPECT_EQ(doc.text(), QStringLiteral("plain bold both under on off big small red blue nine gone"));
    EXPECT_NE(doc.formatOf(QStringLiteral("plain")).fontWeight(), QFont::Bold);
    EXPECT_EQ(doc.formatOf(QStringLiteral("bold")).fontWeight(), QFont::Bold);
    const QTextCharFormat both = doc.formatOf(QStringLiteral("both"));
    EXPECT_EQ(both.fontWeight(), QFont::Bold);
    EXPECT_TRUE(both.fontItalic());
    EXPECT_TRUE(doc.formatOf(QStringLiteral("under")).fontUnderline());
    EXPECT_NE(doc.formatOf(QStringLiteral("off")).fontWeight(), QFont::Bold);
    EXPECT_FALSE(doc.formatOf(QStringLiteral("off")).fontUnderline());
    EXPECT_DOUBLE_EQ(doc.formatOf(QStringLiteral("big")).fontPointSize(), 20.0);
    EXPECT_FALSE(doc.formatOf(QStringLiteral("small")).hasProperty(QTextFormat::FontPointSize));
    EXPECT_EQ(doc.formatOf(QStringLiteral("red")).foreground().color(), QColor(255, 0, 0));
    const QTextCharFormat blue = doc.formatOf(QStringLiteral("blue"));
    EXPECT_EQ(blue.foreground().color(), QColor(0, 0, 255));
    EXPECT_EQ(blue.background().color(), QColor(255, 0, 0));
    EXPECT_FALSE(doc.formatOf(QStringLiteral("nine")).hasProperty(QTextFormat::ForegroundBrush));
    EXPECT_TRUE(doc.formatOf(QStringLiteral("gone")).fontStrikeOut());
}

TEST(RichText, ParagraphsLineBreaksAndAlignment)
{
    const Shown doc(QByteArrayLiteral("{\\rtf1\\pard\\qc centred\\par\\pard left\\line next\\par\\par "
                                      "a\\tab b\\par last}"));
    const QStringList blocks = doc.blocks();
    ASSERT_EQ(blocks.size(), 5);
    EXPECT_EQ(blocks[0], QStringLiteral("centred"));
    EXPECT_EQ(blocks[1], QStringLiteral("left\u2028next"));
    EXPECT_TRUE(blocks[2].trimmed().isEmpty() || blocks[2] == QStringLiteral("\u00A0"));
    EXPECT_EQ(blocks[3], QStringLiteral("a\tb"));
    EXPECT_EQ(blocks[4], QStringLiteral("last")); // text after the last mark still shows
    EXPECT_EQ(doc.doc.begin().blockFormat().alignment() & Qt::AlignHorizontal_Mask, Qt::AlignHCenter);
    EXPECT_EQ(doc.doc.begin().next().blockFormat().alignment() & Qt::AlignHorizontal_Mask, Qt::AlignLeft);
}

TEST(RichText, EscapesAndUnicodeFallbacks)
{
    // \'hh in Windows-1252, \uN with one, zero and two fallback characters, negative \uN,
    // a surrogate pair, escaped braces and backslash, and markup that must stay text.
    const Shown doc(
        QByteArrayLiteral("{\\rtf1\\ansi caf\\'e9 \\'80 \\u8364? {\\uc0\\u8364} {\\uc2\\u8364\\'3f\\'3fx}"
                          " \\u-3913? \\u-10180?\\u-8438? \\{\\}\\\\ <b>&amp;</b>\\~end}"));
    EXPECT_EQ(doc.text(), QStringLiteral("caf\u00E9 \u20AC \u20AC \u20AC \u20ACx \uF0B7 \U0001F30A {}\\ "
                                         "<b>&amp;</b>\u00A0end")
                              .replace(QChar(0x00A0), QLatin1Char(' ')));
}

TEST(RichText, TablesPicturesAndIgnorableDestinationsAreSkipped)
{
    const Shown doc(QByteArrayLiteral("{\\rtf1{\\fonttbl{\\f0 Arial;}}{\\stylesheet{\\s1 Heading;}}"
                                      "{\\info{\\title Secret title}{\\author Someone}}"
                                      "{\\*\\unknowndest hidden {\\b deeper}}{\\pict\\pngblip 89504e47}"
                                      "{\\field{\\*\\fldinst HYPERLINK x}{\\fldrslt shown link}}"
                                      " a{\\bin5 }}{x}b\\unknownword c}"));
    EXPECT_EQ(doc.text(), QStringLiteral("shown link abc"));
}

TEST(RichText, MalformedInputNeverBreaksTheReader)
{
    const QByteArray cases[] = {
        "{\\rtf",
        "{\\rtf1",
        "{\\rtf1 unclosed {\\b group",
        "{\\rtf1 extra}}}} closing}",
        "{\\rtf1 trailing backslash\\",
        "{\\rtf1 half escape \\'",
        "{\\rtf1 bad escape \\'zz}",
        "{\\rtf1 \\fs-5 \\fs99999999999999999 \\u99999999999 \\cf-3 \\li-2147483648 x}",
        "{\\rtf1 \\bin999999999",
        "{\\rtf1 {\\colortbl ;\\red999\\green-1;\\red",
        "{\\rtf1 \\abcdefghijklmnopqrstuvwxyzabcdefghijklmnopqrstuvwxyz123 y}",
        QByteArray("{\\rtf1 nul\0byte}", 16),
    };
    for (const QByteArray& rtf : cases) {
        const QString html = richTextToHtml(rtf);
        EXPECT_TRUE(html.startsWith(QLatin1String("<html>"))) << rtf.constData();
        EXPECT_TRUE(html.endsWith(QLatin1String("</html>"))) << rtf.constData();
    }
    EXPECT_EQ(Shown("{\\rtf1 unclosed {\\b group").text(), QStringLiteral("unclosed group"));
    EXPECT_EQ(Shown("{\\rtf1 extra}}}} closing}").text(), QStringLiteral("extra closing"));

    // Nesting far deeper than any document: the text inside and after it still shows.
    const QByteArray deep =
        "{\\rtf1 " + QByteArray(100000, '{') + "inside" + QByteArray(100000, '}') + " after}";
    EXPECT_EQ(Shown(deep).text(), QStringLiteral("inside after"));

    QRandomGenerator rng(12345);
    for (int round = 0; round < 200; ++round) {
        QByteArray noise = "{\\rtf1 ";
        const int length = rng.bounded(1, 400);
        static const char alphabet[] = "{}\\'*ubfsicl0123456789-; abpar";
        for (int i = 0; i < length; ++i)
            noise.append(rng.bounded(4) == 0 ? static_cast<char>(rng.bounded(256))
                                             : alphabet[rng.bounded(static_cast<int>(sizeof alphabet - 1))]);
        EXPECT_TRUE(richTextToHtml(noise).endsWith(QLatin1String("</html>")));
    }
}

TEST(RichText, TextThatIsNotRichTextShowsAsItIs)
{
    const Shown doc(QByteArrayLiteral("Plain help\r\n<b>not markup</b> & more\n\u00e9"));
    EXPECT_EQ(doc.blocks(),
              (QStringList{QStringLiteral("Plain help"), QStringLiteral("<b>not markup</b> & more"),
                           QStringLiteral("\u00e9")}));
}

TEST(RichText, MissingEmptyOrOddFilesExplainThemselves)
{
    QTemporaryDir dir;
    const QString missing = dir.filePath(QStringLiteral("Help.rtf"));
    QTextDocument doc;
    doc.setHtml(richTextFileToHtml(missing));
    EXPECT_TRUE(doc.toPlainText().contains(QStringLiteral("The help file is missing.")));
    EXPECT_TRUE(doc.toPlainText().contains(missing));

    doc.setHtml(richTextFileToHtml(dir.path()));
    EXPECT_TRUE(doc.toPlainText().contains(QStringLiteral("not a file")));

    QFile empty(missing);
    ASSERT_TRUE(empty.open(QIODevice::WriteOnly));
    empty.write("  \r\n");
    empty.close();
    doc.setHtml(richTextFileToHtml(missing));
    EXPECT_TRUE(doc.toPlainText().contains(QStringLiteral("The help file is empty.")));

    ASSERT_TRUE(empty.resize(MaxRichTextFileBytes + 1));
    doc.setHtml(richTextFileToHtml(missing));
    EXPECT_TRUE(doc.toPlainText().contains(QStringLiteral("too large")));

    ASSERT_TRUE(empty.open(QIODevice::WriteOnly | QIODevice::Truncate));
    empty.write("{\\rtf1 {\\b Hello} world\\par}");
    empty.close();
    doc.setHtml(richTextFileToHtml(missing));
    EXPECT_EQ(doc.toPlainText(), QStringLiteral("Hello world"));
}

} // namespace
