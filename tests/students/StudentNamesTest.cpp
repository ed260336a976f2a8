#include "students/StudentNames.h"

#include "QtPrinting.h"

#include <gtest/gtest.h>

namespace {

const char* const kRequired = "An entry is required";
const char* const kLeading = "A valid entry cannot start with a space";
const char* const kTrailing = "A valid entry cannot end with a space";
const char* const kLetters = "A valid entry can only contain letters, numbers, spaces, single quotes or underscores";
const char* const kExists = "A student by this name exists already, please enter a new name";

TEST(StudentNames, NewNamesCheckedInOrder) {
    const QStringList existing{QStringLiteral("Ann"), QStringLiteral("teacher")};
    const std::pair<const char*, const char*> cases[] = {
        {"Blue Group", ""},
        {"O'Neil_2", ""},
        {"x", ""},
        {" Blue", kLeading},
        {"Blue ", kTrailing},
        {" Blue!", kLeading},  // the blank is found before the letter
        {"Blue-Group", kLetters},
        {"Bl\xc3\xa9", kLetters},  // an accented letter
        {"Blue\tGroup", kLetters},
        {"", kRequired},
        {"   ", kRequired},
        {"TEACHER", kExists},
        {"ann", kExists},
        {"Anna", ""},
    };
    for (const auto& [name, message] : cases) {
        EXPECT_EQ(checkNewStudentName(QString::fromUtf8(name), existing), QString::fromLatin1(message)) << name;
    }
    EXPECT_EQ(validateStudentName(QStringLiteral("TEACHER")), QString());
}

TEST(StudentNames, RosterFromTheOptionFiles) {
    const QStringList files{QStringLiteral("Zed.lgn"),     QStringLiteral("ann.lgn"),       QStringLiteral("Bob.lgn"),
                            QStringLiteral("teacher.lgn"), QStringLiteral("Ann.lgn"),       QStringLiteral("Cy.LGN"),
                            QStringLiteral(".lgn"),        QStringLiteral("Blue Group.lgn")};
    EXPECT_EQ(rosterNames(files),
              (QStringList{QStringLiteral("Ann"), QStringLiteral("ann"), QStringLiteral("Blue Group"),
                           QStringLiteral("Bob"), QStringLiteral("teacher"), QStringLiteral("Zed")}));
}

}  // namespace
