#include "exam/handlers/ExamSession.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    const auto app = ExamSession::openApplication(argc, argv);
    ExamSession session;
    QObject::connect(&session.exam(), &Exam::finished, app.get(), &QCoreApplication::exit);
    session.start();
    return QApplication::exec();
}
