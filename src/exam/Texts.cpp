#include "exam/Texts.h"

namespace Texts {

QString notice()
{
    const QString division = QStringLiteral("\r\r");
    return QStringLiteral(
               "Zgjidhni pyetjen duke klikuar mbi numrin përkatës. Lexojeni me kujdes atë "
               "dhe klikoni alternativën që mendoni se është përgjigja e saktë. ")
        + QStringLiteral("Përgjigja konsiderohet e dhënë vetëm pasi të klikoni edhe mbi butonin "
                         "KONFIRMOJ.")
        + division
        + QStringLiteral("Çdo pyetje mund ta riktheni për shqyrtim dhe të jepni, po të doni, një "
                         "përgjigje tjetër. ")
        + QStringLiteral("Përgjigje definitive konsiderohet përgjigja e fundit.") + division
        + QStringLiteral(
            "Pyetjet janë zgjedhur në mënyrë të rastësishme nga kompjuteri dhe janë të "
            "njëjta për të gjithë pjesëmarrësit, por renditja e tyre është e ndryshme.")
        + division
        + QStringLiteral(
            "Provimi zgjat 60 minuta duke filluar nga momenti që njofton administratori. ")
        + division
        + QStringLiteral(
            "Në se deklaroni përfundimin e provimit dhe e KONFIRMONI atë, ju nuk mund të "
            "riktheheni për të vazhduar edhe pse koha mund të mos ketë skaduar.")
        + division + QString(38, QLatin1Char(' '))
        + QStringLiteral("J U   U R O J M E   S U K S E S ! ");
}

} // namespace Texts
