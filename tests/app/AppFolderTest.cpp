#include "app/AppFolderResolution.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include <unistd.h>

namespace {

void writeFile(const QString& path, const QByteArray& bytes) {
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(bytes);
}

QByteArray readFile(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// A shipped content folder, an executable folder and a user folder side by side.
struct Folders {
    Folders() {
        writeFile(content() + "/aobj_prog_type.cfg", " 1 \r\n");
        writeFile(content() + "/teacher.lgn", "shipped options");
        writeFile(content() + "/aobj_gong.wav", "gong");
        QDir().mkpath(exe());
    }
    QString content() const { return root.path() + "/share/stepwick/content"; }
    QString exe() const { return root.path() + "/bin"; }
    QString user() const { return root.path() + "/user/stepwick"; }
    AppFolderInputs inputs(QStringList extra = {}) const {
        return {QStringList{QStringLiteral("stepwick")} + extra, exe(), user(), content()};
    }
    QTemporaryDir root;
};

TEST(AppFolder, CommandLineFolderWins) {
    Folders f;
    QTemporaryDir chosen;
    writeFile(chosen.path() + "/aobj_prog_type.cfg", " 2 \r\n");
    writeFile(f.exe() + "/aobj_prog_type.cfg", " 1 \r\n");  // even over a portable copy
    for (const QStringList& args :
         {QStringList{"--app-folder", chosen.path()}, QStringList{"--app-folder=" + chosen.path()}}) {
        auto r = resolveAppFolder(f.inputs(args));
        ASSERT_TRUE(r.ok()) << r.error().toStdString();
        EXPECT_EQ(r->folder, QDir::cleanPath(chosen.path()));
        EXPECT_FALSE(r->filled);
    }
    // A data folder is used as it is.
    EXPECT_FALSE(QFileInfo::exists(chosen.path() + "/teacher.lgn"));
}

// A classroom folder: a new one or an empty one gets the default content; one that holds
// something else is refused and left exactly as it was.
TEST(AppFolder, ANewOrEmptyClassroomFolderIsFilledAndAForeignOneRefused) {
    Folders f;
    QTemporaryDir parent;
    const QString fresh = parent.path() + "/classroom";
    const QString empty = parent.path() + "/empty";
    QDir().mkpath(empty);
    for (const QString& folder : {fresh, empty}) {
        auto r = resolveAppFolder(f.inputs({"--app-folder", folder}));
        ASSERT_TRUE(r.ok()) << folder.toStdString() << ": " << r.error().toStdString();
        EXPECT_EQ(r->folder, QDir::cleanPath(folder));
        EXPECT_TRUE(r->filled);
        EXPECT_EQ(readFile(folder + "/teacher.lgn"), QByteArray("shipped options"));
        // The next start uses it as it is.
        writeFile(folder + "/teacher.lgn", "changed");
        auto again = resolveAppFolder(f.inputs({"--app-folder", folder}));
        ASSERT_TRUE(again.ok());
        EXPECT_FALSE(again->filled);
        EXPECT_EQ(readFile(folder + "/teacher.lgn"), QByteArray("changed"));
    }

    const QString foreign = parent.path() + "/papers";
    writeFile(foreign + "/notes.txt", "my notes");
    auto r = resolveAppFolder(f.inputs({"--app-folder", foreign}));
    ASSERT_FALSE(r.ok());
    EXPECT_TRUE(r.error().contains(QLatin1String("is not a Stepwick data folder"))) << r.error().toStdString();
    EXPECT_TRUE(r.error().contains(QLatin1String("--app-folder ~/classroom"))) << r.error().toStdString();
    EXPECT_EQ(QDir(foreign).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
              QStringList{"notes.txt"});
    EXPECT_EQ(readFile(foreign + "/notes.txt"), QByteArray("my notes"));

    // Without default content a new folder cannot be filled.
    AppFolderInputs in = f.inputs({"--app-folder", parent.path() + "/other"});
    in.defaultContent.clear();
    auto missing = resolveAppFolder(in);
    ASSERT_FALSE(missing.ok());
    EXPECT_TRUE(missing.error().contains(QLatin1String("default content was not found")));
}

TEST(AppFolder, PortableCopyUsesTheExecutablesFolder) {
    Folders f;
    writeFile(f.exe() + "/aobj_prog_type.cfg", " 2 \r\n");
    auto r = resolveAppFolder(f.inputs());
    ASSERT_TRUE(r.ok()) << r.error().toStdString();
    EXPECT_EQ(r->folder, QDir::cleanPath(f.exe()));
    EXPECT_FALSE(QFileInfo::exists(f.user()));
}

TEST(AppFolder, UserFolderIsFilledOnceAndNeverOverwritten) {
    Folders f;
    auto first = resolveAppFolder(f.inputs());
    ASSERT_TRUE(first.ok()) << first.error().toStdString();
    EXPECT_EQ(first->folder, QDir::cleanPath(f.user()));
    EXPECT_TRUE(first->filled);
    EXPECT_EQ(readFile(f.user() + "/teacher.lgn"), QByteArray("shipped options"));
    EXPECT_EQ(readFile(f.user() + "/aobj_gong.wav"), QByteArray("gong"));

    // The teacher changes the options; the next start keeps them.
    writeFile(f.user() + "/teacher.lgn", "the teacher's own options");
    auto second = resolveAppFolder(f.inputs());
    ASSERT_TRUE(second.ok());
    EXPECT_FALSE(second->filled);
    EXPECT_EQ(readFile(f.user() + "/teacher.lgn"), QByteArray("the teacher's own options"));
}

TEST(AppFolder, UnusableFoldersGiveClearMessages) {
    Folders f;
    QTemporaryDir other;
    const QString aFile = other.path() + "/plain.txt";
    writeFile(aFile, "x");
    const struct {
        QStringList args;
        const char* words;
    } cases[] = {
        {{"--app-folder", other.path() + "/missing/deeper"}, "does not exist"},
        {{"--app-folder", aFile}, "is a file, not a folder"},
        {{"--app-folder", "/sys/kernel"}, "is not a Stepwick data folder"},  // and nothing is written there
        {{"--app-folder"}, "needs a folder"},
        {{"--app-folder="}, "needs a folder"},
    };
    for (const auto& c : cases) {
        auto r = resolveAppFolder(f.inputs(c.args));
        ASSERT_FALSE(r.ok()) << c.args.join(' ').toStdString();
        EXPECT_TRUE(r.error().contains(QLatin1String(c.words))) << r.error().toStdString();
    }
}

TEST(AppFolder, ReadOnlyFolderForAnOrdinaryUser) {
    if (geteuid() == 0) GTEST_SKIP() << "running as root: permission bits do not stop root (the /sys case covers it)";
    QTemporaryDir dir;
    QFile::setPermissions(dir.path(), QFile::ReadOwner | QFile::ExeOwner);
    EXPECT_FALSE(checkUsableFolder(dir.path()).ok());
    QFile::setPermissions(dir.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
}

TEST(AppFolder, UserFolderThatIsAFileOrHasNoContent) {
    Folders f;
    writeFile(f.user(), "not a folder");
    auto r = resolveAppFolder(f.inputs());
    ASSERT_FALSE(r.ok());
    EXPECT_TRUE(r.error().contains(QLatin1String("is a file")));

    Folders g;
    AppFolderInputs in = g.inputs();
    in.defaultContent.clear();
    auto missing = resolveAppFolder(in);
    ASSERT_FALSE(missing.ok());
    EXPECT_TRUE(missing.error().contains(QLatin1String("default content was not found")));
}

TEST(AppFolder, FindsContentBesideTheExecutablesFolder) {
    Folders f;
    EXPECT_EQ(findDefaultContent(f.exe()), QDir::cleanPath(f.content()));
    QTemporaryDir empty;
    EXPECT_EQ(findDefaultContent(empty.path()), QString());
}

// The program itself, started with unusable folders: a message and a non-zero exit, no crash.
TEST(AppFolder, ProgramRefusesUnusableFolders) {
    const QString program = QStringLiteral(STEPWICK_BINARY_DIR "/bin/stepwick");
    if (!QFileInfo::exists(program)) GTEST_SKIP() << "the stepwick executable is not built";
    QTemporaryDir dir;
    writeFile(dir.path() + "/file", "x");
    for (const QString& folder :
         QStringList{dir.path() + "/missing/deeper", dir.path() + "/file", QStringLiteral("/sys/kernel")}) {
        QProcess p;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        p.setProcessEnvironment(env);
        p.start(program, {QStringLiteral("--app-folder"), folder});
        ASSERT_TRUE(p.waitForFinished(20000)) << folder.toStdString();
        EXPECT_EQ(p.exitStatus(), QProcess::NormalExit) << folder.toStdString();
        EXPECT_EQ(p.exitCode(), 2) << folder.toStdString();
        EXPECT_TRUE(p.readAllStandardError().contains(folder.toUtf8())) << folder.toStdString();
    }
}

}  // namespace
