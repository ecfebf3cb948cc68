#include "SoundFixture.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

using namespace orebell;
using namespace orebell::test;

namespace {

struct BrowseFormTest : SoundFixture {
    QTemporaryDir folder;
    QList<Form*> seen; // what the view was told, in order

    BrowseFormTest()
    {
        for (const char* name : {"alarm.WAV", "alarm.Wav", "bell10.wav", "bell2.wav", "notes.txt"}) {
            QFile f(folder.filePath(QString::fromLatin1(name)));
            f.open(QIODevice::WriteOnly);
        }
        QDir(folder.path()).mkdir(QStringLiteral("more"));
        sound->onBrowseFormChanged([this](Form* f) { seen << f; });
    }

    // Opens the chooser for a row and shows the test folder in it.
    Form& open(int row)
    {
        browse(row).click();
        Form* f = sound->browseForm();
        EXPECT_NE(f, nullptr);
        f->control(QStringLiteral("Dir1")).setText(folder.path());
        return *f;
    }
    QString inFolder(const char* name)
    {
        return QDir::toNativeSeparators(folder.filePath(QString::fromLatin1(name)));
    }
};

TEST_F(BrowseFormTest, OpensModalOnTopWithTheRowInItsHeading)
{
    path(4).setText(QStringLiteral("/old/path.wav"));
    browse(4).click();
    Form* f = sound->browseForm();
    ASSERT_NE(f, nullptr);
    EXPECT_EQ(sound->selectedSoundIndex(), 4);
    EXPECT_EQ(seen, QList<Form*>{f});
    EXPECT_EQ(f->name(), QStringLiteral("frmBrowse"));
    EXPECT_TRUE(f->visible());
    EXPECT_TRUE(f->modal());
    EXPECT_TRUE(f->onTop());
    EXPECT_EQ(platform.onTopRequests(), QList<bool>{true});
    EXPECT_EQ(f->width(), 4815);
    EXPECT_EQ(f->height(), 3615);
    EXPECT_EQ(f->control(QStringLiteral("lblSelectSound")).caption(),
              QStringLiteral("Select .WAV file for \"Jetcan reminder\""));
    EXPECT_EQ(f->control(QStringLiteral("Dir1")).toolTipText(), QStringLiteral("\"Jetcan reminder\""));
    EXPECT_EQ(f->control(QStringLiteral("File1")).toolTipText(), QStringLiteral("\"Jetcan reminder\""));
    EXPECT_EQ(platform.played(), QStringList{programFile("tick1.wav")});
    // Both lists start in the process's current folder.
    EXPECT_EQ(f->control(QStringLiteral("Dir1")).text(), QDir::toNativeSeparators(QDir::currentPath()));

    browse(2).click(); // the main window takes no clicks while the chooser is open
    EXPECT_EQ(sound->browseForm(), f);
    EXPECT_EQ(sound->selectedSoundIndex(), 4);
}

TEST_F(BrowseFormTest, TheFileListShowsEveryFileOfTheChosenFolder)
{
    Form& f = open(0);
    const Control& dir = f.control(QStringLiteral("Dir1"));
    const Control& files = f.control(QStringLiteral("File1"));
    EXPECT_EQ(dir.path(), QDir::toNativeSeparators(folder.path()));
    EXPECT_EQ(dir.items(), QStringList{QStringLiteral("more")});
    QStringList expected{QStringLiteral("alarm.WAV"), QStringLiteral("alarm.Wav"),
                         QStringLiteral("bell10.wav"), QStringLiteral("bell2.wav"),
                         QStringLiteral("notes.txt")};
#ifdef Q_OS_WIN
    expected.removeAt(1); // one file: Windows names ignore case
#endif
    EXPECT_EQ(files.items(), expected);

    // Relative names move from the folder shown; the view may set the path instead of the text.
    f.control(QStringLiteral("Dir1")).setText(QStringLiteral("more"));
    EXPECT_EQ(dir.text(), inFolder("more"));
    EXPECT_TRUE(files.items().isEmpty());
    f.control(QStringLiteral("Dir1")).setPath(QStringLiteral(".."));
    EXPECT_EQ(dir.text(), QDir::toNativeSeparators(folder.path()));
    EXPECT_EQ(files.listCount(), expected.size());

    f.control(QStringLiteral("Dir1")).setText(folder.filePath(QStringLiteral("gone")));
    EXPECT_TRUE(files.items().isEmpty()); // a folder that cannot be read lists nothing
}

TEST_F(BrowseFormTest, AcceptWritesThePathAndToolTipOfTheRowAndCloses)
{
    Form& f = open(4);
    f.control(QStringLiteral("File1")).setText(QStringLiteral("alarm.WAV"));
    platform.clearRecords();
    f.control(QStringLiteral("lblAccept"), 0).click();

    EXPECT_EQ(path(4).text(), inFolder("alarm.WAV"));
    EXPECT_EQ(path(4).toolTipText(), QStringLiteral(" alarm.WAV "));
    EXPECT_EQ(platform.played(), QStringList{programFile("tick1.wav")});
    EXPECT_EQ(sound->browseForm(), nullptr);
    EXPECT_EQ(seen.size(), 2);
    EXPECT_EQ(seen.last(), nullptr);
    EXPECT_EQ(activations, 1); // the main window is active again
    EXPECT_TRUE(path(0).text().isEmpty());

    // The table takes the new path at the next load only.
    sound->PlayEventSound(JetcanReminder);
    EXPECT_EQ(platform.played().size(), 1);
    sound->LoadSounds();
    sound->PlayEventSound(JetcanReminder);
    EXPECT_EQ(platform.played().last(), inFolder("alarm.WAV"));
}

TEST_F(BrowseFormTest, AcceptIgnoresOtherEndingsAndAnEmptySelection)
{
    Form& f = open(1);
    path(1).setText(QStringLiteral("/kept.wav"));
    platform.clearRecords();
    for (const char* name : {"", "alarm.Wav", "notes.txt", "wave.WAv"}) {
        f.control(QStringLiteral("File1")).setText(QString::fromLatin1(name));
        f.control(QStringLiteral("lblAccept"), 0).click();
        EXPECT_EQ(sound->browseForm(), &f) << name;
    }
    EXPECT_EQ(path(1).text(), QStringLiteral("/kept.wav"));
    EXPECT_TRUE(platform.played().isEmpty());
    EXPECT_EQ(activations, 0);
}

TEST_F(BrowseFormTest, DoubleClickOnAFileAccepts)
{
    Form& f = open(2);
    Control& files = f.control(QStringLiteral("File1"));
    files.setText(QStringLiteral("bell2.wav"));
    files.dblClick();
    EXPECT_EQ(path(2).text(), inFolder("bell2.wav"));
    EXPECT_EQ(sound->browseForm(), nullptr);
}

TEST_F(BrowseFormTest, CancelLeavesThePathAlone)
{
    path(3).setText(QStringLiteral("/kept.wav"));
    Form& f = open(3);
    f.control(QStringLiteral("File1")).setText(QStringLiteral("bell2.wav"));
    platform.clearRecords();
    f.control(QStringLiteral("lblCancel"), 0).click();
    EXPECT_EQ(path(3).text(), QStringLiteral("/kept.wav"));
    EXPECT_EQ(platform.played(), QStringList{programFile("tick1.wav")});
    EXPECT_EQ(sound->browseForm(), nullptr);
    EXPECT_EQ(activations, 1);
}

TEST_F(BrowseFormTest, ClosingFromTheSystemIsACancel)
{
    Form& f = open(0);
    platform.clearRecords();
    f.requestClose();
    EXPECT_EQ(sound->browseForm(), nullptr);
    EXPECT_TRUE(platform.played().isEmpty());
    EXPECT_EQ(activations, 1);
}

TEST_F(BrowseFormTest, ARootFolderGivesNoDoubledSeparator)
{
    Form& f = open(0);
    f.control(QStringLiteral("Dir1")).setText(QDir::rootPath());
    f.control(QStringLiteral("File1")).setText(QStringLiteral("alarm.wav"));
    f.control(QStringLiteral("lblAccept"), 0).click();
    EXPECT_EQ(path(0).text(), QDir::toNativeSeparators(QDir::rootPath() + QStringLiteral("alarm.wav")));
}

TEST_F(BrowseFormTest, EachOpeningStartsAFreshChooser)
{
    Form& first = open(0);
    first.control(QStringLiteral("lblCancel"), 0).click();
    browse(5).click();
    Form* second = sound->browseForm();
    ASSERT_NE(second, nullptr);
    EXPECT_EQ(second->control(QStringLiteral("Dir1")).text(), QDir::toNativeSeparators(QDir::currentPath()));
    EXPECT_EQ(second->control(QStringLiteral("lblSelectSound")).caption(),
              QStringLiteral("Select .WAV file for \"Crystal change reminder\""));
    EXPECT_TRUE(second->control(QStringLiteral("File1")).text().isEmpty());
}

TEST_F(BrowseFormTest, DraggedWithTheLeftButtonByHeadingOrBackground)
{
    Form& f = open(0);
    f.move(1000, 2000);
    f.mouseDown(LeftButton, 0, 100.4, 50.6);
    f.mouseMove(LeftButton, 0, 160, 81);
    EXPECT_EQ(f.left(), 1060);
    EXPECT_EQ(f.top(), 2030);
    f.mouseMove(RightButton, 0, 500, 500);
    f.mouseMove(LeftButton | RightButton, 0, 500, 500);
    EXPECT_EQ(f.left(), 1060);

    Control& heading = f.control(QStringLiteral("lblSelectSound"));
    heading.mouseDown(LeftButton, 0, 10, 10);
    heading.mouseMove(LeftButton, 0, -90, 30);
    EXPECT_EQ(f.left(), 960);
    EXPECT_EQ(f.top(), 2050);
}

TEST_F(BrowseFormTest, AcceptAndCancelLightUpUnderTheMouse)
{
    Form& f = open(0);
    Control& accept = f.control(QStringLiteral("lblAccept"), 0);
    Control& cancel = f.control(QStringLiteral("lblCancel"), 0);
    accept.mouseMove(0, 0, 5, 5);
    cancel.mouseMove(0, 0, 5, 5);
    EXPECT_EQ(accept.backColor(), 0x606060u);
    EXPECT_EQ(cancel.backColor(), 0x606060u);
    repaints.clear();
    f.mouseMove(0, 0, 5, 5);
    EXPECT_EQ(accept.backColor(), 0u);
    EXPECT_EQ(cancel.backColor(), 0u);
    // The main window's repaint runs too, touching no element of its bar.
    ASSERT_EQ(repaints.size(), 1u);
    EXPECT_EQ(std::get<0>(repaints[0]), QStringLiteral("lblControlButton"));
    EXPECT_EQ(std::get<2>(repaints[0]), -1);
}

} // namespace
