#include "Dialogs.h"
#include "FormProvimi.h"
#include "Provimi.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("provimi"));

    FormProvimi forma;
    RealDialogs dialogs;
    Provimi provimi(forma, dialogs);
    provimi.perfundoProgramin = [](int kodi) { QCoreApplication::exit(kodi); };
    provimi.Form_Load();
    forma.shfaqMaksimizuar();
    return QApplication::exec();
}
