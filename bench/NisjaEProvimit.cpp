// The exam program's start exactly as main.cpp does it, reporting its first frame.

#include "Dialogs.h"
#include "FormProvimi.h"
#include "KornizaEPare.h"
#include "Provimi.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("provimi"));
    FormProvimi forma;
    new KornizaEPare(&forma);
    RealDialogs dialogs;
    Provimi provimi(forma, dialogs);
    provimi.perfundoProgramin = [](int kodi) { QCoreApplication::exit(kodi); };
    provimi.Form_Load();
    forma.shfaqMaksimizuar();
    return QApplication::exec();
}
