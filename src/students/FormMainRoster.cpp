// The roster on the main window: the log-on list, the student list of the student panel, adding
// and removing a student, and viewing a student's results.

#include "students/FormMain.h"

#include "app/Globvars.h"
#include "library/OptionsFile.h"
#include "platform/Services.h"
#include "students/ReportViewer.h"
#include "students/StudentNames.h"

#include <QDir>
#include <QLineEdit>
#include <QListWidget>

namespace {

const QString kTeacher = QStringLiteral("teacher");

QStringList rosterOfFolder() { return rosterNames(platform::files().list(AppFolder, QStringLiteral("*.lgn"))); }

void fillList(QListWidget* list) {
    list->clear();
    list->addItems(rosterOfFolder());
}

}  // namespace

void FormMain::fillLogonList() {
    fillingLists_ = true;
    fillList(ListLogon);
    fillingLists_ = false;
    if (CurrentStudent.isEmpty()) CurrentStudent = kTeacher;
    selectInLogonList(CurrentStudent);
}

void FormMain::selectInLogonList(const QString& student) {
    fillingLists_ = true;
    const QList<QListWidgetItem*> found = ListLogon->findItems(student, Qt::MatchExactly | Qt::MatchCaseSensitive);
    if (found.isEmpty()) {
        ListLogon->setCurrentRow(-1);
    } else {
        ListLogon->setCurrentItem(found.first());
    }
    fillingLists_ = false;
}

void FormMain::fillStudentList() {
    fillList(ListLogon2);
    ListLogon2->setCurrentRow(-1);
    ListLogon2->clearSelection();
}

void FormMain::ListLogon_Click(const QString& student) {
    if (const Status loaded = loadStudentOptions(student); !loaded) {
        // The student before stays current, so nothing is saved over the file that cannot be read.
        tell(loaded.error());
        selectInLogonList(CurrentStudent);
        return;
    }
    CurrentStudent = student;
}

void FormMain::CmdButAddLogon_Click() {
    const QString name = TextAddLogon->text();
    if (const QString problem = checkNewStudentName(name, rosterOfFolder()); !problem.isEmpty()) {
        tell(problem);
        TextAddLogon->setFocus(Qt::OtherFocusReason);
        return;
    }
    // The new student's file is a copy of the options in memory: those of the current student.
    if (const Status saved = saveStudentOptions(name); !saved) {
        tell(saved.error());
        return;
    }
    CurrentStudent = name;
    if (const Status loaded = loadStudentOptions(CurrentStudent); !loaded) tell(loaded.error());
    fillLogonList();
    fillStudentList();
    selectInLogonList(CurrentStudent);
    TextAddLogon->clear();
}

QString FormMain::selectedStudent() const {
    const QListWidgetItem* item = ListLogon2->currentItem();
    return item != nullptr && item->isSelected() ? item->text() : QString();
}

void FormMain::CmdDeleteLogon_Click() {
    const QString name = selectedStudent();
    if (name == kTeacher) {
        tell(tr("'teacher' is the default student, 'teacher' cannot be deleted"));
        return;
    }
    if (name.isEmpty()) {
        tell(tr("A student must be highlighted"));
        return;
    }
    if (!platform::messages().okCancel(tr("Are you sure you want to delete the student: ") + name)) {
        activateWindow();
        return;
    }
    const QDir folder(AppFolder);
    QStringList problems;
    if (Status s = platform::files().remove(folder.filePath(name + QStringLiteral(".lgn"))); !s)
        problems.append(s.error());
    for (const char* ending : {".sta", ".csv"}) {
        const QString path = folder.filePath(name + QString::fromLatin1(ending));
        if (!platform::files().exists(path)) continue;
        if (Status s = platform::files().remove(path); !s) problems.append(s.error());
    }
    // Results still waiting for the removed student's files must not bring them back.
    PendingTaskResults.discard(name);
    // The teacher becomes current with the teacher's own options, so that the next save of the
    // task selection does not write the removed student's options into teacher.lgn.
    CurrentStudent = kTeacher;
    if (const Status loaded = loadStudentOptions(CurrentStudent); !loaded) problems.append(loaded.error());
    fillLogonList();
    fillStudentList();
    if (!problems.isEmpty()) tell(problems.join(u'\n'));
}

QString FormMain::studentWithData(const QString& extension) {
    const QString name = selectedStudent();
    if (name.isEmpty()) {
        tell(tr("Please select a student"));
        return {};
    }
    if (name == kTeacher) {
        tell(tr("Data is not gathered for the 'teacher' logon"));
        return {};
    }
    if (!platform::files().exists(QDir(AppFolder).filePath(name + extension))) {
        tell(tr("Data was not collected yet for ") + name);
        return {};
    }
    return name;
}

void FormMain::CmdViewStudentData_Click() {
    const QString name = studentWithData(QStringLiteral(".sta"));
    if (name.isEmpty()) return;
    const QString path = QDir(AppFolder).filePath(name + QStringLiteral(".sta"));
    const auto bytes = platform::files().readAll(path);
    if (!bytes) {
        tell(bytes.error());
        return;
    }
    if (reportViewer_ == nullptr) reportViewer_ = new ReportViewer(this);
    reportViewer_->showReport(path, QString::fromUtf8(*bytes));
}

void FormMain::CmdSpreadsheet_Click() {
    const QString name = studentWithData(QStringLiteral(".csv"));
    if (name.isEmpty()) return;
    if (Status s = platform::shell().open(QDir(AppFolder).filePath(name + QStringLiteral(".csv"))); !s) tell(s.error());
}
