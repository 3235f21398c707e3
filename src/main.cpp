#include "exam/handlers/ExamSession.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("provimi"));

    ExamSession session;
    QObject::connect(&session.exam(), &Exam::finished, &app, &QCoreApplication::exit);
    session.start();
    return QApplication::exec();
}
