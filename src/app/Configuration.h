#pragma once

#include "exam/SittingSetup.h"
#include "store/CentralStore.h"

#include <QStringList>

#include <vector>

struct Options;

// How this terminal runs a sitting: one INI file owned by the administrator, read once at
// start-up and never written, and per sitting the command line over it. Paths in the file are
// read from the file's folder, paths on the command line from the working folder.
//
//   [Provimi]     Titulli, Data (the date shown instead of today's), FondiIPyetjeve (the bank
//                 file), PyetjeNeTeze (50, the window's question buttons)
//   [Kuotat]      one line per booklet: <FashikulliGrupPyetjesh>=<questions on the paper>
//   [Terminali]   Tavolina, Gjendja (the state folder, where sittings are recorded)
//   [Kandidati]   EmriMbiemri, Foto
//   [Qendra]      the exam centre's PostgreSQL: Serveri, Porta, Databaza, Perdoruesi,
//                 SkedariIFjalekalimit (a file holding the password on its first line)
//
// Where no file is named and none stands at the default place, nothing is configured and
// nothing is read: the sitting is the design's own.
struct Configuration
{
    inline static const QString DefaultFile = QStringLiteral("/etc/provimi/provimi.conf");

    QString title;
    QString dateText;
    QString bankFile;
    std::vector<Quota> quotas;
    QString desk;
    QString candidate;
    QString photoFile;
    QString stateFolder; // empty: no sitting is recorded
    CentralSettings central; // no host: there is no central store
    QString passwordFile;

    // What is wrong with the configuration, and then with what it names, one line each.
    QStringList problems;

    static Configuration read(const Options &options, const QString &defaultFile = DefaultFile);

    // The sitting it sets: the photo and the bank read and checked, and the central store's
    // password read, their problems added.
    SittingSetup load();

private:
    void readFile(const QString &fileName);
};
