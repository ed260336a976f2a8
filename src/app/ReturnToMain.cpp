#include "app/ReturnToMain.h"

#include "app/Forms.h"

#include <QCoreApplication>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

void addReturnToMainButton(QWidget* window, const char* objectName) {
    auto* layout = new QVBoxLayout(window);
    auto* label = new QLabel(window->windowTitle(), window);
    label->setAlignment(Qt::AlignCenter);
    layout->addWidget(label);
    auto* back = new QPushButton(QCoreApplication::translate("ReturnToMain", "Back to the Main Menu"), window);
    back->setObjectName(QString::fromLatin1(objectName));
    back->setAccessibleName(back->text());
    back->setMinimumHeight(60);
    layout->addWidget(back, 0, Qt::AlignCenter);
    QObject::connect(back, &QPushButton::clicked, window, [window] {
        showForm(FormId::Main);
        window->hide();
    });
}
