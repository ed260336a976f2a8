#include "library/PathHelpers.h"

#include "TestPlatform.h"

#include "app/Globvars.h"

#include <gtest/gtest.h>

namespace {

TEST(PathHelpers, PartsOfAPath) {
    const struct {
        const char* path;
        const char* folder;  // getPath
        const char* file;    // getFileName
        const char* drive;   // getDrive
    } cases[] = {
        {"/home/class/pics/egg.jpg", "/home/class/pics", "egg.jpg", "/"},
        {"pics/egg.jpg", "pics", "egg.jpg", "pics/"},
        {"egg.jpg", "", "", ""},  // a bare name has neither folder nor file part
        {"/egg.jpg", "", "egg.jpg", "/"},
        {"/home/class/", "/home/class", "", "/"},
        {"", "", "", ""},
        {"None", "", "", ""},
    };
    for (const auto& c : cases) {
        const QString path = QString::fromUtf8(c.path);
        EXPECT_EQ(getPath(path), QString::fromUtf8(c.folder)) << c.path;
        EXPECT_EQ(getFileName(path), QString::fromUtf8(c.file)) << c.path;
        EXPECT_EQ(getDrive(path), QString::fromUtf8(c.drive)) << c.path;
    }
}

TEST(PathHelpers, StoredNamesAndBack) {
    TestPlatform platform;
    AppFolder = QStringLiteral("/srv/stepwick");
    const struct {
        const char* full;
        const char* stored;
    } cases[] = {
        {"/srv/stepwick/egg.jpg", "egg.jpg"},
        {"/home/class/pics/egg.jpg", "/home/class/pics/egg.jpg"},
        {"/srv/stepwick/sub/egg.jpg", "/srv/stepwick/sub/egg.jpg"},
        // Another spelling of the same folder is kept as a path; it reads back alike.
        {"/srv/stepwick/./egg.jpg", "/srv/stepwick/./egg.jpg"},
        {"None", "None"},
    };
    for (const auto& c : cases) {
        const QString full = QString::fromUtf8(c.full);
        EXPECT_EQ(toStoredName(full), QString::fromUtf8(c.stored)) << c.full;
        EXPECT_EQ(insertPath(toStoredName(full)), full) << c.full;
    }
}

TEST(PathHelpers, InsertPath) {
    TestPlatform platform;
    AppFolder = QStringLiteral("/srv/stepwick");
    const struct {
        const char* name;
        const char* path;
    } cases[] = {
        {"egg.jpg", "/srv/stepwick/egg.jpg"},
        {"None", "None"},
        {"", ""},
        {"/home/class/egg.jpg", "/home/class/egg.jpg"},
        {"/egg.jpg", "/egg.jpg"},  // absolute, not bare
        {"pics/egg.jpg", "pics/egg.jpg"},
    };
    for (const auto& c : cases) EXPECT_EQ(insertPath(QString::fromUtf8(c.name)), QString::fromUtf8(c.path)) << c.name;
}

}  // namespace
