#include "WorkshopFixture.h"

#include "app/PictureWidgets.h"
#include "maintenance/MaintWidgets.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>
#include <QTest>
#include <QTreeView>

namespace {

struct Keyboard : Workshop {
    void SetUp() override {
        Workshop::SetUp();
        for (int i = 1; i <= 3; ++i)
            picture(QString::number(320000000 + i), QStringLiteral("Hygiene"), QStringLiteral("Picture %1").arg(i));
        task(QStringLiteral("222222222"), QStringLiteral("Brushing teeth"), QStringLiteral("Hygiene"),
             {QStringLiteral("generated_pic_320000001.stp"), QStringLiteral("generated_pic_320000002.stp")});
        open();
        ASSERT_TRUE(QTest::qWaitForWindowActive(w));
    }

    // The control that has the keyboard, named as the window names it: a combo box's text field
    // by its combo box, a slot's button by its slot.
    static QString focused() {
        QWidget* at = QApplication::focusWidget();
        if (at == nullptr) return QStringLiteral("(none)");
        if (auto* combo = qobject_cast<QComboBox*>(at->parentWidget())) at = combo;
        QString name = at->objectName();
        if (at->property("index").isValid()) name += QString::number(at->property("index").toInt());
        return name;
    }

    // The controls Tab visits from the frame's first one, once round.
    QStringList tabOrder() {
        QStringList order{focused()};
        for (int i = 0; i < 40; ++i) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            const QString name = focused();
            if (name == order.first()) break;
            order.append(name);
        }
        return order;
    }

    void press(Qt::Key key) { QTest::keyClick(QApplication::focusWidget(), key); }
};

TEST_F(Keyboard, EveryControlCarriesItsCaptionAsItsAccessibleName) {
    for (QAbstractButton* button : w->findChildren<QAbstractButton*>()) {
        if (qobject_cast<QPushButton*>(button) == nullptr && qobject_cast<PictureButton*>(button) == nullptr) continue;
        EXPECT_EQ(button->accessibleName(), shownCaption(button->text())) << button->objectName().toStdString();
    }
    EXPECT_EQ(w->CmdTaskSave->accessibleName(), QStringLiteral("Save Task & Exit"));
    // Text boxes, category boxes and lists are named by the caption above them.
    for (QLabel* label : w->findChildren<QLabel*>()) {
        if (label->buddy() == nullptr) continue;
        EXPECT_EQ(label->buddy()->accessibleName(), label->text().trimmed()) << label->text().toStdString();
    }
    for (QWidget* field : std::initializer_list<QWidget*>{w->TextTask, w->textTaskCategory, w->TextPicDesc,
                                                          w->TextPhonetic, w->textCategory, w->ListTasks, w->ListPics,
                                                          w->ListPicStep, w->Dir1, w->File1}) {
        EXPECT_FALSE(field->accessibleName().isEmpty()) << field->objectName().toStdString();
    }
}

TEST_F(Keyboard, TabFollowsTheReadingOrderOfEachFrame) {
    EXPECT_EQ(tabOrder(), QStringList({"CmdTMPics", "CmdTMTasks", "CmdOverlayWaves", "CmdMainMenu"}));
    w->CmdTMTasks->click();
    EXPECT_EQ(tabOrder(), QStringList({"ListTasks", "CmdAddTask", "CmdExistingTask", "CmdDeleteTask", "CmdPrintTask",
                                       "CmdTMTaskBack"}));
    w->CmdAddTask->click();
    EXPECT_EQ(tabOrder(), QStringList({"TextTask", "textTaskCategory", "CmdNextTask2", "CmdStep1Cancel"}));
    w->TextTask->setText(QStringLiteral("Task"));
    w->textTaskCategory->setEditText(QStringLiteral("Hygiene"));
    w->CmdNextTask2->click();
    EXPECT_EQ(tabOrder(),
              QStringList({"ListPicStep", "CmdPastePic1", "CmdMaint4Back3", "CmdMaint2Next", "CmdTaskCancel"}));
    w->CmdMaint2Next->click();
    EXPECT_EQ(tabOrder(),
              QStringList({"CmdAddModifyTaskVideo", "Cmdtask2Back1", "Cmdtask2Next3", "CmdDefineVideoDone"}));
    w->Cmdtask2Next3->click();
    EXPECT_EQ(tabOrder(), QStringList({"PicRecordWaveIntro", "CmdTroubleIntro", "Cmdmaint3Back2", "CmdTaskSave",
                                       "CmdGoBackIntro"}));
    w->CmdGoBackIntro->click();
    w->CmdTMTaskBack->click();
    w->CmdTMPics->click();
    EXPECT_EQ(tabOrder(), QStringList({"ListPics", "CmdAddPic", "CmdModifyPic", "CmdDeletePic", "cmdTMPicSelectBack"}));
    w->CmdAddPic->click();
    EXPECT_EQ(tabOrder(), QStringList({"Dir1", "File1", "CmdPastePicture", "CmdClearPicture", "CmdPicStepForward2",
                                       "CmdPic1cancel"}));
}

TEST_F(Keyboard, EnterWorksTheFocusedButtonAndArrowsTheLists) {
    w->CmdTMTasks->setFocus();
    press(Qt::Key_Return);
    ASSERT_EQ(frame(), w->FrameTMTaskSelect);
    // Tabbing into a list highlights nothing; the first arrow highlights the first entry.
    EXPECT_EQ(focused(), QStringLiteral("ListTasks"));
    EXPECT_EQ(FormMaint::highlightedRow(w->ListTasks), -1);
    press(Qt::Key_Down);
    EXPECT_EQ(FormMaint::highlightedRow(w->ListTasks), 0);
    w->CmdAddTask->setFocus();
    press(Qt::Key_Enter);
    ASSERT_EQ(frame(), w->FrameMaint1);
    QTest::keyClicks(w->TextTask, QStringLiteral("Washing"));
    press(Qt::Key_Tab);
    QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("Hygiene"));
    press(Qt::Key_Tab);
    press(Qt::Key_Return);
    ASSERT_EQ(frame(), w->FrameMaint2);
    EXPECT_EQ(w->TextTask->text(), QStringLiteral("Washing"));
    EXPECT_EQ(w->textTaskCategory->currentText(), QStringLiteral("Hygiene"));

    // Step 2 by keys: arrows choose a picture (its preview shows), Tab reaches the slot, Enter pastes.
    EXPECT_EQ(focused(), QStringLiteral("ListPicStep"));
    press(Qt::Key_Down);
    press(Qt::Key_Down);
    EXPECT_EQ(FormMaint::highlightedRow(w->ListPicStep), 1);
    EXPECT_EQ(w->SelectedLibraryPicture, p.path(QStringLiteral("320000002.png")));
    EXPECT_FALSE(w->ImageCopyPreview->picture().isNull());
    press(Qt::Key_Tab);
    EXPECT_EQ(focused(), QStringLiteral("CmdPastePic1"));
    press(Qt::Key_Return);
    EXPECT_EQ(w->EditStepFiles[1], QStringLiteral("generated_pic_320000002.stp"));
    EXPECT_FALSE(w->ImageStep[1]->picture().isNull());
}

}  // namespace
