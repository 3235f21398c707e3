#pragma once

#include "store/BankCheck.h"
#include "store/BankQuestion.h"

#include <QByteArray>
#include <QString>

#include <vector>

// What an exam centre sets for one sitting. Whatever is left empty keeps the design's own: the
// built-in demonstration bank, its title, today's date, the desk "74", "Emri Mbiemri" and the
// placeholder photo.
struct SittingSetup
{
    QString title; // LblEmertimIProvimit
    QString dateText; // LblData, instead of today's date
    QString desk; // LblTezaTavolinaTerminali
    QString candidate; // LblEmriMbiemri, also the title of the box that asks for an answer
    QByteArray photo; // ImgFoto: the bytes of a PNG, JPEG or SVG file

    // The bank file and what it holds, already checked; the paper is drawn from the whole
    // bank, or per booklet when there are quotas.
    QString bankFile;
    std::vector<BankQuestion> bank;
    std::vector<Quota> quotas;
};
