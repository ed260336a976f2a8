#pragma once

#include <QString>

#include <array>

// Names of files the program ships in AppFolder and reads by name. The generator of the default
// content makes them under the same names, so both take them from here.

// The edition number: 1 for the Kestrel edition, any other value for the Larkin edition.
inline const QString kProgramTypeFile = QStringLiteral("aobj_prog_type.cfg");

// The main window's logo for each edition.
inline const QString kKestrelLogo = QStringLiteral("aobj_logo_kestrel.jpg");
inline const QString kLarkinLogo = QStringLiteral("aobj_logo_larkin.jpg");

// The pictures of the main menu's seven buttons: Start, Options, Quit, Task Maker, the student
// data, User Guide, Credits.
inline const std::array<QString, 7> kMenuPictures = {
    QStringLiteral("aobj_menu_start.jpg"),      QStringLiteral("aobj_menu_options.jpg"),
    QStringLiteral("aobj_menu_quit.jpg"),       QStringLiteral("aobj_menu_task_maker.jpg"),
    QStringLiteral("aobj_menu_student.jpg"),    QStringLiteral("aobj_menu_user_guide.jpg"),
    QStringLiteral("aobj_menu_credits.jpg")};

// The documents the main menu opens with the desktop.
inline const QString kUserGuideFile = QStringLiteral("aobj_user_guide.htm");
inline const QString kCreditsFile = QStringLiteral("aobj_credits.htm");
