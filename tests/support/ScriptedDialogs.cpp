#include "support/ScriptedDialogs.h"

#include "support/Keys.h"

#include <QApplication>
#include <QPushButton>

RealBoxAnswer::RealBoxAnswer(const QString &keys)
{
    since.start();
    QObject::connect(
        &poll, &QTimer::timeout, [this, script = keys.split(QStringLiteral(", "))]() mutable {
            QWidget *modal = QApplication::activeModalWidget();
            auto *box = qobject_cast<QMessageBox *>(modal);
            if (box && !asked) {
                asked = AskedBox { box->windowTitle(), box->text(), box->standardButtons(),
                    box->standardButton(box->defaultButton()), box->icon() != QMessageBox::NoIcon,
                    {} };
                for (auto b : { QMessageBox::Yes, QMessageBox::No })
                    if (QAbstractButton *yesOrNo = box->button(b))
                        asked->captions << yesOrNo->text();
                shown.start();
            }
            while (box && !script.isEmpty()
                && shown.elapsed() >= script[0].section(u' ', 0, 0).toInt())
                sendKey(box->windowHandle(), script.takeFirst().section(u' ', 1));
            if (modal && since.elapsed() > 3000) {
                forced = true;
                modal->close();
            }
        });
    poll.start(10);
}
