#include "support/ScriptedDialogs.h"

#include <QApplication>
#include <QPushButton>
#include <QTest>

RealBoxAnswer::RealBoxAnswer(QMessageBox::StandardButton button)
{
    since.start();
    QObject::connect(&poll, &QTimer::timeout, [this, button] {
        QWidget *modal = QApplication::activeModalWidget();
        auto *box = qobject_cast<QMessageBox *>(modal);
        if (box && !asked) {
            asked = AskedBox { box->windowTitle(), box->text(), box->standardButtons(),
                box->standardButton(box->defaultButton()), box->icon() != QMessageBox::NoIcon, {} };
            for (auto b : { QMessageBox::Yes, QMessageBox::No })
                if (QAbstractButton *yesOrNo = box->button(b))
                    asked->captions << yesOrNo->text();
            shown.start();
            QTest::keyClick(box->windowHandle(), Qt::Key_Return);
        } else if (modal && since.elapsed() > 3000) {
            forced = true;
            modal->close();
        } else if (box && shown.elapsed() > 600 && box->button(button)) {
            box->button(button)->setFocus();
            QTest::keyClick(box->windowHandle(), Qt::Key_Space);
        }
    });
    poll.start(10);
}
